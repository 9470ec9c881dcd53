// The window's controls, driven with real key presses and mouse clicks.
#include "CasosOpcoes.hpp"
#include "Falsos.hpp"
#include "UnitPalvorinArranque.hpp"
#include "UnitPalvorinIcone.hpp"
#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinOpcoes.hpp"
#include "UnitPalvorinOpcoesLivro.hpp"
#include "UnitPalvorinQtTexto.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QLocale>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace palvorin;
using namespace palvorin::teste;
using namespace palvorin::teste;

namespace {

TMotorLivro MotorSemEfeitos() {
    TMotorLivro motor;
    motor.CarregarDicionario = [](const std::filesystem::path&, TRelatorioDic&) {
        return std::make_unique<TDicionario>();
    };
    return motor;
}

class Janela : public ::testing::Test {
protected:
    TPlataformaFalsa plataforma;
    TFormMain janela{plataforma, MotorSemEfeitos()};

    void SetUp() override { janela.show(); }

    std::string Resumo() { return janela.LabelResumo->text().toStdString(); }
    std::string Estado() { return janela.LabelEstado->text().toStdString(); }
    bool PodeGerar() { return janela.BitBtnGerar->isEnabled(); }

    // Types like a user: ASCII through keyClicks, the rest one key event each.
    static void Escrever(QLineEdit* AEdit, const QString& ATexto) {
        for (const QChar c : ATexto) {
            if (c.unicode() < 128)
                QTest::keyClick(AEdit, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, AEdit, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }
    static void Substituir(QLineEdit* AEdit, const QString& ATexto) {
        AEdit->setFocus();
        QTest::keyClick(AEdit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(AEdit, Qt::Key_Backspace);
        Escrever(AEdit, ATexto);
    }
};

TEST_F(Janela, AbreComOsControlosNoSitio) {
    EXPECT_EQ(janela.windowTitle(), "PALVORIN | Teodoro Valquim");
    EXPECT_EQ(janela.size(), QSize(609, 421));
    EXPECT_EQ(janela.minimumSize(), janela.maximumSize());
    EXPECT_FALSE(janela.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(janela.windowFlags() & Qt::WindowMinimizeButtonHint);

    struct {
        QWidget* controlo;
        QRect geometria;
        int fonte;
        QString texto;
        bool ativo;
    } casos[] = {
        {janela.GroupBoxLivro, {12, 12, 366, 205}, 17, "Livro", true},
        {janela.RadioGroupTamanho, {12, 31, 339, 58}, 15, "&Tamanho", true},
        {janela.LabelNumPuzzles, {16, 103, -1, -1}, 15, "&Número de puzzles", true},
        {janela.EditNumPuzzles, {151, 101, 57, 31}, 17, "30", true},
        {janela.UpDownNumPuzzles, {208, 101, 25, 31}, -1, "", true},
        {janela.CheckBoxAbrirPDF, {257, 108, 104, 17}, 17, "Abrir &PDF", true},
        {janela.LabelTituloLivro, {12, 138, -1, -1}, 15, "Título do &livro", true},
        {janela.EditTituloLivro, {12, 162, 339, 31}, 17, "", true},
        {janela.LabelNivel, {390, 149, -1, -1}, 15, "Ní&vel", true},
        {janela.ComboBoxNivel, {446, 144, 120, 31}, 15, "", true},
        {janela.LabelTema, {16, 233, -1, -1}, 15, "T&ema", true},
        {janela.ComboTema, {72, 227, 306, 31}, 15, "", true},
        {janela.LabelResumo, {12, 267, 366, 32}, 12, "30 puzzles \u00B7 11 \u00D7 11", true},
        {janela.LabelEstado, {12, 305, 366, 32}, 12, "", true},
        {janela.ProgressBarLote, {12, 347, 366, 21}, -1, "", true},
        {janela.BevelApp, {390, 21, 212, 110}, -1, "", true},
        {janela.LabelNome, {-1, 33, -1, 54}, 40, "PALVORIN", true},
        {janela.LabelAutor, {-1, 81, -1, 23}, 17, "by Teodoro Valquim", true},
        {janela.BitBtnGerar, {426, 230, 140, 40}, 15, "&Gerar", true},
        {janela.BitBtnCancelar, {426, 279, 140, 40}, 15, "&Cancelar", false},
        {janela.BitBtnSair, {426, 328, 140, 40}, 15, "&Sair", true},
        {janela.PainelPaginas, {12, 380, 590, 31}, -1, "", true},
        {janela.LabelFormato, {4, 5, -1, -1}, 15, "&Formato", true},
        {janela.ComboBoxFormato, {80, 0, 120, 31}, 15, "", true},
        {janela.CheckBoxLetraGrande, {222, 7, 140, 18}, 15, "Letra g&rande", true},
        {janela.CheckBoxGrafica, {380, 7, 202, 18}, 15, "Pág&inas para gráfica", true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.controlo->objectName().toStdString());
        const QRect g = c.controlo->geometry();
        for (const auto& [esperado, obtido] : {std::pair{c.geometria.x(), g.x()},
                                               {c.geometria.y(), g.y()},
                                               {c.geometria.width(), g.width()},
                                               {c.geometria.height(), g.height()}})
            if (esperado >= 0) {
                EXPECT_EQ(obtido, esperado);
            }
        if (c.fonte > 0) {
            EXPECT_EQ(c.controlo->font().pixelSize(), c.fonte);
        }
        QString texto = c.controlo->property("text").toString();
        if (auto* grupo = qobject_cast<QGroupBox*>(c.controlo))
            texto = grupo->title();
        if (!qobject_cast<QProgressBar*>(c.controlo)) {
            EXPECT_EQ(texto.toStdString(), c.texto.toStdString());
        }
        EXPECT_EQ(c.controlo->isEnabled(), c.ativo);
        // Nothing is drawn outside the window.
        EXPECT_TRUE(
            janela.rect().contains(c.controlo->mapTo(&janela, c.controlo->rect().bottomRight())));
    }
    EXPECT_TRUE(janela.LabelNome->font().bold());
    EXPECT_TRUE(janela.CheckBoxAbrirPDF->isChecked());
    EXPECT_EQ(janela.EditTituloLivro->maxLength(), 40);
    EXPECT_EQ(janela.ProgressBarLote->value(), 0);
    EXPECT_EQ(janela.UpDownNumPuzzles->Min(), 1);
    EXPECT_EQ(janela.UpDownNumPuzzles->Max(), 100);
    EXPECT_EQ(janela.UpDownNumPuzzles->Posicao(), 30);
    const char* tamanhos[] = {"9 \u00D7 9", "11 \u00D7 11", "13 \u00D7 13", "15 \u00D7 15"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(janela.RadioTamanhos[i]->text().toStdString(), tamanhos[i]);
        EXPECT_EQ(janela.RadioTamanhos[i]->isChecked(), i == 1);
    }
    const char* niveis[] = {"Qualquer", "Fácil", "Médio", "Difícil"};
    ASSERT_EQ(janela.ComboBoxNivel->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(janela.ComboBoxNivel->itemText(i).toStdString(), niveis[i]);
    EXPECT_EQ(janela.ComboBoxNivel->currentIndex(), 0);
    const char* formatos[] = {"A4", "A5", "Carta", "6 \u00D7 9 pol."};
    ASSERT_EQ(janela.ComboBoxFormato->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(janela.ComboBoxFormato->itemText(i).toStdString(), formatos[i]);
    EXPECT_EQ(janela.ComboBoxFormato->currentIndex(), 0);
    EXPECT_FALSE(janela.CheckBoxLetraGrande->isChecked());
    EXPECT_FALSE(janela.CheckBoxGrafica->isChecked());
    EXPECT_TRUE(PodeGerar());
}

TEST_F(Janela, AtalhosComAlt) {
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    struct {
        Qt::Key tecla;
        QWidget* foco;
    } casos[] = {{Qt::Key_N, janela.EditNumPuzzles},   {Qt::Key_L, janela.EditTituloLivro},
                 {Qt::Key_T, janela.RadioTamanhos[1]}, {Qt::Key_V, janela.ComboBoxNivel},
                 {Qt::Key_E, janela.ComboTema},        {Qt::Key_F, janela.ComboBoxFormato}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.foco->objectName().toStdString());
        QTest::keyClick(&janela, c.tecla, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), c.foco);
    }
    // A button's shortcut presses it as a click would be seen, a moment later.
    QTest::keyClick(&janela, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !janela.CheckBoxAbrirPDF->isChecked(); }));
    // Gerar asks for the file; the script answers none, so nothing more happens.
    QTest::keyClick(&janela, Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return plataforma.Propostos.size() == 1; }));
    QTest::keyClick(&janela, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !janela.isVisible(); }));
}

