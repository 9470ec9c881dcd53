// Linked with resources that lack the licence badge, so the verso's drawing fails.
#include "ConfigLivro.hpp"
#include "Ferramentas.hpp"
#include "FixturasLivro.hpp"
#include "UnitPalvorinPdf.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

TEST(LivroPdfFalhas, ComposicaoQueFalhaDeixaOFicheiroAntigo) {
    TPastaTemporaria pasta;
    std::ofstream(pasta / "livro.pdf") << "antigo";
    const TDadosLivro livro{ConfigDoLivro({.NumPuzzles = 2, .Lado = 9}), PuzzlesDeTeste(9, 2), {}};
    try {
        GravarLivroPdf(pasta / "livro.pdf", livro);
        FAIL() << "devia falhar";
    } catch (const EInterno& e) {
        EXPECT_STREQ(e.what(), "Imagem: o recurso SELO_CC_BY_NC_ND não existe no executável");
    }
    EXPECT_EQ(LerFicheiro(pasta / "livro.pdf"), "antigo");
    int ficheiros = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(pasta.Caminho()))
        ++ficheiros;
    EXPECT_EQ(ficheiros, 1);
}
