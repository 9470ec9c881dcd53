#include "Fixtures.hpp"

#include <algorithm>
#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

TEST(TextoDeBytes, Codificacoes) {
    struct {
        const char* nome;
        std::string bytes;
        std::string texto;
    } casos[] = {
        {"vazio", "", ""},
        {"UTF-8 sem BOM", "\xC3\xA1gua", "água"},
        {"UTF-8 com BOM", "\xEF\xBB\xBF\xC3\xA1gua", "água"},
        {"UTF-16 LE", std::string("\xFF\xFE\xE1\x00g\x00", 6), "ág"},
        {"UTF-16 BE", std::string("\xFE\xFF\x00\xE1\x00g", 6), "ág"},
        {"UTF-16 LE par substituto", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6),
         "\xF0\x9F\x98\x80"},
        {"UTF-16 substituto isolado", std::string("\xFF\xFE\x3D\xD8g\x00", 6), "\uFFFDg"},
        {"UTF-16 byte final ímpar", std::string("\xFF\xFEg\x00h", 5), "g\uFFFD"},
        {"Windows-1252", "p\xE7o \x80", "pço €"},
        {"BOM e depois UTF-8 mal formado", "\xEF\xBB\xBF\xE7", "ç"},
        {"UTF-8 sobrelongo", "A\xE0\x80\x80", "A\uFFFD"},
        {"UTF-8 substituto codificado", "\xED\xA0\x80", "\uFFFD"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TextoDeBytes(Bytes(c.bytes)), c.texto) << c.nome;
}

