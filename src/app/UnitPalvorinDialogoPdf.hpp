#pragma once

#include <QFileDialog>

namespace palvorin {

// Qt's own save dialog (never the desktop's, whose language and behaviour the program cannot
// set), made for the book: the final name always ends in ".pdf", the file list speaks the
// program's language, its columns are wide enough for what they show, and the whole dialog
// fits the screen it opens on.
class TDialogoPdf : public QFileDialog {
public:
    explicit TDialogoPdf(QWidget* APai);

    // Sized for its columns within ADisponivel, the screen's free part, less AMoldura, the
    // window frame; called before it shows, so that it is centred at its real size.
    void AjustarAoEcra(const QRect& ADisponivel, const QSize& AMoldura);

protected:
    void accept() override;
    void showEvent(QShowEvent* AEvento) override;

private:
    // The widths the size, type and date columns need; the name column takes the rest.
    int DarLarguraAsColunas();
};

} // namespace palvorin
