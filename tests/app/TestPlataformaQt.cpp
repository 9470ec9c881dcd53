// The real dialogs, answered by a timer that acts on whichever modal box is open.
#include "UnitPalvorinPlataformaQt.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
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

TEST_F(DialogoPdf, AcrescentaPdfEPerguntaAntesDeSubstituir) {
    std::ofstream(pasta / "livro.pdf") << "antigo";
    for (const bool substituir : {false, true}) {
        SCOPED_TRACE(substituir);
        QString pergunta;
        QuandoAbrir([&](QWidget* AModal) {
            auto* dialogo = qobject_cast<QFileDialog*>(AModal);
            ASSERT_NE(dialogo, nullptr);
            dialogo->setDirectory(QString::fromStdString(pasta.string()));
            dialogo->selectFile("livro");
            QuandoAbrir([&](QWidget* AResposta) {
                auto* caixa = qobject_cast<QMessageBox*>(AResposta);
                ASSERT_NE(caixa, nullptr);
                pergunta = caixa->text();
                caixa->button(substituir ? QMessageBox::Yes : QMessageBox::No)->click();
                if (!substituir)
                    dialogo->reject();
            });
            static_cast<QDialog*>(dialogo)->accept();
        });
        const auto escolhido = plataforma.EscolherFicheiroPdf("Palvorin_11x11_30.pdf");
        EXPECT_TRUE(pergunta.contains("livro.pdf")) << pergunta.toStdString();
        if (substituir) {
            EXPECT_EQ(escolhido, pasta / "livro.pdf");
        } else {
            EXPECT_EQ(escolhido, std::nullopt);
        }
    }
}

} // namespace
