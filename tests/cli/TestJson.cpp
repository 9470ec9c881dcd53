#include "ConfigLivro.hpp"
#include "UnitPalvorinJson.hpp"
#include "UnitPalvorinVersao.hpp"

#include <gtest/gtest.h>
#include <sstream>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

const std::string VERSAO_JSON = std::string("{\"versao\":\"") + VERSAO_PALVORIN + "\",";

TEST(TextoJson, Escapes) {
    EXPECT_EQ(TextoJson("ÁGUA"), "\"ÁGUA\"");
    EXPECT_EQ(TextoJson("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(TextoJson("\n\r\t\b\f"), "\"\\n\\r\\t\\b\\f\"");
    EXPECT_EQ(TextoJson(std::string("\x01\x1f", 2)), "\"\\u0001\\u001f\"");
    EXPECT_EQ(TextoJson(""), "\"\"");
}

TEST(EscreverLivroJson, FormaExata) {
    TPuzzle p;
    p.Lado = 3;
    p.Letras = "SOL#A#AMO";
    p.Ranhuras = {{0, 0, true, 3}, {2, 0, true, 3}};
    p.Palavras = {{"SOL", "SOL", 0}, {"AMÓ", "AMO", 1}};
    const TConfigLivro config = ConfigDoLivro({.NumPuzzles = 2, .Lado = 9, .Semente = 123});
    const TRelatorioLivro rel{2, 1, false, 0, {"Puzzle 2: não foi possível gerar um puzzle"}};
    std::ostringstream saida;
    EscreverLivroJson(saida, config, rel, {p});
    EXPECT_EQ(saida.str(),
              VERSAO_JSON +
                  "\"lado\":9,\"semente\":123,\"pedidos\":2,\"gerados\":1,\"cancelado\":false,"
                  "\"comRaras\":0,\"falhas\":[\"Puzzle 2: não foi possível gerar um puzzle\"],"
                  "\"puzzles\":[{\"lado\":3,\"letras\":\"SOL#A#AMO\",\"ranhuras\":["
                  "{\"linha\":0,\"coluna\":0,\"horizontal\":true,\"comprimento\":3},"
                  "{\"linha\":2,\"coluna\":0,\"horizontal\":true,\"comprimento\":3}],"
                  "\"palavras\":[{\"texto\":\"SOL\",\"grelha\":\"SOL\",\"ranhura\":0},"
                  "{\"texto\":\"AMÓ\",\"grelha\":\"AMO\",\"ranhura\":1}]}]}\n");
}

// A puzzle graded when it was made carries its grade into the text, as it was given: the
// writer does not grade again. Other puzzles keep their bytes.
TEST(EscreverLivroJson, DificuldadeDoPuzzle) {
    TPuzzle p;
    p.Lado = 4;
    p.Letras = "SAPOE##VRATO####";
    p.Ranhuras = {{0, 0, true, 4}, {2, 0, true, 4}, {0, 0, false, 3}, {0, 3, false, 3}};
    p.Palavras = {{"SAPO", "SAPO", 0}, {"RATO", "RATO", 1}, {"SER", "SER", 2}, {"OVO", "OVO", 3}};
    const TConfigLivro config = ConfigDoLivro(
        {.NumPuzzles = 1, .Lado = 9, .Semente = 1, .Nivel = TNivelDificuldade::ndDificil});
    const TRelatorioLivro rel{1, 1, false, 0, {}};
    std::ostringstream semGrau;
    EscreverLivroJson(semGrau, config, rel, {p});
    // Not what grading this board gives (Médio, 7 points).
    p.Dificuldade = TDificuldade{TNivelDificuldade::ndDificil, 99};
    std::ostringstream comGrau;
    EscreverLivroJson(comGrau, config, rel, {p});
    std::string esperado = semGrau.str();
    esperado.insert(esperado.size() - 4,
                    ",\"dificuldade\":{\"nivel\":\"Dif\u00EDcil\",\"pontos\":99}");
    EXPECT_EQ(comGrau.str(), esperado);
    EXPECT_EQ(semGrau.str().find("dificuldade"), std::string::npos);
}

TEST(EscreverLivroJson, LivroVazio) {
    std::ostringstream saida;
    EscreverLivroJson(saida, ConfigDoLivro({.NumPuzzles = 1, .Lado = 9, .Semente = 4294967295u}),
                      TRelatorioLivro{1, 0, true, 0, {}}, {});
    EXPECT_EQ(
        saida.str(),
        VERSAO_JSON +
            "\"lado\":9,\"semente\":4294967295,\"pedidos\":1,"
            "\"gerados\":0,\"cancelado\":true,\"comRaras\":0,\"falhas\":[],\"puzzles\":[]}\n");
}

} // namespace