TEST_F(Janela, AjudaPorF1OuPeloBotao) {
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    ASSERT_EQ(plataforma.Registo.size(), 2u);
    const std::string ajuda = plataforma.Registo[0];
    const std::string acerca = plataforma.Registo[1];
    EXPECT_EQ(ajuda.rfind("ajuda: O Palvorin faz livros em PDF", 0), 0u) << ajuda;
    for (const char* parte :
         {"Tamanho:", "Número de puzzles: de 1 a 100", "até 40 caracteres",
          "Abrir PDF:", "Nível:", "Gerar:", "Abrir pasta", "Cancelar:", "Sair (Esc)"})
        EXPECT_NE(ajuda.find(parte), std::string::npos) << parte;
    // Every control the options table gives a label is explained, so a new row cannot be missed.
    for (const TOpcaoLivro& opcao : OpcoesLivro())
        if (!opcao.RotuloJanela.empty()) {
            std::string rotulo(opcao.RotuloJanela);
            std::erase(rotulo, '&');
            EXPECT_NE(ajuda.find(rotulo + ":"), std::string::npos) << rotulo;
        }
    for (const char* parte : {"acerca: Palvorin " PALVORIN_VERSAO, "GPL", "hunspell-pt-pt"})
        EXPECT_NE(acerca.find(parte), std::string::npos) << parte;
    QTest::mouseClick(janela.BitBtnAjuda, Qt::LeftButton);
    EXPECT_EQ(plataforma.Registo, (std::vector<std::string>{ajuda, acerca, ajuda, acerca}));
    EXPECT_TRUE(janela.isVisible());
}

