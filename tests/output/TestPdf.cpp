#include "ConfigLivro.hpp"
#include "Ferramentas.hpp"
#include "FixturasLivro.hpp"
#include "UnitPalvorinPdf.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

using namespace palvorin;
using namespace palvorin::teste;
namespace fs = std::filesystem;

namespace {

TDadosLivro Livro(std::vector<TPuzzle> APuzzles, const std::string& ATitulo = "") {
    const TPedidoLivro pedido{.NumPuzzles = std::max(static_cast<std::int32_t>(APuzzles.size()), 1),
                              .Lado = APuzzles.empty() ? 9 : APuzzles.front().Lado,
                              .Titulo = ATitulo,
                              .Semente = 7};
    return {ConfigDoLivro(pedido), std::move(APuzzles), {}};
}

TDadosLivro Livro(std::int32_t ALado, std::int32_t ANumero, const std::string& ATitulo = "") {
    return Livro(PuzzlesDeTeste(ALado, ANumero), ATitulo);
}

std::vector<std::string> Linhas(const std::string& ATexto) {
    std::vector<std::string> linhas;
    std::istringstream entrada(ATexto);
    for (std::string linha; std::getline(entrada, linha);)
        linhas.push_back(linha);
    return linhas;
}

std::vector<fs::path> Conteudo(const fs::path& APasta) {
    std::vector<fs::path> r;
    for (const auto& e : fs::directory_iterator(APasta))
        r.push_back(e.path().filename());
    return r;
}

// The error of a write that must fail.
std::string ErroAoGravar(const std::string& ACaminho, const TDadosLivro& ALivro) {
    try {
        GravarLivroPdf(ACaminho, ALivro);
    } catch (const EPalvorin& e) {
        return e.what();
    }
    return "";
}

// One book of each kind, written once for all the tests that read it.
class LivroPdf : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FPasta = new TPastaTemporaria;
        GravarLivroPdf(*FPasta / "trinta.pdf", Livro(11, 30, "Férias de Verão"));
    }
    static void TearDownTestSuite() {
        delete FPasta;
        FPasta = nullptr;
    }
    static fs::path Trinta() { return *FPasta / "trinta.pdf"; }
    static TPastaTemporaria* FPasta;
};

TPastaTemporaria* LivroPdf::FPasta = nullptr;

} // namespace

TEST_F(LivroPdf, PaginasA4TituloEAutor) {
    const TSaida info = Executar("pdfinfo -f 1 -l 100 " + Citar(Trinta()));
    ASSERT_EQ(info.Codigo, 0) << info.Texto;
    EXPECT_NE(info.Texto.find("Title:           Palvorin\n"), std::string::npos) << info.Texto;
    EXPECT_NE(info.Texto.find("Author:          Teodoro Valquim\n"), std::string::npos);
    EXPECT_NE(info.Texto.find("Pages:           43\n"), std::string::npos);
    int a4 = 0;
    for (const std::string& linha : Linhas(info.Texto))
        if (linha.rfind("Page ", 0) == 0 && linha.find(" size: ") != std::string::npos) {
            EXPECT_NE(linha.find("595 x 842 pts (A4)"), std::string::npos) << linha;
            ++a4;
        }
    EXPECT_EQ(a4, 43);
}

TEST_F(LivroPdf, FontesEmbutidasEFicheiroValido) {
    const TSaida fontes = Executar("pdffonts " + Citar(Trinta()));
    ASSERT_EQ(fontes.Codigo, 0) << fontes.Texto;
    const std::vector<std::string> linhas = Linhas(fontes.Texto);
    ASSERT_EQ(linhas.size(), 4u) << fontes.Texto;
    for (std::size_t i = 2; i < linhas.size(); ++i) {
        std::istringstream campos(linhas[i]);
        std::string nome, tipo, codificacao, embutida, subconjunto;
        campos >> nome >> tipo >> codificacao >> embutida >> subconjunto;
        EXPECT_NE(nome.find("LiberationSans"), std::string::npos) << linhas[i];
        EXPECT_EQ(tipo, "TrueType") << linhas[i];
        EXPECT_EQ(embutida, "yes") << linhas[i];
    }
    const TSaida qpdf = Executar("qpdf --check " + Citar(Trinta()));
    EXPECT_EQ(qpdf.Codigo, 0) << qpdf.Texto;
    EXPECT_NE(qpdf.Texto.find("No syntax or stream encoding errors"), std::string::npos);
}

