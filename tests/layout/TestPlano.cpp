#include "FixturasLivro.hpp"
#include "UnitPalvorinCanvas.hpp"
#include "UnitPalvorinPlano.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using enum TTipoPagina;

TEST(Conversoes, PontosEMilimetros) {
    EXPECT_NEAR(PtParaMm(11), 3.88056, 1e-5);
    EXPECT_DOUBLE_EQ(PtParaMm(72), 25.4);
    EXPECT_NEAR(MmParaPt(7.2), 20.4094, 1e-4);
    EXPECT_DOUBLE_EQ(MmParaPt(25.4), 72);
    for (const double mm : {0.0, 0.28, 5.4, 174.0})
        EXPECT_NEAR(PtParaMm(MmParaPt(mm)), mm, 1e-12);
}

TEST(Plano, NumeroDePaginas) {
    const std::pair<std::int32_t, std::int32_t> casos[] = {{0, 5},  {1, 6},  {2, 8},   {3, 8},
                                                           {4, 10}, {5, 11}, {30, 43}, {100, 130}};
    for (const auto& [puzzles, paginas] : casos)
        EXPECT_EQ(NumPaginasDoLivro(puzzles), paginas) << puzzles;
    // Cover, back, separator, N puzzles, the symbol page when N is even, separator, and four
    // solutions a page, for every book size.
    for (std::int32_t n = 0; n <= 100; ++n)
        EXPECT_EQ(NumPaginasDoLivro(n), 3 + n + (n % 2 == 0 ? 1 : 0) + 1 + (n + 3) / 4) << n;
}

TEST(Plano, LivroDeTrintaPuzzles) {
    const std::vector<TDescPagina> plano = PlanearPaginas(30);
    ASSERT_EQ(plano.size(), 43u);
    EXPECT_EQ(plano[0], (TDescPagina{pgCapa, 0, 0}));
    EXPECT_EQ(plano[1], (TDescPagina{pgVerso, 0, 2}));
    EXPECT_EQ(plano[2], (TDescPagina{pgSeparador, 0, 0}));
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(plano[3 + i], (TDescPagina{pgPuzzle, i, 4 + i}));
    EXPECT_EQ(plano[33], (TDescPagina{pgSimbolo, 0, 0}));
    EXPECT_EQ(plano[34], (TDescPagina{pgSeparador, 1, 0}));
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(plano[35 + k], (TDescPagina{pgSolucoes, 4 * k, 36 + k}));
}

TEST(Plano, SimboloSoComNumeroParDePuzzles) {
    for (std::int32_t n = 1; n <= 9; ++n) {
        const std::vector<TDescPagina> plano = PlanearPaginas(n);
        int simbolos = 0;
        for (const TDescPagina& d : plano)
            simbolos += d.Tipo == pgSimbolo;
        EXPECT_EQ(simbolos, n % 2 == 0 ? 1 : 0) << n;
        // Both separators open an odd page; the first solutions page is N+5 or N+6.
        const auto separador =
            std::find(plano.begin() + 3, plano.end(), TDescPagina{pgSeparador, 1, 0});
        ASSERT_NE(separador, plano.end());
        EXPECT_EQ((separador - plano.begin()) % 2, 0) << n;
        EXPECT_EQ((separador + 1)->Numero, n % 2 ? n + 5 : n + 6) << n;
        if (n % 2 == 0) {
            EXPECT_EQ((separador - 1)->Tipo, pgSimbolo);
        }
        // The last solutions page starts at the last multiple of four.
        EXPECT_EQ(plano.back().Primeiro, (n - 1) / 4 * 4) << n;
    }
}

TEST(Plano, SemPuzzles) {
    const std::vector<TDescPagina> esperado = {{pgCapa, 0, 0},
                                               {pgVerso, 0, 2},
                                               {pgSeparador, 0, 0},
                                               {pgSimbolo, 0, 0},
                                               {pgSeparador, 1, 0}};
    EXPECT_EQ(PlanearPaginas(0), esperado);
}

TEST(Plano, TemAcentos) {
    using namespace palvorin::teste;
    const TPuzzle simples = PuzzleDeTeste(9, 1);
    EXPECT_FALSE(TemAcentos({}));
    EXPECT_FALSE(TemAcentos({simples, simples}));
    EXPECT_TRUE(TemAcentos({simples, ComAcentos(simples)}));
    TPuzzle umaSo = simples;
    umaSo.Palavras.back().Texto = "Ç" + umaSo.Palavras.back().Texto.substr(1);
    EXPECT_TRUE(TemAcentos({simples, umaSo}));
}