TEST_F(Janela, EscFechaAJanelaParada) {
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_TRUE(plataforma.Registo.empty());
}

TEST_F(Janela, RodaDoRatoMudaONumeroDePuzzles) {
    struct {
        const char* antes;
        QWidget* sobre;
        std::vector<int> rodadas;
        const char* depois;
    } casos[] = {
        {"30", janela.EditNumPuzzles, {120}, "31"},
        {"30", janela.EditNumPuzzles, {-240}, "28"},
        {"30", janela.UpDownNumPuzzles, {120, 120}, "32"},
        {"100", janela.EditNumPuzzles, {120}, "100"},
        // A touchpad's small steps add up to a notch, across events.
        {"30", janela.EditNumPuzzles, {40, 40, 39}, "30"},
        {"30", janela.EditNumPuzzles, {1}, "31"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.antes << " " << c.sobre->objectName().toStdString());
        Substituir(janela.EditNumPuzzles, c.antes);
        for (const int rodada : c.rodadas) {
            const QPointF ponto = c.sobre->rect().center();
            QWheelEvent roda(ponto, c.sobre->mapToGlobal(ponto), QPoint(), QPoint(0, rodada),
                             Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(c.sobre, &roda);
        }
        EXPECT_EQ(janela.EditNumPuzzles->text().toStdString(), c.depois);
    }
}

TEST_F(Janela, TextosCabemNosControlos) {
    for (QLabel* rotulo : janela.findChildren<QLabel*>()) {
        if (rotulo->wordWrap() || rotulo->text().isEmpty())
            continue;
        const QFontMetrics metricas(rotulo->font());
        // The shortcut's "&" is drawn as an underline, not as a character.
        const QString visivel = QString(rotulo->text()).remove('&');
        EXPECT_LE(metricas.horizontalAdvance(visivel), rotulo->contentsRect().width())
            << rotulo->objectName().toStdString();
        EXPECT_LE(metricas.height(), rotulo->contentsRect().height())
            << rotulo->objectName().toStdString();
    }
    // The number of puzzles does not run into its edit.
    EXPECT_LE(janela.LabelNumPuzzles->geometry().right(), janela.EditNumPuzzles->x());
}

TEST_F(Janela, NumeroDePuzzlesEscrito) {
    struct {
        QString texto;
        const char* resumo;
        const char* estado;
        bool gerar;
    } casos[] = {
        {"abc", "", "Indique o número de puzzles.", false},
        {" 12 ", "12 puzzles \u00B7 11 \u00D7 11", "", true},
        {"150", "150 puzzles \u00B7 11 \u00D7 11", "Indique um número de puzzles entre 1 e 100.",
         false},
        {"0", "0 puzzles \u00B7 11 \u00D7 11", "Indique um número de puzzles entre 1 e 100.",
         false},
        {"1", "1 puzzle \u00B7 11 \u00D7 11", "", true},
        {"100", "100 puzzles \u00B7 11 \u00D7 11", "", true},
        {"", "", "Indique o número de puzzles.", false},
        {"1½", "", "Indique o número de puzzles.", false},
        {"-3", "-3 puzzles \u00B7 11 \u00D7 11", "Indique um número de puzzles entre 1 e 100.",
         false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto.toStdString());
        Substituir(janela.EditNumPuzzles, c.texto);
        EXPECT_EQ(janela.EditNumPuzzles->text(), c.texto);
        EXPECT_EQ(Resumo(), c.resumo);
        EXPECT_EQ(Estado(), c.estado);
        EXPECT_EQ(PodeGerar(), c.gerar);
        EXPECT_FALSE(janela.BitBtnCancelar->isEnabled());
    }
}

TEST_F(Janela, TamanhoEscolhido) {
    Substituir(janela.EditNumPuzzles, "1");
    const char* resumos[] = {"1 puzzle \u00B7 9 \u00D7 9", "1 puzzle \u00B7 11 \u00D7 11",
                             "1 puzzle \u00B7 13 \u00D7 13", "1 puzzle \u00B7 15 \u00D7 15"};
    for (const int i : {3, 0, 2, 1}) {
        QTest::mouseClick(janela.RadioTamanhos[std::size_t(i)], Qt::LeftButton);
        EXPECT_EQ(Resumo(), resumos[i]);
        EXPECT_TRUE(PodeGerar());
    }
}

TEST_F(Janela, BotoesDeRotacao) {
    struct {
        QString antes;
        bool cima;
        int cliques;
        const char* depois;
    } casos[] = {
        {"30", true, 1, "31"},
        {"30", false, 2, "28"},
        {"100", true, 1, "100"},
        {"1", false, 1, "1"},
        {"50", true, 1, "51"},
        {"abc", true, 1, "52"}, // the last position (51) stands for what is not a number
        {"150", false, 1, "99"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.antes.toStdString());
        Substituir(janela.EditNumPuzzles, c.antes);
        janela.UpDownNumPuzzles->SetPosicao(51);
        QToolButton* botao =
            c.cima ? janela.UpDownNumPuzzles->BotaoCima() : janela.UpDownNumPuzzles->BotaoBaixo();
        for (int i = 0; i < c.cliques; ++i)
            QTest::mouseClick(botao, Qt::LeftButton);
        EXPECT_EQ(janela.EditNumPuzzles->text().toStdString(), c.depois);
        // The arrow keys in the edit do the same.
        Substituir(janela.EditNumPuzzles, c.antes);
        janela.UpDownNumPuzzles->SetPosicao(51);
        for (int i = 0; i < c.cliques; ++i)
            QTest::keyClick(janela.EditNumPuzzles, c.cima ? Qt::Key_Up : Qt::Key_Down);
        EXPECT_EQ(janela.EditNumPuzzles->text().toStdString(), c.depois);
        EXPECT_EQ(Resumo(), janela.EditNumPuzzles->text() == "1"
                                ? "1 puzzle \u00B7 11 \u00D7 11"
                                : std::string(c.depois) + " puzzles \u00B7 11 \u00D7 11");
        EXPECT_TRUE(PodeGerar());
    }
}

TEST_F(Janela, DefinirLimitesNaoDeixaOMinimoAcimaDoMaximo) {
    struct {
        int min, max, posicao;
    } casos[] = {{200, 300, 200}, {-10, -5, -5}, {1, 100, 1}, {5, 5, 5}};
    TUpDown updown;
    for (const auto& c : casos) {
        TFormMain::DefinirLimites(updown, c.min, c.max);
        EXPECT_EQ(updown.Min(), c.min);
        EXPECT_EQ(updown.Max(), c.max);
        EXPECT_EQ(updown.Posicao(), c.posicao);
    }
}

TEST_F(Janela, TituloComAcentos) {
    Escrever(janela.EditTituloLivro, "Férias de Verão çà");
    EXPECT_EQ(janela.EditTituloLivro->text().toStdString(), "Férias de Verão çà");
    EXPECT_EQ(Estado(), "");
    EXPECT_TRUE(PodeGerar());
    // The edit refuses the 41st character.
    Substituir(janela.EditTituloLivro, QString(40, QChar(u'ã')) + "x");
    EXPECT_EQ(janela.EditTituloLivro->text(), QString(40, QChar(u'ã')));
    EXPECT_TRUE(PodeGerar());
    TPedidoLivro pedido;
    std::string mensagem;
    Substituir(janela.EditTituloLivro, "   Livro  ");
    ASSERT_TRUE(janela.LerPedido(pedido, mensagem));
    EXPECT_EQ(pedido, (TPedidoLivro{.NumPuzzles = 30, .Lado = 11, .Titulo = "   Livro  "}));
    EXPECT_EQ(AnalisarOpcoes(pedido).Config->Titulo(), "Livro");
}

TEST_F(Janela, TituloNaoGuardaMeioCaracter) {
    // U+1F600 takes two of the 40 UTF-16 units: it goes in whole or not at all.
    const QString rosto = QString::fromUtf8("\U0001F600");
    const QString a38(38, 'a');
    struct {
        QString antes, inserido, depois;
        bool escrito; // typed as one key, else pasted
    } casos[] = {
        {a38 + "a", rosto, a38 + "a", true},       {a38 + "a", rosto, a38 + "a", false},
        {a38, rosto, a38 + rosto, true},           {a38, "b" + rosto, a38 + "b", false},
        {"", rosto + rosto, rosto + rosto, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.depois.toStdString());
        janela.EditTituloLivro->setText(c.antes);
        janela.EditTituloLivro->setFocus();
        janela.EditTituloLivro->end(false);
        if (c.escrito)
            QTest::sendKeyEvent(QTest::Click, janela.EditTituloLivro, Qt::Key_unknown, c.inserido,
                                Qt::NoModifier);
        else
            janela.EditTituloLivro->insert(c.inserido);
        EXPECT_EQ(janela.EditTituloLivro->text().toStdString(), c.depois.toStdString());
        TPedidoLivro pedido;
        std::string mensagem;
        ASSERT_TRUE(janela.LerPedido(pedido, mensagem));
        EXPECT_EQ(pedido.Titulo, c.depois.toStdString());
        // The book's fonts have no emoji: whole, it is refused by name.
        EXPECT_EQ(PodeGerar(), !c.depois.contains(rosto));
    }
}

TEST_F(Janela, JulgaAsOpcoesComoOComando) {
    for (const TCasoOpcoes& c : CasosOpcoes()) {
        SCOPED_TRACE(c.Nome);
        janela.EditNumPuzzles->setText(ParaQString(c.Puzzles));
        janela.EditTituloLivro->setText(ParaQString(c.Titulo));
        EXPECT_EQ(Estado(), c.Motivo);
        EXPECT_EQ(PodeGerar(), c.Motivo.empty());
    }
}

class Teclado : public Janela {
protected:
    void SetUp() override {
        Janela::SetUp();
        janela.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    }
    QWidget* Foco() { return QApplication::focusWidget(); }
};

TEST_F(Teclado, FocoComecaEmGerar) {
    EXPECT_EQ(Foco(), janela.BitBtnGerar);
}

TEST_F(Teclado, TabEntraNoGrupoPeloTamanhoEscolhido) {
    struct {
        QWidget* de;
        Qt::Key tecla;
    } casos[] = {{janela.BitBtnAjuda, Qt::Key_Tab}, {janela.EditNumPuzzles, Qt::Key_Backtab}};
    // As the window opens, and after another size was chosen with the keyboard.
    for (const int escolhido : {1, 2}) {
        for (const auto& c : casos) {
            c.de->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(c.de, c.tecla);
            EXPECT_EQ(Foco(), janela.RadioTamanhos[std::size_t(escolhido)])
                << escolhido << " " << c.de->objectName().toStdString();
        }
        QTest::keyClick(Foco(), Qt::Key_Down);
    }
}

TEST_F(Teclado, SetasPercorremOsTamanhos) {
    struct {
        int de;
        Qt::Key tecla;
        int para;
    } casos[] = {{1, Qt::Key_Down, 2}, {1, Qt::Key_Up, 0},    {0, Qt::Key_Up, 0},
                 {3, Qt::Key_Down, 3}, {1, Qt::Key_Right, 2}, {2, Qt::Key_Left, 1}};
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.de << " " << c.tecla);
        QTest::mouseClick(janela.RadioTamanhos[std::size_t(c.de)], Qt::LeftButton);
        QTest::keyClick(janela.RadioTamanhos[std::size_t(c.de)], c.tecla);
        EXPECT_EQ(Foco(), janela.RadioTamanhos[std::size_t(c.para)]);
        EXPECT_EQ(janela.GrupoTamanhos->checkedId(), c.para);
        EXPECT_EQ(Resumo(), "30 puzzles \u00B7 " +
                                janela.RadioTamanhos[std::size_t(c.para)]->text().toStdString());
    }
}

