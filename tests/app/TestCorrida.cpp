// The generation run driven through a scripted desktop and engine.
#include "Falsos.hpp"
#include "UnitPalvorinMain.hpp"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace palvorin;
using namespace palvorin::testes;

namespace {

const std::string CONFIRMAR = "confirmar: Está a ser gerado um livro. Cancelar e sair?";
const TListaUsada LISTA{false, "/lista/Dicionario.txt", std::string(64, 'a')};

class Corrida : public ::testing::Test {
protected:
    TPlataformaFalsa plataforma;
    TGeracaoFalsa geracao;
    TGravacaoFalsa gravacao;
    std::optional<std::string> erroDicionario;
    std::filesystem::path pastaPedida;
    // The status line and the bar at every message pass, as "text [position/maximum]".
    std::vector<std::string> passagens;
    // Runs at message pass n (1-based), after it was recorded.
    std::function<void(std::size_t)> acao;
    std::unique_ptr<TFormMain> janela;

    void SetUp() override {
        plataforma.Ficheiro = "/tmp/livro.pdf";
        plataforma.AoProcessar = [this] {
            passagens.push_back(Foto());
            if (acao)
                acao(passagens.size());
        };
    }

    TFormMain& Janela() {
        if (!janela) {
            TMotorLivro motor;
            motor.CarregarDicionario = [this](const std::filesystem::path& APasta,
                                              TRelatorioDic& ARel) {
                pastaPedida = APasta;
                if (erroDicionario)
                    throw EPalvorin(*erroDicionario);
                ARel.Lista = LISTA;
                return std::make_unique<TDicionario>();
            };
            motor.GerarLivro = [this](const TDicionario&, const TConfigLivro& AConfig,
                                      const TProgressoLivro& AProgresso, TRelatorioLivro& ARel) {
                return geracao(AConfig, AProgresso, ARel);
            };
            motor.GravarLivroPdf = [this](const std::filesystem::path& ACaminho,
                                          const TDadosLivro& ALivro) {
                gravacao(ACaminho, ALivro);
            };
            janela = std::make_unique<TFormMain>(plataforma, motor);
            janela->show();
        }
        return *janela;
    }

    std::string Estado() { return Janela().LabelEstado->text().toStdString(); }
    // The final line of a written book: the seed the last run drew is part of it.
    std::string Gerado(const std::string& ALinha) {
        return ALinha + " Semente " + std::to_string(geracao.Chamadas.back().Semente) + ".";
    }
    std::string Foto() {
        return Estado() + " [" + std::to_string(Janela().ProgressBarLote->value()) + "/" +
               std::to_string(Janela().ProgressBarLote->maximum()) + "]";
    }
    void Puzzles(const char* ATexto) { Janela().EditNumPuzzles->setText(ATexto); }
    void Clicar(QPushButton* ABotao) { QTest::mouseClick(ABotao, Qt::LeftButton); }
    void Gerar() { Clicar(Janela().BitBtnGerar); }

