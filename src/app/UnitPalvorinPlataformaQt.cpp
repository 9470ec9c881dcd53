#include "UnitPalvorinPlataformaQt.hpp"

#include "UnitPalvorinDialogoPdf.hpp"
#include "UnitPalvorinQtTexto.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QUrl>
#include <algorithm>

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
    caixa.setIcon(ATipo == TTipoMensagem::tmAviso  ? QMessageBox::Warning
                  : ATipo == TTipoMensagem::tmErro ? QMessageBox::Critical
                                                   : QMessageBox::Information);
    caixa.setStandardButtons(QMessageBox::Ok);
    caixa.exec();
    return TResposta::rsOk;
}

void TPlataformaQt::MostrarAjuda(const std::string& AAjuda, const std::string& AAcerca) {
    QMessageBox caixa;
    caixa.setWindowTitle(TITULO_APLICACAO);
    caixa.setText(ParaQString(AAjuda));
    caixa.setIcon(QMessageBox::Information);
    caixa.setStandardButtons(QMessageBox::Ok);
    QPushButton* acerca = caixa.addButton("&Acerca", QMessageBox::ActionRole);
    // Qt wraps a message at half a small screen's width, which made the help taller than the
    // screen at 2x on 1280 x 800: wider lines keep it short.
    if (const QScreen* ecra = QGuiApplication::primaryScreen())
        if (auto* rotulo = caixa.findChild<QLabel*>("qt_msgbox_label"))
            rotulo->setMinimumWidth(std::min(560, ecra->availableGeometry().width() - 160));
    caixa.exec();
    if (caixa.clickedButton() == acerca)
        Mensagem(TTipoMensagem::tmInformacao, AAcerca);
}

std::optional<std::filesystem::path>
TPlataformaQt::EscolherFicheiroPdf(const std::string& ANomeProposto) {
    QWidget* pai = QApplication::activeWindow();
    TDialogoPdf dialogo(pai);
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
    if (const QScreen* ecra = pai != nullptr ? pai->screen() : QGuiApplication::primaryScreen()) {
        // The frame is not known before the dialog shows: the parent's, or a title bar's worth.
        const QSize moldura = pai != nullptr ? pai->frameGeometry().size() - pai->size() : QSize();
        dialogo.AjustarAoEcra(ecra->availableGeometry(), moldura.expandedTo(QSize(8, 32)));
    }
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return std::nullopt;
    return ParaCaminho(dialogo.selectedFiles().constFirst());
}

std::optional<std::filesystem::path> TPlataformaQt::EscolherFicheiroTema() {
    QFileDialog dialogo(QApplication::activeWindow());
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setWindowTitle("Escolher o ficheiro do tema");
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setNameFilters({"Listas de palavras (*.txt)", "Todos os ficheiros (*)"});
    dialogo.setLabelText(QFileDialog::LookIn, "Procurar em:");
    dialogo.setLabelText(QFileDialog::FileName, "Nome do ficheiro:");
    dialogo.setLabelText(QFileDialog::FileType, "Tipo de ficheiro:");
    dialogo.setLabelText(QFileDialog::Accept, "Abrir");
    dialogo.setLabelText(QFileDialog::Reject, "Cancelar");
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