TEST_F(Teclado, EnterPremeOBotaoComFoco) {
    plataforma.Ficheiro.reset();
    for (const Qt::Key tecla : {Qt::Key_Return, Qt::Key_Enter}) {
        janela.BitBtnGerar->setFocus();
        QTest::keyClick(janela.BitBtnGerar, tecla);
    }
    EXPECT_EQ(plataforma.Propostos.size(), 2u);
    janela.BitBtnSair->setFocus();
    QTest::keyClick(janela.BitBtnSair, Qt::Key_Return);
    EXPECT_FALSE(janela.isVisible());
}

TEST_F(Janela, TituloColadoFicaComAPrimeiraLinha) {
    struct {
        QString antes;
        int cursor;
        QString colado, depois;
    } casos[] = {
        {"", 0, "Férias\nde Verão", "Férias"},
        {"Livro ", 6, "A\r\nB", "Livro A"},
        {"Livro 2026", 6, "de\nVerão ", "Livro de2026"},
        {"", 0, QString("Um") + QChar(0x2028) + "Dois", "Um"},
        {"", 0, QString("Um") + QChar(0x2029) + "Dois", "Um"},
        {"", 0, "Sem quebras", "Sem quebras"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.colado.toStdString());
        janela.EditTituloLivro->setText(c.antes);
        janela.EditTituloLivro->setCursorPosition(c.cursor);
        QGuiApplication::clipboard()->setText(c.colado);
        janela.EditTituloLivro->paste();
        EXPECT_EQ(janela.EditTituloLivro->text().toStdString(), c.depois.toStdString());
        TPedidoLivro pedido;
        std::string mensagem;
        ASSERT_TRUE(janela.LerPedido(pedido, mensagem));
        EXPECT_EQ(pedido.Titulo, c.depois.toStdString());
    }
}

