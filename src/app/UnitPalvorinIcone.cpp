#include "UnitPalvorinIcone.hpp"

#include <QFont>
#include <QPainter>
#include <string_view>

namespace palvorin {

namespace {

constexpr int LADO_EMBLEMA = 5;
constexpr std::string_view LETRAS_EMBLEMA = "#O#M#ERRARIDEIASEIOS#M#R#";
const QColor TINTA(0x17, 0x32, 0x4d);
const QColor PAPEL(0xff, 0xff, 0xff);
const QColor CEU(0x4a, 0xa3, 0xdf);
// Below these cell sizes letters, then the grid lines, would be a smudge: small icons
// show the pattern only.
constexpr double CASA_MINIMA_COM_LETRA = 9.0;
constexpr double CASA_MINIMA_COM_LINHAS = 6.0;

} // namespace

QImage DesenharIcone(int ALado) {
    QImage imagem(ALado, ALado, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);

    const double moldura = std::max(1.0, ALado / 24.0);
    const QRectF fundo(moldura / 2, moldura / 2, ALado - moldura, ALado - moldura);
    pintor.setPen(QPen(CEU, moldura));
    pintor.setBrush(PAPEL);
    pintor.drawRoundedRect(fundo, ALado / 10.0, ALado / 10.0);

    const double margem = ALado * 0.1;
    const double casa = (ALado - 2 * margem) / LADO_EMBLEMA;
    QFont fonte;
    fonte.setFamilies({"Liberation Sans", "Arial", "DejaVu Sans"});
    fonte.setBold(true);
    fonte.setPixelSize(std::max(1, int(casa * 0.72)));
    pintor.setFont(fonte);
    for (int i = 0; i < LADO_EMBLEMA * LADO_EMBLEMA; ++i) {
        const QRectF celula(margem + (i % LADO_EMBLEMA) * casa, margem + (i / LADO_EMBLEMA) * casa,
                            casa, casa);
        const char letra = LETRAS_EMBLEMA[std::size_t(i)];
        pintor.fillRect(celula, letra == '#' ? TINTA : PAPEL);
        if (letra != '#' && casa >= CASA_MINIMA_COM_LETRA) {
            pintor.setPen(TINTA);
            pintor.drawText(celula, Qt::AlignCenter, QString(QChar(letra)));
        }
    }
    const QRectF tabuleiro(margem, margem, casa * LADO_EMBLEMA, casa * LADO_EMBLEMA);
    pintor.setBrush(Qt::NoBrush);
    pintor.setPen(QPen(TINTA, std::max(0.5, casa / 28.0)));
    for (int k = 1; k < LADO_EMBLEMA && casa >= CASA_MINIMA_COM_LINHAS; ++k) {
        pintor.drawLine(QPointF(margem + k * casa, margem),
                        QPointF(margem + k * casa, tabuleiro.bottom()));
        pintor.drawLine(QPointF(margem, margem + k * casa),
                        QPointF(tabuleiro.right(), margem + k * casa));
    }
    pintor.setPen(QPen(TINTA, std::max(1.0, casa / 10.0)));
    pintor.drawRect(tabuleiro);
    return imagem;
}

QIcon IconePrograma() {
    QIcon icone;
    for (const int lado : {16, 24, 32, 48, 64, 128, 256})
        icone.addPixmap(QPixmap::fromImage(DesenharIcone(lado)));
    return icone;
}

} // namespace palvorin
