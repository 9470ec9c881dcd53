#include "UnitPalvorinValidadorTitulo.hpp"

#include <algorithm>

namespace palvorin {

namespace {

// The breaks pasted text carries. Other control characters (NEL, VT, FF, tab) stay for the
// option check to refuse by name, as the command does.
bool QuebraDeLinha(QChar AC) {
    switch (AC.unicode()) {
    case u'\n':
    case u'\r':
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

// The text only ever gains breaks with what was just inserted, which ends at the cursor:
// everything from the first break to there goes, the text after the cursor stays.
void SoPrimeiraLinha(QString& ATexto, int& APosicao) {
    const auto quebra = std::find_if(ATexto.cbegin(), ATexto.cend(), QuebraDeLinha);
    if (quebra == ATexto.cend())
        return;
    const auto inicio = static_cast<int>(quebra - ATexto.cbegin());
    const auto fim = APosicao > inicio ? APosicao : static_cast<int>(ATexto.size());
    ATexto.remove(inicio, fim - inicio);
    APosicao = inicio;
}

void SoCaracteresInteiros(QString& ATexto, int& APosicao) {
    QString inteiros;
    inteiros.reserve(ATexto.size());
    int posicao = APosicao;
    for (qsizetype i = 0; i < ATexto.size(); ++i) {
        const QChar c = ATexto[i];
        if (c.isHighSurrogate() && i + 1 < ATexto.size() && ATexto[i + 1].isLowSurrogate()) {
            inteiros += c;
            inteiros += ATexto[++i];
        } else if (c.isSurrogate()) {
            if (i < APosicao)
                --posicao;
        } else {
            inteiros += c;
        }
    }
    ATexto = inteiros;
    APosicao = posicao;
}

} // namespace

QValidator::State TValidadorTitulo::validate(QString& ATexto, int& APosicao) const {
    SoPrimeiraLinha(ATexto, APosicao);
    SoCaracteresInteiros(ATexto, APosicao);
    return Acceptable;
}

} // namespace palvorin
