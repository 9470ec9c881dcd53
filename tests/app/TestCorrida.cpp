// The generation run driven through a scripted desktop and engine.
#include "Falsos.hpp"
#include "UnitPalvorinMain.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <thread>
#include <unistd.h>

using namespace palvorin;
using namespace palvorin::teste;

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
    // The status line and the bar as the window shows them after every report of the
    // generator and before the PDF is written, as "text [position/maximum]".
    std::vector<std::string> passagens;
    // Runs on the window's thread at pass n (1-based), after it was recorded; the
    // generator reads a cancel it causes at its next report.
    std::function<void(std::size_t)> acao;
    std::unique_ptr<TFormMain> janela;

    void SetUp() override {
        plataforma.Ficheiro = "/tmp/livro.pdf";
        const auto passagem = [this] {
            NaJanela([this] {
                passagens.push_back(Foto());
                if (acao)
                    acao(passagens.size());
            });
        };
        geracao.AposReporte = passagem;
        gravacao.AntesDeGravar = passagem;
    }

    TFormMain& Janela() {
        if (!janela) {
            TMotorLivro motor = MotorFalso(geracao, gravacao);
            motor.CarregarDicionario = [this](const std::filesystem::path& APasta,
                                              TRelatorioDic& ARel) {
                pastaPedida = APasta;
                if (erroDicionario)
                    throw EPalvorin(*erroDicionario);
                ARel.Lista = LISTA;
                return std::make_unique<TDicionario>();
            };
            janela = std::make_unique<TFormMain>(plataforma, motor);
            janela->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
        }
        return *janela;
    }

    std::string Estado() { return Janela().LabelEstado->text().toStdString(); }
    // The final line of a written book: the seed the last run drew is part of it.
    std::string Gerado(const std::string& ALinha) {
        return ALinha + " Semente " + std::to_string(geracao.Chamadas.back().Semente()) + ".";
    }
    std::string Foto() {
        return Estado() + " [" + std::to_string(Janela().ProgressBarLote->value()) + "/" +
               std::to_string(Janela().ProgressBarLote->maximum()) + "]";
    }
    void Puzzles(const char* ATexto) { Janela().EditNumPuzzles->setText(ATexto); }
    void Clicar(QPushButton* ABotao) { QTest::mouseClick(ABotao, Qt::LeftButton); }
    // Clicks Gerar and lets the window run until the run has wound down.
    void Gerar() {
        Clicar(Janela().BitBtnGerar);
        EsperarFimDaCorrida();
    }
    void EsperarFimDaCorrida() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Janela().Gerando(); }, 30000));
    }

    void EsperarInativa() {
        EXPECT_FALSE(Janela().Gerando());
        EXPECT_TRUE(Janela().GroupBoxLivro->isEnabled());
        EXPECT_TRUE(Janela().BitBtnGerar->isEnabled());
        EXPECT_FALSE(Janela().BitBtnCancelar->isEnabled());
        EXPECT_EQ(Janela().ProgressBarLote->value(), 0);
        // Not on Sair, where one Space would quit.
        EXPECT_EQ(Janela().focusWidget(), Janela().BitBtnGerar);
    }
};

