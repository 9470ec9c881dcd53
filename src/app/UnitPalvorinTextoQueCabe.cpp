#include "UnitPalvorinTextoQueCabe.hpp"

#include <QRegularExpression>
#include <limits>

namespace palvorin {

namespace {

bool Cabe(const QString& ATexto, const QFontMetrics& AMetricas, QSize AArea) {
    const QRect ocupado = AMetricas.boundingRect(
        QRect(0, 0, AArea.width(), std::numeric_limits<int>::max() / 2), Qt::TextWordWrap, ATexto);
    return ocupado.width() <= AArea.width() && ocupado.height() <= AArea.height();
}

// Where the part to shorten starts, and how long it is.
std::pair<qsizetype, qsizetype> ParteACortar(const QString& ATexto) {
    const qsizetype abre = ATexto.indexOf(u'\u00AB');
    const qsizetype fecha = abre < 0 ? -1 : ATexto.indexOf(u'\u00BB', abre + 1);
    if (fecha > abre + 1)
        return {abre + 1, fecha - abre - 1};
    std::pair<qsizetype, qsizetype> maior{0, 0};
    static const QRegularExpression palavra(QStringLiteral("\\S+"));
    for (const auto& m : palavra.globalMatch(ATexto))
        if (m.capturedLength() > maior.second)
            maior = {m.capturedStart(), m.capturedLength()};
    return maior;
}

} // namespace

QString TextoQueCabe(const QString& ATexto, const QFontMetrics& AMetricas, QSize AArea) {
    if (Cabe(ATexto, AMetricas, AArea))
        return ATexto;
    const auto [inicio, tamanho] = ParteACortar(ATexto);
    const QString antes = ATexto.left(inicio);
    const QString parte = ATexto.mid(inicio, tamanho);
    const QString depois = ATexto.mid(inicio + tamanho);
    const auto cortado = [&](int ALargura) {
        return antes + AMetricas.elidedText(parte, Qt::ElideMiddle, ALargura) + depois;
    };
    // The widest cut that fits.
    int cabe = -1;
    int naoCabe = AMetricas.horizontalAdvance(parte);
    while (naoCabe - cabe > 1) {
        const int meio = (cabe + naoCabe) / 2;
        (Cabe(cortado(meio), AMetricas, AArea) ? cabe : naoCabe) = meio;
    }
    if (cabe >= 0)
        return cortado(cabe);
    return AMetricas.elidedText(ATexto.simplified(), Qt::ElideRight, AArea.width());
}

} // namespace palvorin
