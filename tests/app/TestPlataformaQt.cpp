// The real dialogs, answered by a timer that acts on whichever modal box is open.
#include "UnitPalvorinAjuda.hpp"
#include "UnitPalvorinPlataformaQt.hpp"

#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <chrono>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace palvorin;

namespace {

// Runs AAcao on the modal box open once the event loop turns.
void QuandoAbrir(std::function<void(QWidget*)> AAcao) {
    QTimer::singleShot(0, [AAcao] { AAcao(QApplication::activeModalWidget()); });
}

TEST(PlataformaQt, CaixasDeMensagem) {
    struct {
        TTipoMensagem tipo;
        QMessageBox::Icon icone;
        QMessageBox::StandardButtons botoes;
        QMessageBox::StandardButton premido;
        TResposta resposta;
    } casos[] = {
        {TTipoMensagem::tmAviso, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok,
         TResposta::rsOk},
        {TTipoMensagem::tmErro, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
         TResposta::rsOk},
        {TTipoMensagem::tmInformacao, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok,
         TResposta::rsOk},
        {TTipoMensagem::tmConfirmacao, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Yes, TResposta::rsSim},
        {TTipoMensagem::tmConfirmacao, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::No, TResposta::rsNao},
    };
    TPlataformaQt plataforma;
    for (const auto& c : casos) {
        SCOPED_TRACE(int(c.premido));
        bool vista = false;
        QuandoAbrir([&](QWidget* AModal) {
            auto* caixa = qobject_cast<QMessageBox*>(AModal);
            ASSERT_NE(caixa, nullptr);
            vista = true;
            EXPECT_EQ(caixa->windowTitle(), "PALVORIN");
            EXPECT_EQ(caixa->text().toStdString(), "Linha 1\r\nLinha 2 ção");
            EXPECT_EQ(caixa->icon(), c.icone);
            EXPECT_EQ(caixa->standardButtons(), c.botoes);
            caixa->button(c.premido)->click();
        });
        EXPECT_EQ(plataforma.Mensagem(c.tipo, "Linha 1\r\nLinha 2 ção"), c.resposta);
        EXPECT_TRUE(vista);
    }
}

// Also run at 2x on a 1280 x 800 screen, where Qt's narrow lines made the help taller than it.
TEST(PlataformaQt, AjudaCabeNoEcraEAbreOAcerca) {
    TPlataformaQt plataforma;
    QString acerca;
    QuandoAbrir([&](QWidget* AModal) {
        auto* caixa = qobject_cast<QMessageBox*>(AModal);
        ASSERT_NE(caixa, nullptr);
        EXPECT_TRUE(caixa->screen()->availableGeometry().contains(caixa->frameGeometry()))
            << caixa->frameGeometry().height();
        QAbstractButton* botao = nullptr;
        for (QAbstractButton* b : caixa->buttons())
            if (b->text() == "&Acerca")
                botao = b;
        ASSERT_NE(botao, nullptr);
        QuandoAbrir([&](QWidget* AOutra) {
            auto* outra = qobject_cast<QMessageBox*>(AOutra);
            ASSERT_NE(outra, nullptr);
            acerca = outra->text();
            QTest::mouseClick(outra->button(QMessageBox::Ok), Qt::LeftButton);
        });
        QTest::mouseClick(botao, Qt::LeftButton);
    });
    plataforma.MostrarAjuda(TextoAjuda(), TextoAcerca());
    EXPECT_EQ(acerca.toStdString(), TextoAcerca());
}

TEST(PlataformaQt, PreferenciasFicamNoFicheiroDoUtilizador) {
    const std::filesystem::path pasta = std::filesystem::temp_directory_path() /
                                        ("palvorin-preferencias-" + std::to_string(::getpid()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(pasta.string()));
    {
        TPlataformaQt plataforma;
        EXPECT_EQ(plataforma.LerPreferencia("pasta"), "");
        plataforma.GravarPreferencia("pasta", "/home/ana/Férias 2.0");
        plataforma.GravarPreferencia("lado", "15");
        // On disk at once, not when the program ends.
        EXPECT_TRUE(std::filesystem::exists(pasta / "palvorin" / "palvorin.conf"));
    }
    TPlataformaQt outra;
    EXPECT_EQ(outra.LerPreferencia("pasta"), "/home/ana/Férias 2.0");
    EXPECT_EQ(outra.LerPreferencia("lado"), "15");
    std::filesystem::remove_all(pasta);
}

class DialogoPdf : public ::testing::Test {
protected:
    std::filesystem::path pasta =
        std::filesystem::temp_directory_path() / ("palvorin-dialogo-" + std::to_string(::getpid()));
    TPlataformaQt plataforma;

    void SetUp() override { std::filesystem::create_directories(pasta); }
    void TearDown() override { std::filesystem::remove_all(pasta); }
};

TEST_F(DialogoPdf, PropoeONomeEDesistirNaoDaCaminho) {
    QuandoAbrir([](QWidget* AModal) {
        auto* dialogo = qobject_cast<QFileDialog*>(AModal);
        ASSERT_NE(dialogo, nullptr);
        EXPECT_EQ(dialogo->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialogo->nameFilters(), QStringList{"Ficheiros PDF (*.pdf)"});
        EXPECT_EQ(dialogo->defaultSuffix(), "pdf");
        EXPECT_FALSE(dialogo->testOption(QFileDialog::DontConfirmOverwrite));
        ASSERT_FALSE(dialogo->selectedFiles().isEmpty());
        EXPECT_TRUE(dialogo->selectedFiles().constFirst().endsWith("/Palvorin_11x11_30.pdf"));
        dialogo->reject();
    });
    EXPECT_EQ(plataforma.EscolherFicheiroPdf("Palvorin_11x11_30.pdf"), std::nullopt);
}

TEST_F(DialogoPdf, DatasNoIdiomaDoProgramaENaoNoDoSistema) {
    std::ofstream(pasta / "livro.pdf") << "antigo";
    const QDateTime hora(QDate(2026, 12, 10), QTime(17, 39));
    std::filesystem::last_write_time(
        pasta / "livro.pdf",
        std::filesystem::file_time_type::clock::now() +
            std::chrono::seconds(hora.toSecsSinceEpoch() - QDateTime::currentSecsSinceEpoch()));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    QString data;
    QuandoAbrir([&](QWidget* AModal) {
        auto* dialogo = qobject_cast<QFileDialog*>(AModal);
        ASSERT_NE(dialogo, nullptr);
        dialogo->setDirectory(QString::fromStdString(pasta.string()));
        auto* lista = dialogo->findChild<QTreeView*>("treeView");
        ASSERT_NE(lista, nullptr);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return lista->model()->rowCount(lista->rootIndex()) > 0; }, 5000));
        data = lista->model()->index(0, 3, lista->rootIndex()).data().toString();
        dialogo->reject();
    });
    plataforma.EscolherFicheiroPdf("Palvorin_11x11_30.pdf");
    QLocale::setDefault(QLocale::system());
    EXPECT_EQ(data.toStdString(), "10/12/26 17:39");
}