TEST_F(Janela, TituloDizQuantosCaracteresRestam) {
    struct {
        QString antes, escrito, colado;
        const char* resta;
        const char* titulo;
    } casos[] = {
        {"", "", "", "restam 40 caracteres", ""},
        {"", "Férias", "", "restam 34 caracteres", "Férias"},
        {"", "", "Passatempos de palavras cruzadas para as férias grandes de Verão",
         "restam 0 caracteres", "Passatempos de palavras cruzadas para as"},
        {"", QString(39, 'a'), "", "resta 1 carácter", nullptr},
        // A character outside the BMP takes two of the 40.
        {"", QString(37, 'a'), QString::fromUtf8("\U0001F600"), "resta 1 carácter", nullptr},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.escrito.toStdString() + c.colado.toStdString());
        Substituir(janela.EditTituloLivro, c.escrito);
        if (!c.colado.isEmpty()) {
            QGuiApplication::clipboard()->setText(c.colado);
            QTest::keyClick(janela.EditTituloLivro, Qt::Key_V, Qt::ControlModifier);
        }
        EXPECT_EQ(janela.LabelTituloResta->text().toStdString(), c.resta);
        if (c.titulo != nullptr) {
            EXPECT_EQ(janela.EditTituloLivro->text().toStdString(), c.titulo);
        }
    }
}