    void EsperarInativa() {
        EXPECT_FALSE(Janela().Gerando());
        EXPECT_TRUE(Janela().GroupBoxLivro->isEnabled());
        EXPECT_TRUE(Janela().BitBtnGerar->isEnabled());
        EXPECT_FALSE(Janela().BitBtnCancelar->isEnabled());
        EXPECT_EQ(Janela().ProgressBarLote->value(), 0);
    }
};

TEST_F(Corrida, CorridaCompletaMostraOProgressoGravaEAbre) {
    for (const bool abrir : {true, false}) {
        SCOPED_TRACE(abrir);
        janela.reset();
        passagens.clear();
        gravacao.Chamadas.clear();
        plataforma.Registo.clear();
        Janela().CheckBoxAbrirPDF->setChecked(abrir);
        Puzzles("3");
        QTest::keyClicks(Janela().EditTituloLivro, "  Ferias ");
        geracao.ReportesPorPuzzle = 1;
        acao = [this](std::size_t) {
            EXPECT_TRUE(Janela().Gerando());
            EXPECT_FALSE(Janela().GroupBoxLivro->isEnabled());
            EXPECT_FALSE(Janela().BitBtnGerar->isEnabled());
            EXPECT_TRUE(Janela().BitBtnSair->isEnabled());
        };
        Gerar();

        const std::vector<std::string> esperadas = {
            "A gerar o puzzle 1 de 3\u2026 [0/3]", "A gerar o puzzle 1 de 3\u2026 [0/3]",
            "A gerar o puzzle 2 de 3\u2026 [1/3]", "A gerar o puzzle 2 de 3\u2026 [1/3]",
            "A gerar o puzzle 3 de 3\u2026 [2/3]", "A gerar o puzzle 3 de 3\u2026 [2/3]",
            "A gerar o puzzle 3 de 3\u2026 [3/3]", "A gravar o PDF\u2026 [3/3]"};
        EXPECT_EQ(passagens, esperadas);
        EXPECT_EQ(Estado(), Gerado("Livro gerado: 3 puzzles, 8 páginas."));
        ASSERT_EQ(gravacao.Chamadas.size(), 1u);
        EXPECT_EQ(gravacao.Chamadas[0].first, "/tmp/livro.pdf");
        EXPECT_EQ(gravacao.Chamadas[0].second.Puzzles.size(), 3u);
        EXPECT_EQ(gravacao.Chamadas[0].second.Config, geracao.Chamadas.back());
        // The book's recipe names the list the window loaded.
        EXPECT_EQ(gravacao.Chamadas[0].second.Lista, LISTA);
        EXPECT_EQ(geracao.Chamadas.back().Titulo, "Ferias");
        EXPECT_EQ(geracao.Chamadas.back().Lado, 11);
        EXPECT_EQ(plataforma.Registo, abrir ? std::vector<std::string>{"abrir: /tmp/livro.pdf"}
                                            : std::vector<std::string>{});
        EXPECT_EQ(Janela().LabelResumo->text().toStdString(), "3 puzzles \u00B7 11 \u00D7 11");
        EsperarInativa();
    }
    // Every run draws its own book seed.
    ASSERT_EQ(geracao.Chamadas.size(), 2u);
    EXPECT_NE(geracao.Chamadas[0].Semente, geracao.Chamadas[1].Semente);
}

TEST_F(Corrida, PropoeONomeEDesistirDoFicheiroNaoMudaNada) {
    plataforma.Ficheiro.reset();
    Gerar();
    QTest::mouseClick(Janela().RadioTamanhos[3], Qt::LeftButton);
    Puzzles("1");
    Gerar();
    EXPECT_EQ(plataforma.Propostos,
              (std::vector<std::string>{"Palvorin_11x11_30.pdf", "Palvorin_15x15_1.pdf"}));
    EXPECT_TRUE(geracao.Chamadas.empty());
    EXPECT_TRUE(passagens.empty());
    EXPECT_EQ(Estado(), "");
    EsperarInativa();
}

TEST_F(Corrida, OpcoesInvalidasNaoAbremODialogo) {
    struct {
        const char* puzzles;
        const char* estado;
    } casos[] = {{"abc", "Indique o número de puzzles."},
                 {"0", "Indique um número de puzzles entre 1 e 100."}};
    for (const auto& c : casos) {
        Puzzles(c.puzzles);
        Janela().GerarLivroPdf();
        EXPECT_EQ(Estado(), c.estado);
    }
    EXPECT_TRUE(plataforma.Propostos.empty());
}

TEST_F(Corrida, CancelarDesativaLogoEAcabaSemFicheiro) {
    Puzzles("3");
    acao = [this](std::size_t APassagem) {
        if (APassagem != 4) // position 1, inside the puzzle
            return;
        Clicar(Janela().BitBtnCancelar);
        EXPECT_FALSE(Janela().BitBtnCancelar->isEnabled());
        EXPECT_EQ(Estado(), "A cancelar\u2026");
    };
    Gerar();
    EXPECT_EQ(passagens.size(), 4u);
    EXPECT_EQ(Estado(), "Geração cancelada aos 1 de 3 puzzles. Nada foi gravado.");
    EXPECT_TRUE(gravacao.Chamadas.empty());
    EXPECT_TRUE(plataforma.Registo.empty());
    EsperarInativa();
}

TEST_F(Corrida, CancelarNoReporteFinalNaoPara) {
    Puzzles("2");
    geracao.ReportesPorPuzzle = 0;
    acao = [this](std::size_t APassagem) {
        if (APassagem == 3) // the final report, bar full
            Clicar(Janela().BitBtnCancelar);
    };
    Gerar();
    EXPECT_EQ(passagens.at(2), "A gerar o puzzle 2 de 2\u2026 [2/2]");
    EXPECT_EQ(gravacao.Chamadas.size(), 1u);
    EXPECT_EQ(Estado(), Gerado("Livro gerado: 2 puzzles, 8 páginas."));
    EsperarInativa();
}

TEST_F(Corrida, FecharDuranteACorrida) {
    // 3 puzzles with one throttled report each: passes 1-6 are positions, 7 the final
    // report, 8 the pass that paints "A gravar o PDF...".
    struct {
        std::size_t passagem;
        TResposta resposta;
        bool pelaSaida;
        bool gravado;
        const char* estado;
    } casos[] = {
        {2, TResposta::rsNao, false, true, "Livro gerado: 3 puzzles, 8 páginas."},
        {3, TResposta::rsNao, true, true, "Livro gerado: 3 puzzles, 8 páginas."},
        {2, TResposta::rsSim, false, false,
         "Geração cancelada aos 0 de 3 puzzles. Nada foi gravado."},
        {5, TResposta::rsSim, true, false,
         "Geração cancelada aos 2 de 3 puzzles. Nada foi gravado."},
        {7, TResposta::rsSim, false, true, "Livro gerado: 3 puzzles, 8 páginas."},
        {8, TResposta::rsSim, true, true, "Livro gerado: 3 puzzles, 8 páginas."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.passagem << (c.resposta == TResposta::rsSim));
        janela.reset();
        passagens.clear();
        gravacao.Chamadas.clear();
        plataforma.Registo.clear();
        plataforma.Respostas = {c.resposta};
        geracao.ReportesPorPuzzle = 1;
        Janela().CheckBoxAbrirPDF->setChecked(false);
        Puzzles("3");
        acao = [&](std::size_t APassagem) {
            if (APassagem != c.passagem)
                return;
            const std::string antes = Estado();
            if (c.pelaSaida)
                Clicar(Janela().BitBtnSair);
            else
                Janela().close();
            // The run is not torn down under its own feet.
            EXPECT_TRUE(Janela().isVisible());
            EXPECT_EQ(Estado(), antes);
            EXPECT_TRUE(Janela().BitBtnCancelar->isEnabled());
        };
        Gerar();
        EXPECT_EQ(plataforma.Registo, std::vector<std::string>{CONFIRMAR});
        EXPECT_EQ(gravacao.Chamadas.size(), c.gravado ? 1u : 0u);
        EXPECT_EQ(Estado(), c.gravado ? Gerado(c.estado) : c.estado);
        EXPECT_EQ(Janela().isVisible(), c.resposta == TResposta::rsNao);
        EXPECT_FALSE(Janela().Gerando());
    }
}

TEST_F(Corrida, FalhasAvisamAntesDeAbrir) {
    Puzzles("4");
    geracao.PosicoesFalhadas = {0, 2};
    Gerar();
    ASSERT_EQ(gravacao.Chamadas.size(), 1u);
    EXPECT_EQ(gravacao.Chamadas[0].second.Puzzles.size(), 2u);
    EXPECT_EQ(Estado(), Gerado("Livro gerado: 2 puzzles, 8 páginas."));
    EXPECT_EQ(plataforma.Registo,
              (std::vector<std::string>{"aviso: " + Gerado("Livro gerado: 2 puzzles, 8 páginas.") +
                                            "\r\n"
                                            "O livro tem 2 dos 4 puzzles pedidos.\r\n"
                                            "Puzzle 1: não foi possível gerar um puzzle\r\n"
                                            "Puzzle 3: não foi possível gerar um puzzle",
                                        "abrir: /tmp/livro.pdf"}));
    EsperarInativa();
}

TEST_F(Corrida, NenhumPuzzleNaoGravaNemAvisa) {
    Puzzles("2");
    geracao.PosicoesFalhadas = {0, 1};
    Gerar();
    EXPECT_EQ(Estado(), "Não foi possível gerar nenhum puzzle.");
    EXPECT_TRUE(gravacao.Chamadas.empty());
    EXPECT_TRUE(plataforma.Registo.empty());
    EsperarInativa();
}

TEST_F(Corrida, ErrosVaoParaOEstadoEParaACaixa) {
    struct {
        bool naGravacao;
        const char* mensagem;
    } casos[] = {{false, "GerarPuzzle: tamanho inválido: 11"},
                 {true, "Não foi possível escrever /tmp/livro.pdf: disco cheio"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensagem);
        plataforma.Registo.clear();
        geracao.Erro.reset();
        gravacao.Erro.reset();
        (c.naGravacao ? gravacao.Erro : geracao.Erro) = c.mensagem;
        Puzzles("2");
        Gerar();
        EXPECT_EQ(Estado(), std::string("Erro: ") + c.mensagem);
        EXPECT_EQ(plataforma.Registo,
                  std::vector<std::string>{
                      std::string("erro: Não foi possível gerar o livro.\r\n") + c.mensagem});
        EsperarInativa();
    }
}

TEST_F(Corrida, GerarDuranteACorridaEIgnorado) {
    Puzzles("2");
    acao = [this](std::size_t APassagem) {
        if (APassagem == 1)
            Janela().GerarLivroPdf();
    };
    Gerar();
    EXPECT_EQ(plataforma.Propostos.size(), 1u);
    EXPECT_EQ(geracao.Chamadas.size(), 1u);
    EXPECT_EQ(gravacao.Chamadas.size(), 1u);
}

TEST_F(Corrida, DicionarioQueNaoCarregaDesativaGerarParaSempre) {
    erroDicionario = "Dicionario.txt não existe";
    const std::string erro = "Não foi possível carregar o dicionário. Dicionario.txt não existe";
    EXPECT_EQ(pastaPedida, std::filesystem::path());
    Janela();
    EXPECT_EQ(pastaPedida, plataforma.Pasta);
    EXPECT_EQ(Janela().Dicionario(), nullptr);
    EXPECT_EQ(Janela().ErroDicionario(), erro);
    for (const char* puzzles : {"30", "abc", "12", "150"}) {
        Puzzles(puzzles);
        EXPECT_EQ(Estado(), erro) << puzzles;
        EXPECT_EQ(Janela().LabelResumo->text(), "");
        EXPECT_FALSE(Janela().BitBtnGerar->isEnabled());
    }
    QTest::mouseClick(Janela().RadioTamanhos[0], Qt::LeftButton);
    EXPECT_EQ(Estado(), erro);
    Janela().GerarLivroPdf();
    EXPECT_TRUE(plataforma.Propostos.empty());
    EXPECT_TRUE(Janela().GroupBoxLivro->isEnabled());
}

} // namespace