TEST_F(LivroPdf, TextoDasPaginas) {
    const TDadosLivro livro = Livro(11, 30, "Férias de Verão");
    auto texto = [](int APagina) {
        const std::string p = std::to_string(APagina);
        return Executar("pdftotext -f " + p + " -l " + p + " " + Citar(Trinta()) + " -").Texto;
    };
    const std::string capa = texto(1);
    for (const char* s :
         {"TEODORO VALQUIM", "PALVORIN", "Férias de Verão", "30 puzzles", "11 × 11"})
        EXPECT_NE(capa.find(s), std::string::npos) << s;
    const std::string verso = texto(2);
    for (const char* s : {"Como jogar Palvorin", "© Teodoro Valquim. Alguns direitos reservados.",
                          "creativecommons.org/licenses/by-nc-nd/4.0/."})
        EXPECT_NE(verso.find(s), std::string::npos) << s;
    const std::string puzzle1 = texto(4);
    EXPECT_NE(puzzle1.find("#1"), std::string::npos);
    for (const TPalavraColocada& p : livro.Puzzles[0].Palavras)
        EXPECT_NE(puzzle1.find(p.Texto), std::string::npos) << p.Texto;
    EXPECT_NE(texto(35).find("Soluções"), std::string::npos);
    EXPECT_NE(texto(43).find("Puzzle 30"), std::string::npos);
}

TEST(LivroPdfRender, TabuleiroNoSeuLugarSemFendas) {
    // A 15 x 15 board with a short list keeps its 11.6 mm cells: frame at x = 18 and 192 mm.
    std::string letras(15 * 15, 'A');
    for (int k = 3; k <= 6; ++k)
        letras[2 * 15 + k] = '#'; // four black cells side by side in row 2
    TPuzzle puzzle = PuzzleDeLetras(15, letras);
    puzzle.Palavras.resize(4);
    TPastaTemporaria pasta;
    GravarLivroPdf(pasta / "livro.pdf", Livro({puzzle}));

    constexpr int dpi = 150;
    const TRender r = Renderizar(pasta / "livro.pdf", 4, dpi, pasta.Caminho());
    ASSERT_GT(r.Largura, 0);
    const int meio = MmParaPixelsRender(34 + 5.5 * 11.6, dpi);
    auto escuro = [&](int x, int y) { return r.Cinza(x, y) < 128; };
    auto colunaEscura = [&](double AMm) {
        const int x = MmParaPixelsRender(AMm, dpi);
        return escuro(x, meio) || escuro(x - 1, meio) || escuro(x + 1, meio);
    };
    EXPECT_TRUE(colunaEscura(18));
    EXPECT_TRUE(colunaEscura(192));
    EXPECT_FALSE(colunaEscura(16.5));
    EXPECT_FALSE(colunaEscura(193.5));
    EXPECT_FALSE(colunaEscura(18 + 0.5 * 11.6));
    // The four black cells form one solid bar.
    const int x1 = MmParaPixelsRender(18 + 3 * 11.6, dpi) + 2;
    const int x2 = MmParaPixelsRender(18 + 7 * 11.6, dpi) - 2;
    const int y1 = MmParaPixelsRender(34 + 2 * 11.6, dpi) + 2;
    const int y2 = MmParaPixelsRender(34 + 3 * 11.6, dpi) - 2;
    int claros = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            claros += r.Cinza(x, y) > 40;
    EXPECT_EQ(claros, 0);
}

TEST(LivroPdfRender, DataDeCriacaoFixaDaLivrosIguais) {
    TPastaTemporaria pasta;
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    GravarLivroPdf(pasta / "a.pdf", Livro(9, 3));
    GravarLivroPdf(pasta / "b.pdf", Livro(9, 3));
    unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(LerFicheiro(pasta / "a.pdf"), LerFicheiro(pasta / "b.pdf"));
    const TSaida info = Executar("TZ=UTC pdfinfo " + Citar(pasta / "a.pdf"));
    EXPECT_NE(info.Texto.find("CreationDate:    Tue Nov 14 22:13:20 2023 UTC"), std::string::npos)
        << info.Texto;
    EXPECT_NE(info.Texto.find("Pages:           8\n"), std::string::npos);
}

TEST(LivroPdfFalhas, SemPuzzlesNaoTocaNoFicheiro) {
    TPastaTemporaria pasta;
    std::ofstream(pasta / "livro.pdf") << "antigo";
    EXPECT_EQ(ErroAoGravar(pasta / "livro.pdf", Livro({})), "Não há puzzles para gravar.");
    EXPECT_EQ(LerFicheiro(pasta / "livro.pdf"), "antigo");
    EXPECT_EQ(Conteudo(pasta.Caminho()).size(), 1u);
}

TEST(LivroPdfFalhas, TabuleiroInvalido) {
    TPastaTemporaria pasta;
    TDadosLivro livro = Livro(9, 2);
    livro.Puzzles[1].Letras.pop_back();
    EXPECT_EQ(ErroAoGravar(pasta / "livro.pdf", livro), "O puzzle 2 não tem um tabuleiro válido.");
    EXPECT_TRUE(Conteudo(pasta.Caminho()).empty());
}

