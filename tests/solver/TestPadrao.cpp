#include "Fixturas.hpp"
#include "UnitPalvorinPadrao.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

// Across: 0 (0,0)3, 1 (1,0)5, 2 (2,1)4, 3 (3,0)5, 4 (4,2)3; the white cell at (0,4) starts no
// across slot. Down: 5 (0,0)2, 6 (3,0)2, 7 (0,1)4, 8 (0,2)5, 9 (1,3)4, 10 (0,4)5.
const std::vector<std::string> CINCO = {"...#.", ".....", "#....", ".....", ".#..."};

TEST(TPadraoAnalisado, TabelasDeUmPadraoPequeno) {
    const TPadraoAnalisado padrao(PadraoDeLinhas(CINCO), 5);
    ASSERT_EQ(padrao.NumRanhuras(), 11);
    EXPECT_EQ(padrao.Ranhuras(), ExtrairRanhuras(PadraoDeLinhas(CINCO), 5));
    EXPECT_EQ(padrao.NumHorizontais(), 5);

    const std::vector<std::pair<std::int32_t, std::vector<std::int32_t>>> casas = {
        {0, {0, 1, 2}},
        {4, {22, 23, 24}},
        {6, {15, 20}},
        {9, {8, 13, 18, 23}},
        {10, {4, 9, 14, 19, 24}}};
    for (const auto& [ranhura, esperadas] : casas) {
        const auto lidas = padrao.Casas(ranhura);
        EXPECT_EQ(std::vector<std::int32_t>(lidas.begin(), lidas.end()), esperadas)
            << "ranhura " << ranhura;
    }

    const std::vector<std::pair<std::int32_t, std::array<std::int32_t, 2>>> daCasa = {
        {3, {-1, -1}},  // black
        {4, {-1, 10}},  // a lone white cell across, in a down slot
        {10, {-1, -1}}, // black
        {12, {2, 8}},   {15, {3, 6}}, {23, {4, 9}}, {24, {4, 10}}};
    for (const auto& [casa, esperadas] : daCasa)
        EXPECT_EQ(padrao.RanhurasDaCasa(casa), esperadas) << "casa " << casa;

    const std::vector<std::pair<std::int32_t, std::vector<std::int32_t>>> porComprimento = {
        {-1, {}},           {0, {}}, {1, {}}, {2, {5, 6}}, {3, {0, 4}}, {4, {2, 7, 9}},
        {5, {1, 3, 8, 10}}, {6, {}}, {99, {}}};
    for (const auto& [comprimento, esperadas] : porComprimento)
        EXPECT_EQ(padrao.RanhurasDoComprimento(comprimento), esperadas)
            << "comprimento " << comprimento;
}

// The cells of each slot, the slots of each cell and the slots of each length are three views
// of one slot list: on drawn patterns of several sides each must list exactly what the slot
// list implies.
TEST(TPadraoAnalisado, CasasERanhurasDaCasaConcordam) {
    for (const std::int32_t lado : {5, 9, 15})
        for (std::uint32_t semente = 0; semente < 20; ++semente) {
            TGeradorAleatorio ger(semente);
            const TPadraoAnalisado padrao(GerarPadrao(lado, ger, 0.3, 0.0), lado);
            std::vector<std::array<std::int32_t, 2>> esperadas(lado * lado, {-1, -1});
            for (std::int32_t i = 0; i < padrao.NumRanhuras(); ++i) {
                const TRanhura& r = padrao.Ranhuras()[i];
                const auto casas = padrao.Casas(i);
                ASSERT_EQ(static_cast<std::int32_t>(casas.size()), r.Comprimento);
                for (std::int32_t k = 0; k < r.Comprimento; ++k) {
                    EXPECT_EQ(casas[k], CasaDaRanhura(r, k, lado));
                    esperadas[casas[k]][r.Horizontal ? 0 : 1] = i;
                }
            }
            for (std::int32_t casa = 0; casa < lado * lado; ++casa)
                EXPECT_EQ(padrao.RanhurasDaCasa(casa), esperadas[casa]) << "casa " << casa;
            for (std::int32_t comprimento = 0; comprimento <= lado; ++comprimento) {
                std::vector<std::int32_t> doComprimento;
                for (std::int32_t i = 0; i < padrao.NumRanhuras(); ++i)
                    if (padrao.Ranhuras()[i].Comprimento == comprimento)
                        doComprimento.push_back(i);
                EXPECT_EQ(padrao.RanhurasDoComprimento(comprimento), doComprimento);
            }
        }
}

TEST(TPadraoAnalisado, PadraoDeTamanhoErrado) {
    for (const auto& [casas, lado] :
         std::vector<std::pair<std::size_t, std::int32_t>>{{24, 5}, {26, 5}, {25, -5}, {0, 3}}) {
        try {
            TPadraoAnalisado(TPadrao(casas, false), lado);
            ADD_FAILURE() << casas << " casas, lado " << lado;
        } catch (const EInterno& e) {
            EXPECT_STREQ(e.what(), "TPadraoAnalisado: o padrão não tem Lado * Lado casas");
        }
    }
}

} // namespace
