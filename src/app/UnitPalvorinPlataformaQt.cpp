#include "UnitPalvorinPlataformaQt.hpp"

#include "UnitPalvorinQtTexto.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace palvorin {

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
    QFileDialog dialogo(QApplication::activeWindow());
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

} // namespace palvorin