TEST_F(Janela, TemaEscolhidoComTeclasERato) {
    const auto tema = [&] {
        TPedidoLivro pedido;
        std::string mensagem;
        EXPECT_TRUE(janela.LerPedido(pedido, mensagem)) << mensagem;
        return pedido.Tema;
    };
    EXPECT_EQ(janela.ComboTema->currentText().toStdString(), "Nenhum");
    EXPECT_FALSE(tema());
    janela.ComboTema->setFocus();
    QTest::keyClick(janela.ComboTema, Qt::Key_Down);
    ASSERT_TRUE(tema());
    EXPECT_EQ(tema()->Nome, "Animais");
    EXPECT_TRUE(tema()->Embutido);
    EXPECT_GE(tema()->Palavras.size(), 150u);
    EXPECT_EQ(Resumo(), "30 puzzles \u00B7 11 \u00D7 11 \u00B7 tema Animais");

    const auto pasta = std::filesystem::temp_directory_path() /
                       ("palvorin-janela-tema-" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta);
    const auto praia = pasta / "praia.txt";
    const auto vazio = pasta / "vazio.txt";
    const auto semGlifo = pasta / "\U0001F600.txt";
    std::ofstream(praia) << "areia\nx\nonda\n";
    std::ofstream(vazio) << "# nada\n";
    std::ofstream(semGlifo) << "mar\n";
    // The last item asks for a file; a file without words, or none, leaves the choice as it was.
    const struct {
        std::optional<std::filesystem::path> Ficheiro;
        std::string Escolhido;
        std::string Registo;
    } casos[] = {
        {std::nullopt, "Animais", "escolher tema"},
        {vazio, "Animais",
         "erro: Não foi possível usar o tema. O tema «" + vazio.string() +
             "» não tem nenhuma palavra aceite."},
        {praia, "Ficheiro: praia",
         "aviso: O tema «praia» tem 1 linha rejeitada:\nlinha 2: «x» - comprimento fora de 2 a "
         "15 letras"},
    };
    for (const auto& c : casos) {
        plataforma.FicheiroTema = c.Ficheiro;
        plataforma.Registo.clear();
        QTest::keyClick(janela.ComboTema, Qt::Key_End);
        EXPECT_EQ(janela.ComboTema->currentText().toStdString(), c.Escolhido);
        EXPECT_EQ(plataforma.Registo.back(), c.Registo);
    }
    ASSERT_TRUE(tema());
    EXPECT_FALSE(tema()->Embutido);
    EXPECT_EQ(tema()->Ficheiro, praia.string());
    EXPECT_EQ(tema()->Palavras.size(), 2u);
    EXPECT_TRUE(PodeGerar());

    // Chosen with the mouse from the open list, a file the cover cannot name is refused as the
    // command refuses it.
    plataforma.FicheiroTema = semGlifo;
    janela.ComboTema->showPopup();
    QAbstractItemView* lista = janela.ComboTema->view();
    const QModelIndex ultimo = lista->model()->index(janela.ComboTema->count() - 1, 0);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualRect(ultimo).center());
    EXPECT_EQ(janela.ComboTema->currentText().toStdString(), "Ficheiro: \U0001F600");
    EXPECT_FALSE(PodeGerar());
    EXPECT_EQ(Estado(), "O tipo de letra do livro não tem estes caracteres do nome do tema: "
                        "«\U0001F600» (U+1F600).");

    QTest::keyClick(janela.ComboTema, Qt::Key_Home);
    EXPECT_FALSE(tema());
    EXPECT_TRUE(PodeGerar());
    std::filesystem::remove_all(pasta);
}

