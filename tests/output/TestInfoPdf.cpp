#include "ConfigLivro.hpp"
#include "Ferramentas.hpp"
#include "FixturasLivro.hpp"
#include "UnitPalvorinInfoPdf.hpp"
#include "UnitPalvorinPdf.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

using TInfo = std::map<std::string, std::string>;

TInfo Info(const std::string& APdf) {
    return LerInfoPdf({reinterpret_cast<const std::uint8_t*>(APdf.data()), APdf.size()});
}

TEST(InfoPdf, ReceitaDoLivroGravadoLidaDeVolta) {
    TPastaTemporaria pasta;
    // A character outside Latin-1 makes Cairo write a UTF-16 string (pairs of surrogates are
    // read in the hand-written cases below: no title with one passes the verdict).
    const TDadosLivro livro{
        ConfigDoLivro(
            {.NumPuzzles = 2, .Lado = 9, .Titulo = "Férias (1) \u2014 \u20AC", .Semente = 7}),
        PuzzlesDeTeste(9, 2),
        {false, "listas/minha lista.txt", std::string(64, 'f')}};
    GravarLivroPdf(pasta / "livro.pdf", livro);

    const TReceitaLivro receita{livro.Config.Pedido(), livro.Lista};
    const TInfo info = LerInfoDoFicheiroPdf(pasta / "livro.pdf");
    EXPECT_EQ(info.at("Title"), "Palvorin");
    EXPECT_EQ(info.at("Author"), "Teodoro Valquim");
    EXPECT_EQ(info.at("Creator"), std::string("Palvorin ") + VERSAO_PALVORIN);
    EXPECT_EQ(info.at("Subject"), ResumoDaReceita(receita));
    EXPECT_EQ(LerReceita(info.at("Keywords")), receita);

    // Another reader sees the same fields.
    const TSaida pdfinfo = Executar("pdfinfo -enc UTF-8 " + Citar(pasta / "livro.pdf"));
    EXPECT_NE(
        pdfinfo.Texto.find("Creator:         Palvorin " + std::string(VERSAO_PALVORIN) + "\n"),
        std::string::npos)
        << pdfinfo.Texto;
    EXPECT_NE(pdfinfo.Texto.find("Subject:         " + ResumoDaReceita(receita) + "\n"),
              std::string::npos)
        << pdfinfo.Texto;
}

TEST(InfoPdf, DicionariosEscritosAMao) {
    const struct {
        const char* Nome;
        std::string Pdf;
        TInfo Esperado;
    } casos[] = {
        {"escapes, UTF-16 e valores que não são texto",
         "%PDF-1.4\n1 0 obj\n<< /Title (a\\(b\\)c \\\\ \\101\\53x\\\nz (dentro) \\q)\n"
         "/Author <FEFF00E9 D83DDE00> /Ref 5 0 R /Sub << /A [1 (x) <41>] >> /Trapped /False\n"
         "/Keywords (k) /Producer (Jos\xE9) >>\nendobj\ntrailer\n<< /Info 1 0 R >>\n%%EOF\n",
         {{"Title", "a(b)c \\ A+xz (dentro) q"},
          {"Author", "é\xF0\x9F\x98\x80"},
          {"Keywords", "k"},
          {"Producer", "José"}}},
        {"o objeto 2 não é o fim do objeto 12",
         "%PDF-1.4\n2 0 obj\n<< /Title (dois) >>\nendobj\n12 0 obj\n<< /Title (doze) >>\nendobj\n"
         "trailer\n<< /Info 2 0 R >>\n",
         {{"Title", "dois"}}},
        {"a última atualização ganha",
         "%PDF-1.4\n1 0 obj\n<< /Title (velho) >>\nendobj\ntrailer\n<< /Info 1 0 R >>\n"
         "3 0 obj\n<< /Title (novo) >>\nendobj\ntrailer\n<< /Info 3 0 R /Prev 9 >>\n",
         {{"Title", "novo"}}},
        {"sem /Info",
         "%PDF-1.4\n1 0 obj\n<< /Title (x) >>\nendobj\ntrailer\n<< /Root 1 0 R >>\n",
         {}},
        {"/Info sem referência", "%PDF-1.4\ntrailer\n<< /Info (x) >>\n", {}},
        {"objeto que não existe", "%PDF-1.4\ntrailer\n<< /Info 7 0 R >>\n", {}},
        {"objeto que não é um dicionário", "%PDF-1.4\n1 0 obj\n(x)\nendobj\n/Info 1 0 R", {}},
        {"cortado a meio", "%PDF-1.4\n/Info 1 0 R\n1 0 obj\n<< /Title (abc", {{"Title", "abc"}}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Info(c.Pdf), c.Esperado) << c.Nome;
}

// A crafted dictionary cannot make the reader hold more than a bounded amount.
TEST(InfoPdf, TextosEEntradasLimitados) {
    const std::string enorme(5'000'000, 'A');
    std::string enormeHex;
    for (int i = 0; i < 1'000'000; ++i)
        enormeHex += "41";
    std::string entradas;
    for (int i = 0; i < 200; ++i)
        entradas += "/E" + std::to_string(1000 + i) + " (x) ";
    const struct {
        const char* Nome;
        std::string Pdf;
        std::size_t Entradas;
        std::size_t TamanhoKeywords;
    } casos[] = {
        {"literal enorme",
         "%PDF-1.4\n1 0 obj\n<< /Keywords (" + enorme + ") >>\nendobj\n/Info 1 0 R", 1, 64 * 1024},
        {"hexadecimal enorme",
         "%PDF-1.4\n1 0 obj\n<< /Keywords <" + enormeHex + "> >>\nendobj\n/Info 1 0 R", 1,
         64 * 1024},
        {"escapes enormes",
         "%PDF-1.4\n1 0 obj\n<< /Keywords (" + std::string(400'000, '\\') +
             ") >>\nendobj\n/Info 1 0 R",
         1, 64 * 1024},
        {"entradas demais",
         "%PDF-1.4\n1 0 obj\n<< " + entradas + "/Keywords (k) >>\nendobj\n/Info 1 0 R", 64, 0},
    };
    for (const auto& c : casos) {
        const TInfo info = Info(c.Pdf);
        EXPECT_EQ(info.size(), c.Entradas) << c.Nome;
        EXPECT_EQ(info.contains("Keywords") ? info.at("Keywords").size() : 0, c.TamanhoKeywords)
            << c.Nome;
    }
}

TEST(InfoPdf, FicheiroQueNaoEUmPdf) {
    TPastaTemporaria pasta;
    std::ofstream(pasta / "texto.pdf") << "isto não é um PDF /Info 1 0 R";
    const struct {
        std::filesystem::path Caminho;
        std::string Mensagem;
    } casos[] = {
        {pasta / "texto.pdf", "O ficheiro «" + (pasta / "texto.pdf").string() + "» não é um PDF."},
        {pasta / "nada.pdf", "Não foi possível ler o ficheiro «" + (pasta / "nada.pdf").string() +
                                 "»: a pasta ou o ficheiro não existe."},
        {pasta.Caminho(), "Não foi possível ler o ficheiro «" + pasta.Caminho().string() +
                              "»: é uma pasta, não um ficheiro."},
    };
    for (const auto& c : casos) {
        try {
            LerInfoDoFicheiroPdf(c.Caminho);
            ADD_FAILURE() << c.Caminho;
        } catch (const EPalvorin& e) {
            EXPECT_EQ(e.what(), c.Mensagem);
        }
    }
}

} // namespace
