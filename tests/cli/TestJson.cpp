#include "UnitPalvorinDificuldade.hpp"
#include "UnitPalvorinJson.hpp"
#include "UnitPalvorinVersao.hpp"

#include <gtest/gtest.h>
#include <sstream>

using namespace palvorin;

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
    const TConfigLivro config{2, 3, "", 123, {}};
    const TRelatorioLivro rel{2, 1, false, 0, {"Puzzle 2: não foi possível gerar um puzzle"}};
    std::ostringstream saida;
    EscreverLivroJson(saida, config, rel, {p});
    EXPECT_EQ(saida.str(),
              VERSAO_JSON +
                  "\"lado\":3,\"semente\":123,\"pedidos\":2,\"gerados\":1,\"cancelado\":false,"
                  "\"comRaras\":0,\"falhas\":[\"Puzzle 2: não foi possível gerar um puzzle\"],"
                  "\"puzzles\":[{\"lado\":3,\"letras\":\"SOL#A#AMO\",\"ranhuras\":["
                  "{\"linha\":0,\"coluna\":0,\"horizontal\":true,\"comprimento\":3},"
                  "{\"linha\":2,\"coluna\":0,\"horizontal\":true,\"comprimento\":3}],"
                  "\"palavras\":[{\"texto\":\"SOL\",\"grelha\":\"SOL\",\"ranhura\":0},"
                  "{\"texto\":\"AMÓ\",\"grelha\":\"AMO\",\"ranhura\":1}]}]}\n");
}

// A book of one level grades each puzzle; the rest of the text is unchanged.
TEST(EscreverLivroJson, DificuldadeSoNumLivroDeUmNivel) {
    TPuzzle p;
    p.Lado = 4;
    p.Letras = "SAPOE##VRATO####";
    p.Ranhuras = {{0, 0, true, 4}, {2, 0, true, 4}, {0, 0, false, 3}, {0, 3, false, 3}};
    p.Palavras = {{"SAPO", "SAPO", 0}, {"RATO", "RATO", 1}, {"SER", "SER", 2}, {"OVO", "OVO", 3}};
    TConfigLivro config{1, 4, "", 1, {}};
    const TRelatorioLivro rel{1, 1, false, 0, {}};
    std::ostringstream semNivel;
    EscreverLivroJson(semNivel, config, rel, {p});
    config.Nivel = TNivelDificuldade::ndFacil;
    std::ostringstream comNivel;
    EscreverLivroJson(comNivel, config, rel, {p});
    const TDificuldade d = Classificar(p);
    std::string esperado = semNivel.str();
    esperado.insert(esperado.size() - 4, ",\"dificuldade\":{\"nivel\":\"" + TextoDoNivel(d.Nivel) +
                                             "\",\"pontos\":" + std::to_string(d.Pontos) + "}");
    EXPECT_EQ(comNivel.str(), esperado);
    EXPECT_EQ(semNivel.str().find("dificuldade"), std::string::npos);
}

TEST(EscreverLivroJson, LivroVazio) {
    std::ostringstream saida;
    EscreverLivroJson(saida, TConfigLivro{1, 9, "", 4294967295u, {}},
                      TRelatorioLivro{1, 0, true, 0, {}}, {});
    EXPECT_EQ(
        saida.str(),
        VERSAO_JSON +
            "\"lado\":9,\"semente\":4294967295,\"pedidos\":1,"
            "\"gerados\":0,\"cancelado\":true,\"comRaras\":0,\"falhas\":[],\"puzzles\":[]}\n");
}

} // namespace
