#include "UnitPalvorinCaracteresInteiros.hpp"

namespace palvorin {

QValidator::State TCaracteresInteiros::validate(QString& ATexto, int& APosicao) const {
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
    return Acceptable;
}

} // namespace palvorin
