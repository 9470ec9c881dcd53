#include "Fixturas.hpp"
#include "PadraoComLado.hpp"
#include "UnitPalvorinContador.hpp"
#include "UnitPalvorinPreenchedor.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

const TPadrao TRES_BRANCO(9, false);
const std::vector<std::string> QUADRADO = {"ABC", "DEF", "GHI", "ADG", "BEH", "CFI"};
// Across and down words coincide: every text is there twice.
const std::vector<std::string> SIMETRICO = {"ABC", "BDE", "CEF", "ABC", "BDE", "CEF"};

struct TCasoContagem {
    const char* Nome;
    std::vector<std::string> Palavras;
    std::int32_t Max;
    std::int32_t Limite;
    std::int32_t Esperado;
    bool Interrompido;
};

class ContarSolucoesCasos : public testing::TestWithParam<TCasoContagem> {};

TEST_P(ContarSolucoesCasos, Contagem) {
    const TCasoContagem& c = GetParam();
    bool interrompido = !c.Interrompido;
    EXPECT_EQ(ContarSolucoes(TRES_BRANCO, 3, c.Palavras, c.Max, c.Limite, interrompido),
              c.Esperado);
    EXPECT_EQ(interrompido, c.Interrompido);
}

INSTANTIATE_TEST_SUITE_P(
    QuadradosTresPorTres, ContarSolucoesCasos,
    testing::Values(
        // The square and its transpose.
        TCasoContagem{"QuadradoEMaisTransposto", QUADRADO, 10, 100000, 2, false},
        TCasoContagem{"TetoPara", QUADRADO, 1, 100000, 1, false},
        // Each of the three pairs of equal texts can swap: 2^3 placements of one grid.
        TCasoContagem{"TextosRepetidosContamCadaUm", SIMETRICO, 100, 100000, 8, false},
        TCasoContagem{"TextosRepetidosComTetoDois", SIMETRICO, 2, 100000, 2, false},
        TCasoContagem{"MaxZero", QUADRADO, 0, 100000, 0, false},
        TCasoContagem{"LimiteZero", QUADRADO, 2, 0, 0, true},
        TCasoContagem{"LimiteCurto", QUADRADO, 10, 3, 0, true},
        TCasoContagem{
            "PalavraAMais", {"ABC", "DEF", "GHI", "ADG", "BEH", "CFI", "XYZ"}, 2, 100000, 0, false},
        TCasoContagem{"PalavraAMenosNaoExaminaLetras",
                      {"abc", "DEF", "GHI", "ADG", "BEH"},
                      2,
                      100000,
                      0,
                      false},
        TCasoContagem{
            "PalavraVaziaNaoCabe", {"ABC", "DEF", "GHI", "ADG", "BEH", ""}, 2, 100000, 0, false},
        TCasoContagem{
            "SemSolucao", {"ABC", "DEF", "GHI", "ADG", "BEH", "CFX"}, 2, 100000, 0, false}),
    [](const testing::TestParamInfo<TCasoContagem>& i) { return std::string(i.param.Nome); });

TEST(ContarSolucoes, BastaUmPassoAMaisParaAcabar) {
    // With a ceiling of 2 the search ends on the step that completes the second board; one
    // step less and that board is not counted.
    std::int32_t limite = 0;
    bool interrompido = true;
    while (interrompido)
        ContarSolucoes(TRES_BRANCO, 3, QUADRADO, 2, ++limite, interrompido);
    EXPECT_EQ(ContarSolucoes(TRES_BRANCO, 3, QUADRADO, 2, limite, interrompido), 2);
    EXPECT_EQ(ContarSolucoes(TRES_BRANCO, 3, QUADRADO, 2, limite - 1, interrompido), 1);
    EXPECT_TRUE(interrompido);
}

TEST(ContarSolucoes, LetrasForaDeAZ) {
    for (const std::string ma : {"abc", "AÇO", "A-B", "A B", "AB1"}) {
        bool interrompido = true;
        try {
            ContarSolucoes(TRES_BRANCO, 3, {"ABC", "DEF", "GHI", "ADG", "BEH", ma}, 0, 10,
                           interrompido);
            FAIL() << ma;
        } catch (const EInterno& e) {
            EXPECT_EQ(std::string(e.what()),
                      "ContarSolucoes: a palavra «" + ma + "» tem algo que não é A-Z");
            EXPECT_FALSE(interrompido);
        }
    }
}

TEST(ContarSolucoes, SemRanhurasEListaVazia) {
    bool interrompido = true;
    EXPECT_EQ(ContarSolucoes(TPadrao(9, true), 3, {}, 2, 100, interrompido), 0);
    EXPECT_FALSE(interrompido);
}

TEST(ContarSolucoes, TabuleiroCheioTemPeloMenosASuaSolucao) {
    const TDicionario& dic = ListaFixa();
    for (std::uint32_t semente = 1; semente <= 8; ++semente) {
        TGeradorAleatorio ger(semente);
        const TPadrao p = GerarPadrao(9, ger, 0.3, 0.7);
        TPuzzle puzzle;
        if (!PreencherPadrao(dic, p, 9, ger, OpcoesPreenchimentoPadrao(), puzzle))
            continue;
        std::vector<std::string> grelhas;
        for (const TPalavraColocada& w : puzzle.Palavras)
            grelhas.push_back(w.Grelha);
        bool interrompido = false;
        const std::int32_t n = ContarSolucoes(p, 9, grelhas, 2, 100000, interrompido);
        EXPECT_TRUE(interrompido || n >= 1) << "semente " << semente;
    }
}

} // namespace