// The level, chosen with the keys and with the mouse, is named in the summary, goes to the
// run, and cannot change while the run lasts.
TEST_F(Corrida, NivelEscolhidoVaiParaOLivro) {
    Puzzles("2");
    QComboBox* nivel = Janela().ComboBoxNivel;
    const auto escolherComOsDedos = [&](int AItem) {
        nivel->setFocus();
        while (nivel->currentIndex() < AItem)
            QTest::keyClick(nivel, Qt::Key_Down);
        while (nivel->currentIndex() > AItem)
            QTest::keyClick(nivel, Qt::Key_Up);
    };
    const auto escolherComORato = [&](int AItem) {
        QTest::mouseClick(nivel, Qt::LeftButton);
        QAbstractItemView* lista = nivel->view();
        ASSERT_TRUE(QTest::qWaitFor([lista] { return lista->isVisible(); }));
        // The list ignores a release that comes as fast as the end of the click that opened it.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QRect item = lista->visualRect(nivel->model()->index(AItem, 0));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, item.center());
        ASSERT_TRUE(QTest::qWaitFor([lista] { return !lista->isVisible(); }));
    };
    using enum TNivelDificuldade;
    const struct {
        int Item;
        bool Rato;
        std::optional<TNivelDificuldade> Nivel;
        const char* Resumo;
    } casos[] = {
        {2, false, ndMedio, "2 puzzles \u00B7 11 \u00D7 11 \u00B7 n\u00EDvel M\u00E9dio"},
        {0, false, std::nullopt, "2 puzzles \u00B7 11 \u00D7 11"},
        {3, true, ndDificil, "2 puzzles \u00B7 11 \u00D7 11 \u00B7 n\u00EDvel Dif\u00EDcil"},
        {1, true, ndFacil, "2 puzzles \u00B7 11 \u00D7 11 \u00B7 n\u00EDvel F\u00E1cil"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.Resumo);
        if (c.Rato)
            escolherComORato(c.Item);
        else
            escolherComOsDedos(c.Item);
        EXPECT_EQ(nivel->currentIndex(), c.Item);
        EXPECT_EQ(Janela().LabelResumo->text().toStdString(), c.Resumo);
        acao = [nivel](std::size_t) { EXPECT_FALSE(nivel->isEnabled()); };
        Gerar();
        EXPECT_EQ(geracao.Chamadas.back().Nivel(), c.Nivel);
        EXPECT_TRUE(nivel->isEnabled());
    }
}

// The pages row: named in the summary, carried to the run, still during it; large print is
// taken back where the page cannot hold it. The final line counts the pages the writer wrote.
TEST_F(Corrida, PaginasEscolhidasVaoParaOLivro) {
    Puzzles("2");
    gravacao.Paginas = 99;
    using enum TFormatoLivro;
    const struct {
        int Formato;
        bool LetraGrande;
        bool Grafica;
        TFormatoLivro Esperado;
        bool LetraGrandeFica;
        const char* Resumo;
    } casos[] = {
        {2, true, false, flCarta, true,
         "2 puzzles \u00B7 11 \u00D7 11 \u00B7 Carta \u00B7 letra grande"},
        {1, false, true, flA5, false,
         "2 puzzles \u00B7 11 \u00D7 11 \u00B7 A5 \u00B7 para gráfica"},
        {3, true, true, fl6x9, false,
         "2 puzzles \u00B7 11 \u00D7 11 \u00B7 6 \u00D7 9 pol. \u00B7 para gráfica"},
        {0, true, false, flA4, true, "2 puzzles \u00B7 11 \u00D7 11 \u00B7 letra grande"},
        {0, false, false, flA4, false, "2 puzzles \u00B7 11 \u00D7 11"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.Resumo);
        TFormMain& j = Janela();
        j.CheckBoxLetraGrande->setChecked(c.LetraGrande);
        j.ComboBoxFormato->setCurrentIndex(c.Formato);
        j.CheckBoxGrafica->setChecked(c.Grafica);
        EXPECT_EQ(j.CheckBoxLetraGrande->isEnabled(), c.Formato == 0 || c.Formato == 2);
        EXPECT_EQ(j.CheckBoxLetraGrande->isChecked(), c.LetraGrandeFica);
        EXPECT_EQ(j.LabelResumo->text().toStdString(), c.Resumo);
        acao = [&j](std::size_t) { EXPECT_FALSE(j.PainelPaginas->isEnabled()); };
        Gerar();
        const TConfigLivro& config = geracao.Chamadas.back();
        EXPECT_EQ(config.Formato(), c.Esperado);
        EXPECT_EQ(config.LetraGrande(), c.LetraGrandeFica);
        EXPECT_EQ(config.Grafica(), c.Grafica);
        EXPECT_EQ(Estado(), Gerado("Livro gerado: 2 puzzles, 99 páginas."));
        EXPECT_TRUE(j.PainelPaginas->isEnabled());
    }
}

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
            if (Janela().BitBtnCancelar->isEnabled()) {
                EXPECT_EQ(Janela().focusWidget(), Janela().BitBtnCancelar);
            }
            // Not even while "A gravar o PDF..." shows, when Cancelar has gone grey.
            EXPECT_NE(Janela().focusWidget(), Janela().BitBtnSair);
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
        EXPECT_EQ(geracao.Chamadas.back().Titulo(), "Ferias");
        EXPECT_EQ(geracao.Chamadas.back().Lado(), 11);
        EXPECT_EQ(plataforma.Registo, abrir ? std::vector<std::string>{"abrir: /tmp/livro.pdf"}
                                            : std::vector<std::string>{});
        EXPECT_EQ(Janela().LabelResumo->text().toStdString(), "3 puzzles \u00B7 11 \u00D7 11");
        EsperarInativa();
    }
    // Every run draws its own book seed.
    ASSERT_EQ(geracao.Chamadas.size(), 2u);
    EXPECT_NE(geracao.Chamadas[0].Semente(), geracao.Chamadas[1].Semente());
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