TEST_F(Janela, SairFechaQuandoNaoHaCorrida) {
    QTest::mouseClick(janela.BitBtnSair, Qt::LeftButton);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_TRUE(plataforma.Registo.empty());
}

TEST(Arranque, HaEcra) {
    using TAmbiente = std::map<std::string, std::string>;
    struct {
        TAmbiente ambiente;
        bool ecra;
    } casos[] = {
        {{}, false},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, false},
        {{{"DISPLAY", ":0"}}, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, true},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, true},
        {{{"HOME", "/root"}}, false},
    };
    for (const auto& c : casos) {
        const auto ler = [&](const char* ANome) -> const char* {
            const auto it = c.ambiente.find(ANome);
            return it == c.ambiente.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(HaEcra(ler), c.ecra);
    }
}

std::vector<QString>& AvisosDoQt() {
    static std::vector<QString> avisos;
    return avisos;
}

void GuardarAviso(QtMsgType, const QMessageLogContext&, const QString& ATexto) {
    AvisosDoQt().push_back(ATexto);
}

// Whatever XDG_RUNTIME_DIR holds, Qt finds a private run-time folder and says nothing; a folder
// the window made for itself goes with it.
TEST(Arranque, PastaDeExecucaoSemAvisosDoQt) {
    const char* original = std::getenv("XDG_RUNTIME_DIR");
    const std::optional<std::string> antes =
        original ? std::optional<std::string>(original) : std::nullopt;
    std::string base = (std::filesystem::temp_directory_path() / "palvorin-xdg-XXXXXX").string();
    ASSERT_NE(mkdtemp(base.data()), nullptr);
    const std::string boa = base + "/boa";
    const std::string aberta = base + "/aberta";
    std::filesystem::create_directory(boa);
    std::filesystem::create_directory(aberta);
    chmod(boa.c_str(), 0700);
    chmod(aberta.c_str(), 0755);
    std::ofstream(base + "/ficheiro") << "x";
    const std::optional<std::string> casos[] = {
        std::nullopt, "", "relativa", base + "/nao/existe", base + "/ficheiro", aberta, boa,
    };
    for (const auto& c : casos) {
        if (c)
            setenv("XDG_RUNTIME_DIR", c->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
        std::string usada;
        {
            const TPastaDeExecucao pasta;
            AvisosDoQt().clear();
            const QtMessageHandler anterior = qInstallMessageHandler(GuardarAviso);
            usada = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toStdString();
            qInstallMessageHandler(anterior);
            EXPECT_TRUE(AvisosDoQt().empty())
                << c.value_or("(nada)") << ": " << AvisosDoQt().front().toStdString();
            EXPECT_EQ(usada, std::getenv("XDG_RUNTIME_DIR"));
        }
        if (c == boa)
            EXPECT_EQ(usada, boa);
        else
            EXPECT_FALSE(std::filesystem::exists(usada)) << usada;
    }
    if (antes)
        setenv("XDG_RUNTIME_DIR", antes->c_str(), 1);
    else
        unsetenv("XDG_RUNTIME_DIR");
    std::filesystem::remove_all(base);
}

TEST(Arranque, DialogosEmPortuguesSejaQualForOIdiomaDoSistema) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    // The test runs under whatever locale it was started with (CI: C.UTF-8).
    CarregarTraducoes(*app);
    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 10), "d 'de' MMMM").toStdString(),
              "10 de dezembro");
    EXPECT_EQ(QMimeDatabase().mimeTypeForName("application/pdf").comment().toStdString(),
              "documento PDF");
    QLocale::setDefault(QLocale::system());
}

