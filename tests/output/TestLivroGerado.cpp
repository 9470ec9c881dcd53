// A book made by the generator from the fixed test list, written and read back.
#include "ConfigLivro.hpp"
#include "Ferramentas.hpp"
#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinPdf.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

TEST(LivroGerado, EscritoELidoDeVolta) {
    TRelatorioDic relDic;
    const auto dic = CarregarDicionarioDeFicheiro(PALVORIN_LISTA_FIXA, relDic);
    TDadosLivro livro{
        ConfigDoLivro({.NumPuzzles = 5, .Lado = 9, .Titulo = "Livro gerado", .Semente = 2026}),
        {},
        {}};
    TRelatorioLivro rel;
    livro.Puzzles = GerarLivro(*dic, livro.Config, {}, rel);
    ASSERT_EQ(rel.Gerados, 5);

    TPastaTemporaria pasta;
    GravarLivroPdf(pasta / "livro.pdf", livro);
    const TSaida info = Executar("pdfinfo " + Citar(pasta / "livro.pdf"));
    EXPECT_NE(info.Texto.find("Pages:           11\n"), std::string::npos) << info.Texto;
    EXPECT_EQ(Executar("qpdf --check " + Citar(pasta / "livro.pdf")).Codigo, 0);
    // Every puzzle page lists its own words, accents included.
    for (std::size_t i = 0; i < livro.Puzzles.size(); ++i) {
        const std::string pagina = std::to_string(4 + i);
        const std::string texto = Executar("pdftotext -f " + pagina + " -l " + pagina + " " +
                                           Citar(pasta / "livro.pdf") + " -")
                                      .Texto;
        for (const TPalavraColocada& p : livro.Puzzles[i].Palavras)
            EXPECT_NE(texto.find(p.Texto), std::string::npos)
                << "puzzle " << i + 1 << ": " << p.Texto;
    }
}