// "Abrir pasta" stands beside the path of a written book only, until the options change.
TEST_F(Corrida, AbrirPastaDoLivroGravado) {
    enum class TFim { Gravado, Cancelado, ErroAoGerar, ErroAoGravar };
    for (const TFim fim : {TFim::Gravado, TFim::Cancelado, TFim::ErroAoGerar, TFim::ErroAoGravar}) {
        SCOPED_TRACE(int(fim));
        janela.reset();
        passagens.clear();
        plataforma.Registo.clear();
        plataforma.Ficheiro = "/home/ana/Livros de Verão/Férias.pdf";
        geracao.Erro.reset();
        gravacao.Erro.reset();
        acao = nullptr;
        if (fim == TFim::Cancelado)
            acao = [this](std::size_t APassagem) {
                if (APassagem == 2)
                    Clicar(Janela().BitBtnCancelar);
            };
        if (fim == TFim::ErroAoGerar)
            geracao.Erro = "Falhou.";
        if (fim == TFim::ErroAoGravar)
            gravacao.Erro = "Falhou.";
        Janela().CheckBoxAbrirPDF->setChecked(false);
        Puzzles("2");
        EXPECT_FALSE(Janela().BitBtnAbrirPasta->isVisible());
        Gerar();
        EXPECT_EQ(Janela().BitBtnAbrirPasta->isVisible(), fim == TFim::Gravado);
        EXPECT_EQ(Janela().LabelCaminho->isVisible(), fim == TFim::Gravado);
        EXPECT_EQ(Janela().ProgressBarLote->isVisible(), fim != TFim::Gravado);
        if (fim != TFim::Gravado)
            continue;
        EXPECT_EQ(Janela().LabelCaminho->text().toStdString(),
                  "/home/ana/Livros de Verão/Férias.pdf");
        Clicar(Janela().BitBtnAbrirPasta);
        EXPECT_EQ(plataforma.Registo.back(), "abrir: /home/ana/Livros de Verão");
        // Typed: the final line and the path go with the options they were about.
        Janela().EditNumPuzzles->setFocus();
        QTest::keyClick(Janela().EditNumPuzzles, Qt::Key_Backspace);
        QTest::keyClicks(Janela().EditNumPuzzles, "3");
        EXPECT_FALSE(Janela().BitBtnAbrirPasta->isVisible());
        EXPECT_FALSE(Janela().LabelCaminho->isVisible());
        EXPECT_TRUE(Janela().ProgressBarLote->isVisible());
    }
}

