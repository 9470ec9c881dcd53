#include "UnitPalvorinPlataformaQt.hpp"

#include "UnitPalvorinQtTexto.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
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
        auto* campo = findChild<QLineEdit*>("fileNameEdit");
        auto* lista = findChild<QAbstractItemView*>("listView");
        if (campo != nullptr && lista != nullptr && !campo->text().isEmpty()) {
            // The name field decides, as the user sees it: the rows its completion selected on
            // the way to a typed path would otherwise count as chosen files.
            const QString escrito = campo->text();
            lista->selectionModel()->clearSelection();
            campo->setText(escrito);
            const QStringList escolhidos = selectedFiles();
            if (escolhidos.size() == 1 && !QFileInfo(escolhidos.constFirst()).isDir() &&
                !escolhidos.constFirst().endsWith(".pdf", Qt::CaseInsensitive)) {
                QString nome = escrito;
                while (nome.endsWith('.'))
                    nome.chop(1);
                // Into the field itself: selectFile leaves it alone while it has the focus,
                // which it has when Enter was pressed there.
                campo->setText(nome + ".pdf");
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
    caixa.setIcon(ATipo == TTipoMensagem::tmAviso  ? QMessageBox::Warning
                  : ATipo == TTipoMensagem::tmErro ? QMessageBox::Critical
                                                   : QMessageBox::Information);
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

// ~/.config/palvorin/palvorin.conf
std::string TPlataformaQt::LerPreferencia(const std::string& AChave) {
    return ParaUtf8(QSettings("palvorin", "palvorin").value(ParaQString(AChave)).toString());
}

void TPlataformaQt::GravarPreferencia(const std::string& AChave, const std::string& AValor) {
    QSettings preferencias("palvorin", "palvorin");
    preferencias.setValue(ParaQString(AChave), ParaQString(AValor));
    preferencias.sync();
}

void TPlataformaQt::FecharCaixas() {
    // Refused rather than closed: a question without an escape button would not close.
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (auto* dialogo = qobject_cast<QDialog*>(janela); dialogo && dialogo->isVisible())
            dialogo->reject();
}

} // namespace palvorin
