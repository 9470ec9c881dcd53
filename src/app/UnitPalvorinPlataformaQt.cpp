#include "UnitPalvorinPlataformaQt.hpp"

#include "UnitPalvorinQtTexto.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace palvorin {

namespace {

// The file list's dates in the program's language: Qt writes them in the system's.
class TDatasNoIdioma : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& AIndice, int APapel) const override {
        constexpr int COLUNA_DATA = 3;
        const auto* ficheiros = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (ficheiros == nullptr || AIndice.column() != COLUNA_DATA || APapel != Qt::DisplayRole)
            return QIdentityProxyModel::data(AIndice, APapel);
        return QLocale().toString(ficheiros->lastModified(mapToSource(AIndice)),
                                  QLocale::ShortFormat);
    }
};

// The save dialog whose final name always ends in ".pdf": Qt adds the suffix only to a name
// without a dot, so "Férias 2.0" would be saved as it stands. The name is completed before
// Qt's own accept, so that the replace question is asked about the file really written.
class TDialogoPdf : public QFileDialog {
public:
    explicit TDialogoPdf(QWidget* APai) : QFileDialog(APai) {
        setOption(QFileDialog::DontUseNativeDialog);
        setProxyModel(new TDatasNoIdioma(this));
    }

protected:
    void accept() override {
        const QStringList escolhidos = selectedFiles();
        if (escolhidos.size() == 1) {
            QString nome = escolhidos.constFirst();
            if (!QFileInfo(nome).isDir() && !nome.endsWith(".pdf", Qt::CaseInsensitive)) {
                while (nome.endsWith('.'))
                    nome.chop(1);
                selectFile(nome + ".pdf");
            }
        }
        QFileDialog::accept();
    }
};

} // namespace

TResposta TPlataformaQt::Mensagem(TTipoMensagem ATipo, const std::string& ATexto) {
    QMessageBox caixa;
    caixa.setWindowTitle(TITULO_APLICACAO);
    caixa.setText(ParaQString(ATexto));
    if (ATipo == TTipoMensagem::tmConfirmacao) {
        caixa.setIcon(QMessageBox::Question);
        caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        caixa.button(QMessageBox::Yes)->setText("Sim");
        caixa.button(QMessageBox::No)->setText("Não");
        caixa.setDefaultButton(QMessageBox::No);
        return caixa.exec() == QMessageBox::Yes ? TResposta::rsSim : TResposta::rsNao;
    }
    caixa.setIcon(ATipo == TTipoMensagem::tmAviso ? QMessageBox::Warning : QMessageBox::Critical);
    caixa.setStandardButtons(QMessageBox::Ok);
    caixa.exec();
    return TResposta::rsOk;
}

std::optional<std::filesystem::path>
TPlataformaQt::EscolherFicheiroPdf(const std::string& ANomeProposto) {
    TDialogoPdf dialogo(QApplication::activeWindow());
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilter("Ficheiros PDF (*.pdf)");
    dialogo.setDefaultSuffix("pdf");
    dialogo.setLabelText(QFileDialog::LookIn, "Procurar em:");
    dialogo.setLabelText(QFileDialog::FileName, "Nome do ficheiro:");
    dialogo.setLabelText(QFileDialog::FileType, "Tipo de ficheiro:");
    dialogo.setLabelText(QFileDialog::Accept, "Gravar");
    dialogo.setLabelText(QFileDialog::Reject, "Cancelar");
    dialogo.selectFile(ParaQString(ANomeProposto));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return std::nullopt;
    return ParaCaminho(dialogo.selectedFiles().constFirst());
}

void TPlataformaQt::AbrirDocumento(const std::filesystem::path& ACaminho) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(CaminhoParaQString(ACaminho)));
}

std::filesystem::path TPlataformaQt::PastaDoPrograma() {
    return ParaCaminho(QDir(QCoreApplication::applicationDirPath()).absolutePath() + "/");
}

void TPlataformaQt::FecharCaixas() {
    // Refused rather than closed: a question without an escape button would not close.
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (auto* dialogo = qobject_cast<QDialog*>(janela); dialogo && dialogo->isVisible())
            dialogo->reject();
}

} // namespace palvorin
