#include "UnitPalvorinTextoPagina.hpp"

#include <algorithm>
#include <cmath>

namespace palvorin {

namespace {

// The rules' spacing, drawn for 11 pt text under a 20 pt title and 13 pt headings, grows
// with the sizes.
constexpr double FACTOR_PASSO_REGRAS = 1.45;
constexpr double AVANCO_TITULO_MM = 12;
constexpr double TITULO_DESENHADO_PT = 20;
constexpr double ANTES_SUBTITULO_MM = 4;
constexpr double DEPOIS_SUBTITULO_MM = 7;
constexpr double SUBTITULO_DESENHADO_PT = 13;
// Below the minimum size of a shrinking line: quarter points, never under one point.
constexpr double PASSO_FINO_PT = 0.25;
constexpr double MINIMO_ABSOLUTO_PT = 1;

std::vector<std::string> PartirEmPalavras(const std::string& ATexto) {
    std::vector<std::string> palavras(1);
    for (const char c : ATexto) {
        if (c == ' ')
            palavras.emplace_back();
        else
            palavras.back().push_back(c);
    }
    return palavras;
}

// Draws a paragraph broken at ALarguraMm; returns the y below it.
double DesenharParagrafo(ICanvasPagina& ACanvas, const std::string& ATexto, double AX,
                         double ALarguraMm, double AY, double ATamanhoPt, double APassoMm) {
    for (const std::string& linha : QuebrarTexto(ACanvas, ATexto, ALarguraMm, ATamanhoPt, false)) {
        ACanvas.Texto(AX, AY, linha, ATamanhoPt, false, CINZA_PRETO, TAlinhamento::alEsquerda);
        AY += APassoMm;
    }
    return AY;
}

} // namespace

std::vector<std::string> QuebrarTexto(ICanvasPagina& ACanvas, const std::string& ATexto,
                                      double ALarguraMm, double ATamanhoPt, bool ANegrito) {
    std::vector<std::string> linhas;
    std::string actual;
    for (const std::string& palavra : PartirEmPalavras(ATexto)) {
        if (actual.empty()) {
            actual = palavra;
            continue;
        }
        std::string candidata = actual + " " + palavra;
        if (ACanvas.LarguraTexto(candidata, ATamanhoPt, ANegrito) > ALarguraMm) {
            linhas.push_back(std::move(actual));
            actual = palavra;
        } else {
            actual = std::move(candidata);
        }
    }
    if (!actual.empty())
        linhas.push_back(std::move(actual));
    return linhas;
}

double DesenharRegras(ICanvasPagina& ACanvas, const std::vector<TLinhaRegras>& ALinhas, double AY,
                      const TFormatoPagina& AFormato) {
    const TAreaTexto area = AFormato.Area();
    const double corpo = AFormato.CorpoRegrasPt;
    const double passo = corpo * 25.4 / 72 * FACTOR_PASSO_REGRAS;
    const double titulo = AFormato.TituloRegrasPt;
    const double subtitulo = AFormato.SubtituloRegrasPt;
    double y = AY;
    bool primeiroTitulo = true;
    for (const TLinhaRegras& linha : ALinhas) {
        switch (linha.Tipo) {
        case TTipoLinhaRegras::lrTitulo:
            if (primeiroTitulo) {
                ACanvas.Texto(area.Centro(), y, linha.Texto, titulo, true, CINZA_PRETO,
                              TAlinhamento::alCentro);
                y += AVANCO_TITULO_MM * titulo / TITULO_DESENHADO_PT;
                primeiroTitulo = false;
            } else {
                y += ANTES_SUBTITULO_MM * subtitulo / SUBTITULO_DESENHADO_PT;
                ACanvas.Texto(area.Esquerda, y, linha.Texto, subtitulo, true, CINZA_PRETO,
                              TAlinhamento::alEsquerda);
                y += DEPOIS_SUBTITULO_MM * subtitulo / SUBTITULO_DESENHADO_PT;
            }
            break;
        case TTipoLinhaRegras::lrTexto:
            y = DesenharParagrafo(ACanvas, linha.Texto, area.Esquerda, area.Largura(), y, corpo,
                                  passo);
            break;
        case TTipoLinhaRegras::lrItem: {
            const std::size_t espaco = linha.Texto.find(' ');
            const std::size_t q = espaco == std::string::npos ? 0 : espaco + 1;
            const std::string marca = linha.Texto.substr(0, q);
            const double m = ACanvas.LarguraTexto(marca, corpo, false);
            ACanvas.Texto(area.Esquerda, y, marca, corpo, false, CINZA_PRETO,
                          TAlinhamento::alEsquerda);
            // The body's width is the text area less the marker, not what lies right of
            // the indent: the two differ in the last bit of a double.
            y = DesenharParagrafo(ACanvas, linha.Texto.substr(q), area.Esquerda + m,
                                  area.Largura() - m, y, corpo, passo);
            break;
        }
        case TTipoLinhaRegras::lrBranco:
            y += passo / 2;
            break;
        }
    }
    return y;
}

namespace {

// The size TextoCentradoAjustado draws at.
double TamanhoAjustado(ICanvasPagina& ACanvas, const std::string& ATexto, double ATamanhoPt,
                       double AMinimoPt, double APassoPt, bool ANegrito, double ALarguraMm) {
    double tamanho = ATamanhoPt;
    while (tamanho > AMinimoPt && ACanvas.LarguraTexto(ATexto, tamanho, ANegrito) > ALarguraMm)
        tamanho -= APassoPt;
    return tamanho;
}

} // namespace

void TextoCentradoAjustado(ICanvasPagina& ACanvas, double AY, const std::string& ATexto,
                           double ATamanhoPt, double AMinimoPt, double APassoPt, bool ANegrito,
                           const TAreaTexto& AArea) {
    ACanvas.Texto(AArea.Centro(), AY, ATexto,
                  TamanhoAjustado(ACanvas, ATexto, ATamanhoPt, AMinimoPt, APassoPt, ANegrito,
                                  AArea.Largura()),
                  ANegrito, CINZA_PRETO, TAlinhamento::alCentro);
}

void TextoCentradoQueCabe(ICanvasPagina& ACanvas, double AY, const std::string& ATexto,
                          double ATamanhoPt, double AMinimoPt, double APassoPt, bool ANegrito,
                          const TAreaTexto& AArea) {
    const double larguraUtil = AArea.Largura();
    double tamanho =
        TamanhoAjustado(ACanvas, ATexto, ATamanhoPt, AMinimoPt, APassoPt, ANegrito, larguraUtil);
    const double largura = ACanvas.LarguraTexto(ATexto, tamanho, ANegrito);
    if (largura > larguraUtil) {
        // Widths grow with the size, so the proportional size almost fits; the last
        // quarter points absorb the rounding of the measured widths.
        tamanho =
            std::max(MINIMO_ABSOLUTO_PT,
                     std::floor(tamanho * larguraUtil / largura / PASSO_FINO_PT) * PASSO_FINO_PT);
        while (tamanho > MINIMO_ABSOLUTO_PT &&
               ACanvas.LarguraTexto(ATexto, tamanho, ANegrito) > larguraUtil)
            tamanho -= PASSO_FINO_PT;
    }
    ACanvas.Texto(AArea.Centro(), AY, ATexto, tamanho, ANegrito, CINZA_PRETO,
                  TAlinhamento::alCentro);
}

} // namespace palvorin