TEST(Utf8Valido, RegrasDeSequencia) {
    struct {
        std::string bytes;
        std::size_t inicio;
        bool valido;
    } casos[] = {
        {"", 0, true},
        {"abc", 3, true},
        {"\xC3\xA7", 0, true},
        {"\xC3", 0, false},
        {"\xC1\x81", 0, false},
        {"\x80", 0, false},
        {"\xF5\x80\x80\x80", 0, false},
        {"\xE0\x80\x80", 0, true}, // overlong let through
        {"\xE2\x82", 0, false},
        {"\xE2\x82\x41", 0, false},
        {"x\x80", 1, false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Utf8Valido(Bytes(c.bytes), c.inicio), c.valido) << c.bytes;
}

TEST(DividirLinhas, QuebrasCrLfCrELf) {
    EXPECT_EQ(DividirLinhas("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(DividirLinhas("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(DividirLinhas("a\n\nb\r\n\r\n"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_TRUE(DividirLinhas("").empty());
}

TEST(CarregarDeLinhas, NormalizaERegistaPalavras) {
    TRelatorioDic rel;
    auto d = Carregar({"  água \t", "MÁS", "mas", "ação"}, &rel);
    ASSERT_EQ(d->Total(), 3);
    EXPECT_EQ(d->Palavra(d->IndiceDaGrelha("AGUA")), (TPalavraDic{"ÁGUA", "AGUA", true}));
    EXPECT_EQ(d->Palavra(d->IndiceDaGrelha("MAS")).Texto, "MÁS");
    EXPECT_EQ(d->Palavra(d->IndiceDaGrelha("ACAO")).Texto, "AÇÃO");
    EXPECT_EQ(rel.Lidas, 4);
    EXPECT_EQ(rel.Repetidas, 1);
    EXPECT_EQ(rel.Aceites, 3);
}

TEST(CarregarDeLinhas, SeccoesERepetidas) {
    struct {
        const char* nome;
        std::vector<std::string> linhas;
        std::string texto;
        bool comum;
        bool preferida;
    } casos[] = {
        {"rara depois comum",
         {"#SECCAO RARAS", "PÊLO", "#SECCAO COMUNS", "PELO"},
         "PELO",
         true,
         false},
        {"comum depois rara", {"PELO", "#SECCAO RARAS", "PÊLO"}, "PELO", true, false},
        {"marcador minúsculo", {"#seccao raras", "PELO"}, "PELO", false, false},
        {"marcador desconhecido",
         {"#SECCAO RARAS", "#SECCAO OUTRAS", "PELO"},
         "PELO",
         false,
         false},
        {"RARAS testado primeiro", {"#SECCAO COMUNS E RARAS", "PELO"}, "PELO", false, false},
        {"espaço depois de #", {"# SECCAO RARAS", "PELO"}, "PELO", true, false},
        {"comuns volta a comum", {"#SECCAO RARAS", "#SECCAO COMUNS", "PELO"}, "PELO", true, false},
        {"comuns preferidas", {"#SECCAO COMUNS PREFERIDAS", "PELO"}, "PELO", true, true},
        {"raras preferidas", {"#SECCAO RARAS PREFERIDAS", "PELO"}, "PELO", false, true},
        {"preferidas em minúsculas", {"#seccao comuns preferidas", "PELO"}, "PELO", true, true},
        {"comuns depois de preferidas",
         {"#SECCAO COMUNS PREFERIDAS", "#SECCAO COMUNS", "PELO"},
         "PELO",
         true,
         false},
        {"raras depois de preferidas",
         {"#SECCAO COMUNS PREFERIDAS", "#SECCAO RARAS", "PELO"},
         "PELO",
         false,
         false},
        {"PREFERIDAS sem secção não muda",
         {"#SECCAO RARAS", "#SECCAO PREFERIDAS", "PELO"},
         "PELO",
         false,
         false},
        {"rara preferida depois comum",
         {"#SECCAO RARAS PREFERIDAS", "PÊLO", "#SECCAO COMUNS", "PELO"},
         "PELO",
         true,
         false},
        {"comum e depois comum preferida",
         {"PÊLO", "#SECCAO COMUNS PREFERIDAS", "PELO"},
         "PÊLO",
         true,
         true},
        {"comum preferida e depois rara preferida",
         {"#SECCAO COMUNS PREFERIDAS", "PÊLO", "#SECCAO RARAS PREFERIDAS", "PELO"},
         "PÊLO",
         true,
         true},
        {"comum e depois rara preferida",
         {"PÊLO", "#SECCAO RARAS PREFERIDAS", "PELO"},
         "PÊLO",
         true,
         false},
    };
    for (const auto& c : casos) {
        TRelatorioDic rel;
        auto d = Carregar(c.linhas, &rel);
        ASSERT_EQ(d->Total(), 1) << c.nome;
        EXPECT_EQ(d->Palavra(0).Texto, c.texto) << c.nome;
        EXPECT_EQ(d->Palavra(0).Comum, c.comum) << c.nome;
        EXPECT_EQ(d->Palavra(0).Preferida, c.preferida) << c.nome;
        EXPECT_EQ(rel.Comuns, c.comum ? 1 : 0) << c.nome;
        EXPECT_EQ(rel.Lidas, rel.Aceites + rel.Repetidas + rel.Rejeitadas) << c.nome;
    }
}

TEST(CarregarDeLinhas, RejeicoesComNumeroDeLinha) {
    struct {
        std::string linha;
        const char* motivo;
    } casos[] = {
        {"pão-de-ló", "tem algo que não é letra"},
        {"duas palavras", "tem algo que não é letra"},
        {"CASA\u00A0", "tem algo que não é letra"},
        {"ÖLO", "tem algo que não é letra"},
        {"l'água", "tem algo que não é letra"},
        {"A\xEF\xBF\xBD", "tem algo que não é letra"},
        {"Á", "comprimento fora de 2 a 15 letras"},
        {"ABCDEFGHIJKLMNOP", "comprimento fora de 2 a 15 letras"},
    };
    for (const auto& c : casos) {
        TRelatorioDic rel;
        Carregar({"# comentário", "", "CASA", "  ", "#SECCAO RARAS", "MESA", c.linha}, &rel);
        EXPECT_EQ(rel.Rejeitadas, 1) << c.linha;
        ASSERT_EQ(rel.Detalhe.size(), 1u) << c.linha;
        EXPECT_EQ(rel.Detalhe[0], "linha 7: «" + c.linha + "» - " + c.motivo);
    }
}

TEST(CarregarDeLinhas, DetalheLimitadoATrintaLinhas) {
    std::vector<std::string> linhas(45, "X1");
    linhas.push_back("SOL");
    TRelatorioDic rel;
    auto d = Carregar(linhas, &rel);
    EXPECT_EQ(rel.Rejeitadas, 45);
    EXPECT_EQ(rel.Detalhe.size(), 30u);
    EXPECT_EQ(rel.Detalhe.back(), "linha 30: «X1» - tem algo que não é letra");
    EXPECT_EQ(d->Total(), 1);
}

TEST(CarregarDeLinhas, SoComentariosDaVazioERecarregarSubstitui) {
    TRelatorioDic rel;
    auto d = Carregar({"BOLA", "CASA"});
    d->CarregarDeLinhas({"# nada", "#SECCAO RARAS"}, rel);
    EXPECT_EQ(rel.Lidas, 0);
    EXPECT_EQ(d->Total(), 0);
    EXPECT_EQ(d->ContarComprimento(4), 0);
    EXPECT_TRUE(d->MascaraComuns(4).empty());
}

TEST(CarregarDeLinhas, OrdemOrdinalEstrita) {
    auto d = Carregar({"ABC", "B", "ABA", "AB", "BA", "ZZ", "ÁBACO"});
    for (std::int32_t i = 1; i < d->Total(); ++i)
        EXPECT_LT(d->Palavra(i - 1).Grelha, d->Palavra(i).Grelha);
    EXPECT_EQ(d->Palavra(0).Grelha, "AB");
    EXPECT_EQ(d->Palavra(1).Grelha, "ABA");
}
