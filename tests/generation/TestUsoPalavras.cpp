#include "Fixturas.hpp"
#include "UnitPalvorinUsoPalavras.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

// Word n as five letters, "AAAAA", "AAAAB", ...: distinct grid forms without a word list.
std::string Palavra(std::int32_t n) {
    std::string w(5, 'A');
    for (std::int32_t p = 4; p >= 0; --p, n /= 26)
        w[p] = static_cast<char>('A' + n % 26);
    return w;
}

TPuzzle ComPalavras(std::int32_t ADe, std::int32_t AAte) {
    TPuzzle p;
    for (std::int32_t n = ADe; n < AAte; ++n)
        p.Palavras.push_back({Palavra(n), Palavra(n), n - ADe});
    return p;
}

TEST(TUsoPalavras, LimiteDaPartilhaPeloPuzzleMenor) {
    const auto vazia = Lista({});
    TUsoPalavras uso(*vazia);
    EXPECT_FALSE(uso.RepeteDemasiado(ComPalavras(0, 30))) << "o primeiro nunca repete";
    uso.Registar(ComPalavras(0, 30));
    // 26 words, 6 of them from the first puzzle: limit 26 div 4 = 6.
    EXPECT_FALSE(uso.RepeteDemasiado(ComPalavras(24, 50)));
    EXPECT_TRUE(uso.RepeteDemasiado(ComPalavras(23, 49)));
}

TEST(TUsoPalavras, CadaPuzzleAceiteContaAParte) {
    const auto vazia = Lista({});
    TUsoPalavras uso(*vazia);
    uso.Registar(ComPalavras(0, 8));
    uso.Registar(ComPalavras(100, 108));
    // Ten words, two from each accepted puzzle of 8: limit 8 div 4 = 2 against each.
    TPuzzle novo = ComPalavras(1000, 1006);
    for (const std::int32_t n : {0, 1, 100, 101})
        novo.Palavras.push_back({Palavra(n), Palavra(n), 0});
    EXPECT_FALSE(uso.RepeteDemasiado(novo));
    novo.Palavras.push_back({Palavra(2), Palavra(2), 0});
    EXPECT_TRUE(uso.RepeteDemasiado(novo));
}

TEST(TUsoPalavras, ProibidasSaoAsLongasJaUsadas) {
    const auto dic = Lista({"CASA", "CASAS", "MARES", "RIO"});
    TUsoPalavras uso(*dic);
    EXPECT_EQ(uso.Proibidas(), std::vector<bool>(4, false));
    TPuzzle p;
    for (const char* w : {"CASAS", "CASA", "RIO", "FORAX"})
        p.Palavras.push_back({w, w, 0});
    uso.Registar(p);
    const std::vector<bool> proibidas = uso.Proibidas();
    ASSERT_EQ(proibidas.size(), 4u);
    EXPECT_TRUE(proibidas[dic->IndiceDaGrelha("CASAS")]);
    EXPECT_FALSE(proibidas[dic->IndiceDaGrelha("CASA")]);
    EXPECT_FALSE(proibidas[dic->IndiceDaGrelha("RIO")]);
    EXPECT_FALSE(proibidas[dic->IndiceDaGrelha("MARES")]);
}

} // namespace