TEST_F(Corrida, LembraAsEscolhasEntreExecucoes) {
    const auto pasta =
        std::filesystem::temp_directory_path() / ("palvorin-escolhas-" + std::to_string(getpid()));
    std::filesystem::create_directories(pasta);
    plataforma.Ficheiro = pasta / "livro.pdf";
    QTest::mouseClick(Janela().RadioTamanhos[3], Qt::LeftButton);
    Janela().EditNumPuzzles->setFocus();
    QTest::keyClick(Janela().EditNumPuzzles, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Janela().EditNumPuzzles, "7");
    QTest::mouseClick(Janela().CheckBoxAbrirPDF, Qt::LeftButton);
    QTest::keyClicks(Janela().EditTituloLivro, "Ferias");
    // Kept as soon as chosen, before any book.
    EXPECT_EQ(plataforma.Preferencias, (std::map<std::string, std::string>{
                                           {"lado", "15"}, {"puzzles", "7"}, {"abrirPdf", "0"}}));
    Gerar();
    EXPECT_EQ(plataforma.Preferencias["pasta"], pasta.string());

    // The program again: the choices come back, the title starts empty, the dialog opens
    // in the last book's folder.
    janela.reset();
    EXPECT_TRUE(Janela().RadioTamanhos[3]->isChecked());
    EXPECT_EQ(Janela().EditNumPuzzles->text(), "7");
    EXPECT_FALSE(Janela().CheckBoxAbrirPDF->isChecked());
    EXPECT_EQ(Janela().EditTituloLivro->text(), "");
    plataforma.Ficheiro.reset();
    Clicar(Janela().BitBtnGerar);
    EXPECT_EQ(plataforma.Propostos.back(), (pasta / "Palvorin_15x15_7.pdf").string());

    // What cannot be right is ignored, and the defaults stay.
    plataforma.Preferencias = {
        {"lado", "12"}, {"puzzles", "500"}, {"abrirPdf", "talvez"}, {"pasta", pasta / "não"}};
    janela.reset();
    EXPECT_TRUE(Janela().RadioTamanhos[1]->isChecked());
    EXPECT_EQ(Janela().EditNumPuzzles->text(), "30");
    EXPECT_TRUE(Janela().CheckBoxAbrirPDF->isChecked());
    Clicar(Janela().BitBtnGerar);
    EXPECT_EQ(plataforma.Propostos.back(), "Palvorin_11x11_30.pdf");
    std::filesystem::remove_all(pasta);
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
        EXPECT_NE(Janela().focusWidget(), Janela().BitBtnSair);
    };
    Gerar();
    EXPECT_EQ(passagens.size(), 4u);
    EXPECT_EQ(Estado(), "Geração cancelada aos 1 de 3 puzzles. Nada foi gravado.");
    EXPECT_TRUE(gravacao.Chamadas.empty());
    EXPECT_TRUE(plataforma.Registo.empty());
    EsperarInativa();
}

// Runs an action at every paint of a widget.
class TAoPintar : public QObject {
public:
    std::function<void()> Acao;

protected:
    bool eventFilter(QObject*, QEvent* AEvento) override {
        if (AEvento->type() == QEvent::Paint)
            Acao();
        return false;
    }
};