TEST_F(DialogoPdf, NomeFinalAcabaEmPdfEAPerguntaEPorEle) {
    std::ofstream(pasta / "livro.pdf") << "antigo";
    std::ofstream(pasta / "Férias 2.0.pdf") << "antigo";
    struct {
        const char* escrito;
        const char* final;
        bool existe;
        bool substituir;
    } casos[] = {
        {"livro", "livro.pdf", true, false},          {"livro", "livro.pdf", true, true},
        {"Férias 2.0", "Férias 2.0.pdf", true, true}, {"Notas 1.5", "Notas 1.5.pdf", false, false},
        {"notas.", "notas.pdf", false, false},        {"CAPA.PDF", "CAPA.PDF", false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.escrito << " " << c.substituir);
        QString pergunta;
        QuandoAbrir([&](QWidget* AModal) {
            auto* dialogo = qobject_cast<QFileDialog*>(AModal);
            ASSERT_NE(dialogo, nullptr);
            dialogo->setDirectory(QString::fromStdString(pasta.string()));
            dialogo->selectFile(QString::fromUtf8(c.escrito));
            if (c.existe) {
                QuandoAbrir([&](QWidget* AResposta) {
                    auto* caixa = qobject_cast<QMessageBox*>(AResposta);
                    ASSERT_NE(caixa, nullptr);
                    pergunta = caixa->text();
                    caixa->button(c.substituir ? QMessageBox::Yes : QMessageBox::No)->click();
                    if (!c.substituir)
                        dialogo->reject();
                });
            }
            static_cast<QDialog*>(dialogo)->accept();
        });
        const auto escolhido = plataforma.EscolherFicheiroPdf("Palvorin_11x11_30.pdf");
        if (c.existe) {
            EXPECT_TRUE(pergunta.contains(QString::fromUtf8(c.final))) << pergunta.toStdString();
        }
        if (c.existe && !c.substituir) {
            EXPECT_EQ(escolhido, std::nullopt);
        } else {
            EXPECT_EQ(escolhido, pasta / c.final);
        }
    }
}

