#include "Fixtures.hpp"

#include <functional>
#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {
// n distinct three-letter words AAA, AAB, ... in alphabetical order.
std::vector<std::string> Palavras3(int n) {
    std::vector<std::string> r;
    for (int i = 0; i < n; ++i)
        r.push_back({'A', static_cast<char>('A' + i / 26), static_cast<char>('A' + i % 26)});
    return r;
}

void EsperarErro(const std::function<void()>& f, const std::string& mensagem) {
    try {
        f();
        ADD_FAILURE() << "sem erro: " << mensagem;
    } catch (const EInterno& e) {
        EXPECT_EQ(e.what(), mensagem);
    }
}
} // namespace

TEST(Indices, ConjuntosDeBitsNasFronteirasDe64) {
    struct {
        int palavras;
        std::vector<std::uint64_t> todos;
    } casos[] = {{64, {~0ULL}}, {65, {~0ULL, 1}}, {3, {7}}};
    for (const auto& c : casos) {
        auto d = Carregar(Palavras3(c.palavras));
        EXPECT_EQ(d->MascaraDaLetra(3, 0, 'A'), c.todos) << c.palavras;
        EXPECT_EQ(d->MascaraComuns(3), c.todos) << c.palavras;
        EXPECT_EQ(d->ContarComprimento(3), c.palavras);
    }
}

TEST(Indices, MascarasPorPosicaoELetra) {
    auto d = Carregar({"#SECCAO COMUNS PREFERIDAS", "CASA", "#SECCAO COMUNS", "CAMA", "MESA",
                       "#SECCAO RARAS", "MAMA", "#SECCAO RARAS PREFERIDAS", "SOL"});
    // Group 4 in order: CAMA CASA MAMA MESA.
    EXPECT_EQ(d->MascaraDaLetra(4, 0, 'C'), (TConjuntoBits{0b0011}));
    EXPECT_EQ(d->MascaraDaLetra(4, 2, 'S'), (TConjuntoBits{0b1010}));
    EXPECT_EQ(d->MascaraDaLetra(4, 1, 'Z'), (TConjuntoBits{0}));
    EXPECT_EQ(d->MascaraComuns(4), (TConjuntoBits{0b1011}));
    EXPECT_EQ(d->MascaraPreferidas(4), (TConjuntoBits{0b0010}));
    EXPECT_EQ(d->MascaraPreferidas(3), (TConjuntoBits{0b1}));
    EXPECT_TRUE(d->TemPreferidas(4));
    EXPECT_FALSE(Carregar({"CASA", "#SECCAO RARAS", "MESA"})->TemPreferidas(4));
    EXPECT_EQ(d->PalavraDoGrupo(4, 0), d->IndiceDaGrelha("CAMA"));
}

TEST(Indices, ComprimentosForaDoIntervaloSaoVazios) {
    auto d = Carregar({"CASA", "SOL"});
    for (const std::int32_t l : {-1, 0, 1, 16, 99}) {
        EXPECT_EQ(d->ContarComprimento(l), 0);
        EXPECT_TRUE(d->MascaraComuns(l).empty());
        EXPECT_TRUE(d->MascaraPreferidas(l).empty());
        EXPECT_FALSE(d->TemPreferidas(l));
        EXPECT_TRUE(d->MascaraDaLetra(l, 0, 'A').empty());
    }
    EXPECT_TRUE(d->MascaraDaLetra(5, 0, 'A').empty()); // valid length, empty group
}

TEST(Indices, Erros) {
    auto d = Carregar({"CASA", "SOL"});
    const std::string letra = "MascaraDaLetra: posição ou letra inválida";
    const std::string grupo = "PalavraDoGrupo: fora do intervalo";
    const std::string indice = "TDicionario: índice de palavra fora do intervalo";
    EsperarErro([&] { d->MascaraDaLetra(5, 5, 'A'); }, letra);
    EsperarErro([&] { d->MascaraDaLetra(5, -1, 'A'); }, letra);
    EsperarErro([&] { d->MascaraDaLetra(4, 0, 'a'); }, letra);
    EsperarErro([&] { d->MascaraDaLetra(4, 0, '\xC7'); }, letra);
    EsperarErro([&] { d->PalavraDoGrupo(4, 1); }, grupo);
    EsperarErro([&] { d->PalavraDoGrupo(4, -1); }, grupo);
    EsperarErro([&] { d->PalavraDoGrupo(16, 0); }, grupo);
    EsperarErro([&] { d->Palavra(2); }, indice);
    EsperarErro([&] { d->Palavra(-1); }, indice);
}

TEST(Indices, IndiceDaGrelhaEncontraCadaEntrada) {
    auto d = Carregar({"ÁGUA", "AR", "ZEBRA", "MAR", "MARÉ", "MARES"});
    for (std::int32_t i = 0; i < d->Total(); ++i)
        EXPECT_EQ(d->IndiceDaGrelha(d->Palavra(i).Grelha), i);
    for (const char* ausente : {"", "A", "MARX", "ÁGUA", "ZZ"})
        EXPECT_EQ(d->IndiceDaGrelha(ausente), -1) << ausente;
}
