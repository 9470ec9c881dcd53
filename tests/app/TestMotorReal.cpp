// The window over the real engine: word list, generator and PDF writer.
#include "Falsos.hpp"
#include "UnitPalvorinArranque.hpp"
#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinMotor.hpp"

#include <QTest>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <sys/resource.h>
#include <unistd.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

class MotorReal : public ::testing::Test {
protected:
    std::filesystem::path pasta =
        std::filesystem::temp_directory_path() / ("palvorin-janela-" + std::to_string(::getpid()));
    std::filesystem::path pdf = pasta / "Férias.pdf";
    TPlataformaFalsa plataforma;
    TMotorLivro motor = palvorin::MotorReal();
    std::unique_ptr<TFormMain> janela;

    void SetUp() override {
        std::filesystem::create_directories(pasta);
        plataforma.Ficheiro = pdf;
    }
    void Gerar(const QString& ATitulo = {}) {
        janela = std::make_unique<TFormMain>(plataforma, motor);
        janela->show();
        janela->RadioTamanhos[0]->click();
        janela->EditNumPuzzles->setText("1");
        janela->EditTituloLivro->setText(ATitulo);
        ASSERT_NE(janela->Dicionario(), nullptr);
        janela->BitBtnGerar->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !janela->Gerando(); }, 60000));
    }
    void TearDown() override { std::filesystem::remove_all(pasta); }

    std::string Estado() { return janela->LabelEstado->text().toStdString(); }
    static std::string Ler(const std::filesystem::path& ACaminho) {
        std::ifstream ficheiro(ACaminho, std::ios::binary);
        return {std::istreambuf_iterator<char>(ficheiro), {}};
    }
};

TEST_F(MotorReal, LivroDeUmPuzzleGravadoEAberto) {
    Gerar();
    EXPECT_TRUE(std::regex_match(
        Estado(), std::regex("Livro gerado: 1 puzzle, 6 páginas. Semente [0-9]+\\.")))
        << Estado();
    EXPECT_EQ(Ler(pdf).substr(0, 5), "%PDF-");
    EXPECT_EQ(plataforma.Registo, std::vector<std::string>{"abrir: " + pdf.string()});
}

// The seed in the final line and the recipe in the PDF both make the window's book again,
// byte for byte under one SOURCE_DATE_EPOCH.
TEST_F(MotorReal, LivroDaJanelaRefeitoPeloComando) {
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    Gerar("Férias (de verão)");
    std::smatch semente;
    const std::string estado = Estado();
    ASSERT_TRUE(std::regex_search(estado, semente, std::regex("Semente ([0-9]+)\\.$"))) << estado;

    const auto comando = [](const std::string& AArgumentos) {
        return std::system(
            (std::string(PALVORIN_LIVRO) + " " + AArgumentos + " 2>/dev/null").c_str());
    };
    const std::filesystem::path refeito = pasta / "refeito.pdf";
    const std::filesystem::path daSemente = pasta / "semente.pdf";
    EXPECT_EQ(comando("--refazer '" + pdf.string() + "' -o '" + refeito.string() + "'"), 0);
    EXPECT_EQ(comando("--lado 9 --puzzles 1 --titulo 'Férias (de verão)' --semente " +
                      semente[1].str() + " -o '" + daSemente.string() + "'"),
              0);
    unsetenv("SOURCE_DATE_EPOCH");
    const std::string original = Ler(pdf);
    ASSERT_FALSE(original.empty());
    EXPECT_TRUE(Ler(refeito) == original);
    EXPECT_TRUE(Ler(daSemente) == original);
}

TEST_F(MotorReal, CanceladoDeixaOFicheiroQueJaHavia) {
    std::ofstream(pdf) << "antigo";
    // Cancelar is pressed as the generator starts.
    motor.GerarLivro =
        [this, gerar = motor.GerarLivro](const TDicionario& ADic, const TConfigLivro& AConfig,
                                         const TProgressoLivro& AProgresso, TRelatorioLivro& ARel) {
            NaJanela([this] { janela->BitBtnCancelar->click(); });
            return gerar(ADic, AConfig, AProgresso, ARel);
        };
    Gerar();
    EXPECT_EQ(Estado(), "Geração cancelada aos 0 de 1 puzzles. Nada foi gravado.");
    EXPECT_EQ(Ler(pdf), "antigo");
    EXPECT_TRUE(plataforma.Registo.empty());
}

TEST_F(MotorReal, PastaQueNaoExisteDaErro) {
    plataforma.Ficheiro = pasta / "não existe" / "livro.pdf";
    Gerar();
    EXPECT_EQ(Estado().rfind("Erro: ", 0), 0u) << Estado();
    ASSERT_EQ(plataforma.Registo.size(), 1u);
    // The book was made; only its file failed, and another one is offered.
    EXPECT_EQ(plataforma.Registo[0].rfind(
                  "confirmar: O livro foi gerado, mas não foi possível gravá-lo.\r\n", 0),
              0u);
    EXPECT_FALSE(std::filesystem::exists(pasta / "não existe"));
    EXPECT_TRUE(janela->BitBtnGerar->isEnabled());
}

// Over the file size limit the window reports the error and the old file stays; the program
// would otherwise die of SIGXFSZ mid-write, leaving its temporary file behind.
TEST_F(MotorReal, LimiteDeTamanhoDosFicheiros) {
    std::ofstream(pdf) << "antigo";
    IgnorarSinaisDeEscrita();
    rlimit antes{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &antes), 0);
    rlimit limite = antes;
    limite.rlim_cur = 16 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    Gerar();
    setrlimit(RLIMIT_FSIZE, &antes);
    ASSERT_EQ(plataforma.Registo.size(), 1u);
    EXPECT_NE(
        plataforma.Registo[0].find("o ficheiro fica grande demais para o limite deste sistema"),
        std::string::npos)
        << plataforma.Registo[0];
    EXPECT_EQ(Ler(pdf), "antigo");
    std::vector<std::filesystem::path> ficheiros(std::filesystem::directory_iterator(pasta), {});
    EXPECT_EQ(ficheiros, std::vector<std::filesystem::path>{pdf});
}

} // namespace
