#include "UnitPalvorinDialogoPdf.hpp"

#include <QAbstractItemView>
#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMimeDatabase>
#include <QTreeView>
#include <algorithm>

namespace palvorin {

namespace {

enum TColuna { clNome, clTamanho, clTipo, clData };

// The file list's dates in the program's language: Qt writes them in the system's.
class TDatasNoIdioma : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& AIndice, int APapel) const override {
        const auto* ficheiros = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (ficheiros == nullptr || AIndice.column() != clData || APapel != Qt::DisplayRole)
            return QIdentityProxyModel::data(AIndice, APapel);
        return QLocale().toString(ficheiros->lastModified(mapToSource(AIndice)),
                                  QLocale::ShortFormat);
    }
};

// The widest text each column shows; Qt sizes them for short English samples.
QStringList AmostrasDaColuna(int AColuna) {
    switch (AColuna) {
    case clTamanho:
        return {"1023.99 KiB", "1023,99 MiB"};
    case clTipo:
        return {QMimeDatabase().mimeTypeForName("application/pdf").comment(),
                QMimeDatabase().mimeTypeForName("inode/directory").comment(),
                "Folder"}; // Qt's own untranslated word for a folder
    default:
        return {QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)),
                                   QLocale::ShortFormat)};
    }
}

} // namespace

TDialogoPdf::TDialogoPdf(QWidget* APai) : QFileDialog(APai) {
    setOption(QFileDialog::DontUseNativeDialog);
    setProxyModel(new TDatasNoIdioma(this));
}

int TDialogoPdf::DarLarguraAsColunas() {
    auto* lista = findChild<QTreeView*>("treeView");
    if (lista == nullptr)
        return 0;
    QHeaderView* cabecalho = lista->header();
    const QFontMetrics medidas = lista->fontMetrics();
    // What the item delegate puts around a text, and a little air.
    const int folga =
        2 * (lista->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lista) + 1) +
        medidas.averageCharWidth();
    int soma = 0;
    for (const int coluna : {clTamanho, clTipo, clData}) {
        int largura = cabecalho->sectionSizeHint(coluna);
        for (const QString& amostra : AmostrasDaColuna(coluna))
            largura = std::max(largura, medidas.horizontalAdvance(amostra) + folga);
        cabecalho->resizeSection(coluna, largura);
        soma += largura;
    }
    // The name gives way first, elided in the middle, rather than a column of facts.
    cabecalho->setStretchLastSection(false);
    cabecalho->setSectionResizeMode(clNome, QHeaderView::Stretch);
    return soma;
}

void TDialogoPdf::AjustarAoEcra(const QRect& ADisponivel, const QSize& AMoldura) {
    QSize desejado = sizeHint();
    const int colunas = DarLarguraAsColunas();
    const auto* lista = findChild<QTreeView*>("treeView");
    const auto* lateral = findChild<QAbstractItemView*>("sidebar");
    if (lista != nullptr && lateral != nullptr) {
        // Hidden, the views have no real width yet: the sum of the parts, with room for a
        // typical book name beside the other columns.
        constexpr int MARGENS_DO_ITEM = 24;
        constexpr int DIVISOR_E_ESPACOS = 12;
        const QMargins margens = layout()->contentsMargins();
        const int nome = lista->fontMetrics().horizontalAdvance("Palvorin_11x11_100.pdf") +
                         lista->iconSize().width() + MARGENS_DO_ITEM;
        const int resto = margens.left() + margens.right() + lateral->sizeHintForColumn(0) +
                          4 * lista->frameWidth() + DIVISOR_E_ESPACOS +
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lista);
        desejado.setWidth(std::max(desejado.width(), resto + colunas + nome));
    }
    const QSize limite = (ADisponivel.size() - AMoldura).expandedTo(minimumSizeHint());
    resize(desejado.boundedTo(limite));
}

void TDialogoPdf::showEvent(QShowEvent* AEvento) {
    // Qt may have put back the widths of an earlier dialog meanwhile.
    DarLarguraAsColunas();
    QFileDialog::showEvent(AEvento);
}

// Qt adds the suffix only to a name without a dot, so "Férias 2.0" would be saved as it
// stands. The name is completed before Qt's own accept, so that the replace question is
// asked about the file really written.
void TDialogoPdf::accept() {
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

} // namespace palvorin