TEST_F(Corrida, ACancelarVeSeEnquantoAGeracaoPara) {
    Puzzles("3");
    // Painted, not just set: the window got back to its event loop in time.
    std::atomic<bool> vistoACancelar = false;
    TAoPintar filtro;
    filtro.Acao = [&] {
        if (Estado() == "A cancelar\u2026" && !Janela().BitBtnCancelar->isEnabled())
            vistoACancelar = true;
    };
    Janela().LabelEstado->installEventFilter(&filtro);
    acao = [this](std::size_t APassagem) {
        if (APassagem == 2)
            Clicar(Janela().BitBtnCancelar);
    };
    // A generator slow to notice, as one in the middle of a fill is: it stops once the
    // window was seen cancelling (or gives up waiting, and the test fails). By then the
    // window has also handled the report that was on its way when Cancelar was pressed.
    std::string depoisDoReporte;
    geracao.AoParar = [&] {
        for (int i = 0; i < 1000 && !vistoACancelar; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        NaJanela([&] { depoisDoReporte = Estado(); });
    };
    Gerar();
    Janela().LabelEstado->removeEventFilter(&filtro);
    EXPECT_TRUE(vistoACancelar);
    EXPECT_EQ(depoisDoReporte, "A cancelar\u2026");
    EXPECT_EQ(Estado(), "Geração cancelada aos 0 de 3 puzzles. Nada foi gravado.");
    EXPECT_TRUE(gravacao.Chamadas.empty());
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

// The close box, Sair and Esc all ask the same question during a run: one stray key or
// click never throws a long run away.
TEST_F(Corrida, FecharDuranteACorrida) {
    // 3 puzzles with one throttled report each: passes 1-6 are positions, 7 the final
    // report, 8 the moment "A gravar o PDF..." is shown.
    enum class TPor { Caixa, Sair, Esc };
    struct {
        std::size_t passagem;
        TResposta resposta;
        TPor por;
        bool gravado;
        const char* estado;
    } casos[] = {
        {2, TResposta::rsNao, TPor::Caixa, true, "Livro gerado: 3 puzzles, 8 páginas."},
        {3, TResposta::rsNao, TPor::Sair, true, "Livro gerado: 3 puzzles, 8 páginas."},
        {2, TResposta::rsNao, TPor::Esc, true, "Livro gerado: 3 puzzles, 8 páginas."},
        {1, TResposta::rsSim, TPor::Caixa, false,
         "Geração cancelada aos 0 de 3 puzzles. Nada foi gravado."},
        {5, TResposta::rsSim, TPor::Sair, false,
         "Geração cancelada aos 2 de 3 puzzles. Nada foi gravado."},
        {3, TResposta::rsSim, TPor::Esc, false,
         "Geração cancelada aos 1 de 3 puzzles. Nada foi gravado."},
        {7, TResposta::rsSim, TPor::Caixa, true, "Livro gerado: 3 puzzles, 8 páginas."},
        {8, TResposta::rsSim, TPor::Sair, true, "Livro gerado: 3 puzzles, 8 páginas."},
        {8, TResposta::rsNao, TPor::Esc, true, "Livro gerado: 3 puzzles, 8 páginas."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message()
                     << c.passagem << (c.resposta == TResposta::rsSim) << int(c.por));
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
            const bool cancelarAntes = Janela().BitBtnCancelar->isEnabled();
            EXPECT_EQ(cancelarAntes, c.passagem < 8);
            if (c.por == TPor::Sair) {
                Clicar(Janela().BitBtnSair);
            } else if (c.por == TPor::Esc) {
                // To the focused control, Cancelar or, once it is grey, the window.
                QWidget* foco = Janela().focusWidget();
                QTest::keyClick(foco != nullptr ? foco : &Janela(), Qt::Key_Escape);
            } else {
                Janela().close();
            }
            // The run is not torn down under its own feet.
            EXPECT_TRUE(Janela().isVisible());
            EXPECT_EQ(Estado(), antes);
            EXPECT_EQ(Janela().BitBtnCancelar->isEnabled(), cancelarAntes);
        };
        Gerar();
        EXPECT_EQ(plataforma.Registo, std::vector<std::string>{CONFIRMAR});
        EXPECT_EQ(gravacao.Chamadas.size(), c.gravado ? 1u : 0u);
        EXPECT_EQ(Estado(), c.gravado ? Gerado(c.estado) : c.estado);
        EXPECT_EQ(Janela().isVisible(), c.resposta == TResposta::rsNao);
        EXPECT_FALSE(Janela().Gerando());
    }
}

TEST_F(Corrida, FimDaCorridaComAPerguntaAbertaEsperaPelaResposta) {
    for (const TResposta resposta : {TResposta::rsSim, TResposta::rsNao}) {
        SCOPED_TRACE(resposta == TResposta::rsSim);
        janela.reset();
        passagens.clear();
        plataforma.Registo.clear();
        gravacao.Chamadas.clear();
        plataforma.Respostas = {resposta};
        geracao.ReportesPorPuzzle = 0;
        geracao.PosicoesFalhadas = {1};
        Puzzles("3");
        // The whole run ends while the question is still open.
        plataforma.AoPerguntar = [this] {
            ASSERT_TRUE(QTest::qWaitFor([this] { return !gravacao.Chamadas.empty(); }, 30000));
            QTest::qWait(100);
        };
        // Asked from the window's queue, so that the generator is not held meanwhile.
        acao = [this](std::size_t APassagem) {
            if (APassagem == 2)
                QMetaObject::invokeMethod(Janela().BitBtnSair, &QPushButton::click,
                                          Qt::QueuedConnection);
        };
        Gerar();
        EXPECT_EQ(
            plataforma.Registo,
            (std::vector<std::string>{CONFIRMAR,
                                      "aviso: " + Gerado("Livro gerado: 2 puzzles, 8 páginas.") +
                                          "\r\nO livro tem 2 dos 3 puzzles pedidos.\r\n"
                                          "Puzzle 2: não foi possível gerar um puzzle",
                                      "abrir: /tmp/livro.pdf"}));
        EXPECT_EQ(Estado(), Gerado("Livro gerado: 2 puzzles, 8 páginas."));
        EXPECT_EQ(Janela().isVisible(), resposta == TResposta::rsNao);
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
        // Only the write failed: the puzzles are made, and can go to another file.
        const std::string caixa =
            c.naGravacao ? "confirmar: O livro foi gerado, mas não foi possível gravá-lo.\r\n" +
                               std::string(c.mensagem) + "\r\nGravar o mesmo livro noutro ficheiro?"
                         : "erro: Não foi possível gerar o livro.\r\n" + std::string(c.mensagem);
        EXPECT_EQ(plataforma.Registo, std::vector<std::string>{caixa});
        EsperarInativa();
    }
}

TEST_F(Corrida, GravacaoFalhadaGravaOsMesmosPuzzlesNoutroFicheiro) {
    Puzzles("2");
    gravacao.Erro = "Não foi possível gravar «/tmp/livro.pdf»: disco cheio.";
    plataforma.Respostas = {TResposta::rsSim};
    // The second write, into the new file, succeeds.
    plataforma.AoPerguntar = [this] {
        gravacao.Erro.reset();
        plataforma.Ficheiro = "/outra/pasta/livro.pdf";
    };
    Clicar(Janela().BitBtnGerar);
    ASSERT_TRUE(QTest::qWaitFor([this] { return gravacao.Chamadas.size() == 2; }, 30000));
    EsperarFimDaCorrida();
    EXPECT_EQ(geracao.Chamadas.size(), 1u);
    EXPECT_EQ(plataforma.Propostos,
              (std::vector<std::string>{"Palvorin_11x11_2.pdf", "livro.pdf"}));
    EXPECT_EQ(gravacao.Chamadas[1].first, "/outra/pasta/livro.pdf");
    EXPECT_EQ(gravacao.Chamadas[1].second.Puzzles.size(), 2u);
    EXPECT_EQ(gravacao.Chamadas[1].second.Config, gravacao.Chamadas[0].second.Config);
    EXPECT_EQ(Estado(), Gerado("Livro gerado: 2 puzzles, 8 páginas."));
    EXPECT_EQ(plataforma.Registo.back(), "abrir: /outra/pasta/livro.pdf");
    EsperarInativa();
}

TEST_F(Corrida, ErroLongoCabeNoEstadoEFicaInteiroNaDica) {
    const std::string pasta = "/home/utilizadora/Documentos/" + std::string(150, 'x') + "/livros";
    struct {
        std::string mensagem, inicio, fim;
    } casos[] = {
        {"Não foi possível gravar o ficheiro «" + pasta +
             "/Férias 2.0.pdf»: o caminho não é "
             "uma pasta.",
         "Erro: Não foi possível gravar o ficheiro «/home/",
         "Férias 2.0.pdf»: o caminho não é "
         "uma pasta."},
        {"Não foi possível ler " + pasta + "/Dicionario.txt: não existe.",
         "Erro: Não foi possível ler /home/", "Dicionario.txt: não existe."},
    };
    const QLabel* rotulo = Janela().LabelEstado;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensagem);
        plataforma.Registo.clear();
        gravacao.Erro = c.mensagem;
        Puzzles("1");
        Gerar();
        const QString visto = rotulo->text();
        EXPECT_TRUE(visto.startsWith(QString::fromStdString(c.inicio))) << visto.toStdString();
        EXPECT_TRUE(visto.endsWith(QString::fromStdString(c.fim))) << visto.toStdString();
        EXPECT_TRUE(visto.contains(QChar(0x2026)));
        const QRect ocupado = rotulo->fontMetrics().boundingRect(
            QRect(QPoint(), rotulo->contentsRect().size()), Qt::TextWordWrap, visto);
        EXPECT_LE(ocupado.width(), rotulo->contentsRect().width());
        EXPECT_LE(ocupado.height(), rotulo->contentsRect().height());
        EXPECT_EQ(rotulo->toolTip().toStdString(), "Erro: " + c.mensagem);
        EXPECT_EQ(plataforma.Registo,
                  std::vector<std::string>{
                      "confirmar: O livro foi gerado, mas não foi possível gravá-lo.\r\n" +
                      c.mensagem + "\r\nGravar o mesmo livro noutro ficheiro?"});
    }
    // A line that fits is left alone, and so is its tooltip.
    gravacao.Erro.reset();
    Gerar();
    EXPECT_EQ(Estado(), Gerado("Livro gerado: 1 puzzle, 6 páginas."));
    EXPECT_EQ(rotulo->toolTip(), "");
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