TEST(Arranque, EstiloSkyEstaNoPrograma) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    AplicarEstilo(*app);
    EXPECT_TRUE(app->styleSheet().contains("QProgressBar::chunk"));
    app->setStyleSheet("");
}

TEST(Arranque, IconeDesenhaOEmblema) {
    const QImage icone = DesenharIcone(100);
    ASSERT_EQ(icone.size(), QSize(100, 100));
    // Board from 10 to 90, cells of 16: black in the corners, white in the middle.
    auto centro = [&](int ALinha, int AColuna) {
        return QColor(icone.pixel(10 + AColuna * 16 + 3, 10 + ALinha * 16 + 3)).lightness();
    };
    EXPECT_LT(centro(0, 0), 80);
    EXPECT_LT(centro(4, 4), 80);
    EXPECT_LT(centro(0, 2), 80);
    EXPECT_GT(centro(1, 0), 200);
    EXPECT_GT(centro(2, 2), 200);
    EXPECT_EQ(qAlpha(icone.pixel(0, 0)), 0);
}

} // namespace

TEST_F(Janela, ResumoMaisLongoCabeNoSeuLugar) {
    // Every choice that adds to the summary, each at its longest, chosen as a user would.
    QTest::mouseClick(janela.RadioTamanhos[3], Qt::LeftButton);
    janela.EditNumPuzzles->selectAll();
    QTest::keyClicks(janela.EditNumPuzzles, "100");
    QTest::keyClick(janela.ComboBoxNivel, Qt::Key_End);
    while (janela.ComboTema->currentText() != "Profissões e ferramentas" &&
           janela.ComboTema->currentIndex() < janela.ComboTema->count() - 2)
        QTest::keyClick(janela.ComboTema, Qt::Key_Down);
    QTest::mouseClick(janela.CheckBoxGrafica, Qt::LeftButton);
    QTest::keyClick(janela.ComboBoxFormato, Qt::Key_Home);
    for (int i = 0; i < janela.ComboBoxFormato->count(); ++i) {
        if (i > 0)
            QTest::keyClick(janela.ComboBoxFormato, Qt::Key_Down);
        // Large print where the format takes it.
        if (janela.CheckBoxLetraGrande->isEnabled() && !janela.CheckBoxLetraGrande->isChecked())
            QTest::mouseClick(janela.CheckBoxLetraGrande, Qt::LeftButton);
        SCOPED_TRACE(Resumo());
        EXPECT_EQ(Resumo().rfind("100 puzzles \u00B7 15 \u00D7 15 \u00B7 nível Difícil", 0), 0u);
        EXPECT_NE(Resumo().find("para gráfica \u00B7 tema Profissões e ferramentas"),
                  std::string::npos);
        QLabel* resumo = janela.LabelResumo;
        EXPECT_LE(resumo->heightForWidth(resumo->width()), resumo->height());
    }
}