TEST(LivroPdfFalhas, PastaQueNaoExiste) {
    TPastaTemporaria pasta;
    const std::string caminho = (pasta / "nao-existe" / "livro.pdf").string();
    EXPECT_EQ(ErroAoGravar(caminho, Livro(9, 1)), "Não foi possível gravar o ficheiro «" + caminho +
                                                      "»: a pasta ou o ficheiro não existe.");
    EXPECT_TRUE(Conteudo(pasta.Caminho()).empty());
    // A file where a folder should be.
    std::ofstream(pasta / "ficheiro") << "x";
    const std::string dentro = (pasta / "ficheiro" / "livro.pdf").string();
    EXPECT_EQ(ErroAoGravar(dentro, Livro(9, 1)), "Não foi possível gravar o ficheiro «" + dentro +
                                                     "»: uma parte do caminho não é uma pasta.");
}

TEST(LivroPdfFalhas, DestinoQueEUmaPasta) {
    TPastaTemporaria pasta;
    fs::create_directory(pasta / "livro.pdf");
    const std::string caminho = (pasta / "livro.pdf").string();
    EXPECT_NE(ErroAoGravar(caminho, Livro(9, 1)).find("é uma pasta, não um ficheiro"),
              std::string::npos);
    EXPECT_EQ(Conteudo(pasta.Caminho()).size(), 1u);
    EXPECT_TRUE(fs::is_directory(pasta / "livro.pdf"));
}

// The administrator writes in any folder: as root, the write is tried as "nobody" (CI runs as
// root), in a folder of root's that others may enter and read but not write.
class TComoOutroUtilizador {
public:
    TComoOutroUtilizador() {
        if (geteuid() == 0) {
            const passwd* ninguem = getpwnam("nobody");
            FTrocado = ninguem != nullptr && seteuid(ninguem->pw_uid) == 0;
        }
    }
    ~TComoOutroUtilizador() {
        if (FTrocado && seteuid(0) != 0)
            std::abort();
    }
    TComoOutroUtilizador(const TComoOutroUtilizador&) = delete;
    TComoOutroUtilizador& operator=(const TComoOutroUtilizador&) = delete;
    bool Pronto() const { return geteuid() != 0; }

private:
    bool FTrocado = false;
};

TEST(LivroPdfFalhas, PastaSemPermissaoDeEscrita) {
    TPastaTemporaria pasta;
    std::ofstream(pasta / "livro.pdf") << "antigo";
    fs::permissions(pasta.Caminho(), fs::perms::owner_read | fs::perms::owner_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
    const std::string caminho = (pasta / "livro.pdf").string();
    {
        const TComoOutroUtilizador outro;
        ASSERT_TRUE(outro.Pronto())
            << "sem utilizador \"nobody\" para o administrador passar a ser";
        EXPECT_EQ(ErroAoGravar(caminho, Livro(9, 1)),
                  "Não foi possível gravar o ficheiro «" + caminho + "»: sem permissão.");
    }
    fs::permissions(pasta.Caminho(), fs::perms::owner_all);
    EXPECT_EQ(LerFicheiro(pasta / "livro.pdf"), "antigo");
    EXPECT_EQ(Conteudo(pasta.Caminho()).size(), 1u);
}

TEST(LivroPdfFalhas, SubstituiUmFicheiroExistente) {
    TPastaTemporaria pasta;
    std::ofstream(pasta / "livro.pdf") << "antigo";
    fs::permissions(pasta / "livro.pdf",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    GravarLivroPdf(pasta / "livro.pdf", Livro(9, 1));
    EXPECT_EQ(LerFicheiro(pasta / "livro.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(fs::status(pasta / "livro.pdf").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Conteudo(pasta.Caminho()).size(), 1u);
}

// 40 W in bold are 214 mm wide at 16 pt, wider than the page: the title must still end up
// between the margins.
TEST(LivroPdfCapa, TituloLargoCabeEntreAsMargens) {
    TPastaTemporaria pasta;
    GravarLivroPdf(pasta / "livro.pdf", Livro(9, 1, std::string(40, 'W')));
    constexpr int dpi = 100;
    const TRender r = Renderizar(pasta / "livro.pdf", 1, dpi, pasta.Caminho());
    ASSERT_GT(r.Largura, 0);
    int esquerda = r.Largura, direita = -1;
    for (int y = MmParaPixelsRender(145, dpi); y < MmParaPixelsRender(170, dpi); ++y)
        for (int x = 0; x < r.Largura; ++x)
            if (r.Cinza(x, y) < 128) {
                esquerda = std::min(esquerda, x);
                direita = std::max(direita, x);
            }
    EXPECT_GE(esquerda, MmParaPixelsRender(18, dpi));
    EXPECT_LE(direita, MmParaPixelsRender(192, dpi) + 1);
    // Shrunk to fit, not to nothing: the title still spans most of the text width.
    EXPECT_GT(direita - esquerda, MmParaPixelsRender(160, dpi));
}