TEST_F(DialogoPdf, NomeEscritoConfirmadoComEnterOuGravar) {
    std::ofstream(pasta / "livro.pdf") << "antigo";
    std::filesystem::create_directories(pasta / "sub");
    struct {
        QString escrito;
        bool comEnter;
        const char* final;
    } casos[] = {
        {"Férias 2.0", true, "Férias 2.0.pdf"},
        {"Férias 2.0", false, "Férias 2.0.pdf"},
        {"notas.", true, "notas.pdf"},
        {"CAPA.PDF", true, "CAPA.PDF"},
        {"livro", true, "livro.pdf"}, // replaced: the question is answered Sim
        {QString::fromStdString((pasta / "sub" / "Verão 1.5").string()), true, "sub/Verão 1.5.pdf"},
        {"sub/dentro", true, "sub/dentro.pdf"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.escrito.toStdString() << " " << c.comEnter);
        QString pergunta;
        QuandoAbrir([&](QWidget* AModal) {
            auto* dialogo = qobject_cast<QFileDialog*>(AModal);
            ASSERT_NE(dialogo, nullptr);
            dialogo->setDirectory(QString::fromStdString(pasta.string()));
            auto* nome = dialogo->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(nome, nullptr);
            nome->setFocus();
            QTest::keyClick(nome, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(nome, Qt::Key_Backspace);
            for (const QChar letra : c.escrito) {
                if (letra.unicode() < 128)
                    QTest::keyClick(nome, letra.toLatin1());
                else
                    QTest::sendKeyEvent(QTest::Click, nome, Qt::Key_unknown, QString(letra),
                                        Qt::NoModifier);
                // At a person's pace: the completion has time to act, as it does for them.
                QTest::qWait(15);
            }
            QuandoAbrir([&](QWidget* AResposta) {
                if (auto* caixa = qobject_cast<QMessageBox*>(AResposta)) {
                    pergunta = caixa->text();
                    QTest::mouseClick(caixa->button(QMessageBox::Yes), Qt::LeftButton);
                }
            });
            if (c.comEnter) {
                QTest::keyClick(nome, Qt::Key_Return);
            } else {
                auto* caixa = dialogo->findChild<QDialogButtonBox*>("buttonBox");
                ASSERT_NE(caixa, nullptr);
                QTest::mouseClick(caixa->button(QDialogButtonBox::Save) != nullptr
                                      ? caixa->button(QDialogButtonBox::Save)
                                      : caixa->buttons().constFirst(),
                                  Qt::LeftButton);
            }
        });
        // A dialog still open after the keys would wait for ever.
        QTimer vigia;
        vigia.setSingleShot(true);
        QObject::connect(&vigia, &QTimer::timeout, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "ficou aberta: " << modal->metaObject()->className();
                modal->reject();
            }
        });
        vigia.start(5000);
        const auto escolhido = plataforma.EscolherFicheiroPdf("Palvorin_11x11_30.pdf");
        EXPECT_EQ(escolhido, pasta / c.final);
        if (std::string(c.final) == "livro.pdf") {
            EXPECT_TRUE(pergunta.contains("livro.pdf")) << pergunta.toStdString();
        }
    }
}

} // namespace

// Run twice by ctest: as is, and at 2x on a 1280 x 800 screen, where Qt's own size was taller
// than the screen. Qt sizes the columns for short English samples.
TEST_F(DialogoPdf, CabeNoEcraEAsColunasMostramTudo) {
    std::ofstream(pasta / "Palvorin_11x11_30.pdf") << std::string(405000, 'x');
    std::ofstream(pasta / "Férias de Verão 2026.pdf") << std::string(1500000, 'x');
    std::filesystem::create_directories(pasta / "Livros antigos");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    bool visto = false;
    QuandoAbrir([&](QWidget* AModal) {
        auto* dialogo = qobject_cast<QFileDialog*>(AModal);
        ASSERT_NE(dialogo, nullptr);
        visto = true;
        const QRect ecra = dialogo->screen()->availableGeometry();
        EXPECT_TRUE(ecra.contains(dialogo->frameGeometry()))
            << dialogo->frameGeometry().height() << " > " << ecra.height();
        auto* lista = dialogo->findChild<QTreeView*>("treeView");
        ASSERT_NE(lista, nullptr);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return lista->model()->rowCount(lista->rootIndex()) == 3; }, 5000));
        QStyleOptionViewItem opcao;
        opcao.initFrom(lista);
        for (int coluna = 1; coluna <= 3; ++coluna) {
            const int largura = lista->header()->sectionSize(coluna);
            EXPECT_GE(largura, lista->header()->sectionSizeHint(coluna)) << coluna;
            for (int linha = 0; linha < 3; ++linha) {
                const QModelIndex celula = lista->model()->index(linha, coluna, lista->rootIndex());
                EXPECT_GE(largura, lista->itemDelegate()->sizeHint(opcao, celula).width())
                    << celula.data().toString().toStdString();
            }
        }
        dialogo->reject();
    });
    plataforma.EscolherFicheiroPdf((pasta / "Palvorin_11x11_30.pdf").string());
    QLocale::setDefault(QLocale::system());
    EXPECT_TRUE(visto);
}
