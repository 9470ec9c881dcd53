#include "UnitPalvorinTextoPagina.hpp"

#include <algorithm>
#include <cmath>

namespace palvorin {

namespace {

constexpr double TAMANHO_CORPO_PT = 11;
constexpr double PASSO_REGRAS_MM = TAMANHO_CORPO_PT * 25.4 / 72 * 1.45;
constexpr double TAMANHO_TITULO_PT = 20;
constexpr double AVANCO_TITULO_MM = 12;
constexpr double TAMANHO_SUBTITULO_PT = 13;
constexpr double ANTES_SUBTITULO_MM = 4;
constexpr double DEPOIS_SUBTITULO_MM = 7;
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
                         double ALarguraMm, double AY) {
    for (const std::string& linha :
         QuebrarTexto(ACanvas, ATexto, ALarguraMm, TAMANHO_CORPO_PT, false)) {
        ACanvas.Texto(AX, AY, linha, TAMANHO_CORPO_PT, false, CINZA_PRETO,
                      TAlinhamento::alEsquerda);
        AY += PASSO_REGRAS_MM;
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

double DesenharRegras(ICanvasPagina& ACanvas, const std::vector<TLinhaRegras>& ALinhas, double AY) {
    double y = AY;
    bool primeiroTitulo = true;
    for (const TLinhaRegras& linha : ALinhas) {
        switch (linha.Tipo) {
        case TTipoLinhaRegras::lrTitulo:
            if (primeiroTitulo) {
                ACanvas.Texto(CENTRO_X_MM, y, linha.Texto, TAMANHO_TITULO_PT, true, CINZA_PRETO,
                              TAlinhamento::alCentro);
                y += AVANCO_TITULO_MM;
                primeiroTitulo = false;
            } else {
                y += ANTES_SUBTITULO_MM;
                ACanvas.Texto(MARGEM_ESQUERDA_MM, y, linha.Texto, TAMANHO_SUBTITULO_PT, true,
                              CINZA_PRETO, TAlinhamento::alEsquerda);
                y += DEPOIS_SUBTITULO_MM;
            }
            break;
        case TTipoLinhaRegras::lrTexto:
            y = DesenharParagrafo(ACanvas, linha.Texto, MARGEM_ESQUERDA_MM, LARGURA_UTIL_MM, y);
            break;
        case TTipoLinhaRegras::lrItem: {
            const std::size_t espaco = linha.Texto.find(' ');
            const std::size_t q = espaco == std::string::npos ? 0 : espaco + 1;
            const std::string marca = linha.Texto.substr(0, q);
            const double m = ACanvas.LarguraTexto(marca, TAMANHO_CORPO_PT, false);
            ACanvas.Texto(MARGEM_ESQUERDA_MM, y, marca, TAMANHO_CORPO_PT, false, CINZA_PRETO,
                          TAlinhamento::alEsquerda);
            // The body's width is the text area less the marker, not what lies right of
            // the indent: the two differ in the last bit of a double.
            y = DesenharParagrafo(ACanvas, linha.Texto.substr(q), MARGEM_ESQUERDA_MM + m,
                                  LARGURA_UTIL_MM - m, y);
            break;
        }
        case TTipoLinhaRegras::lrBranco:
            y += PASSO_REGRAS_MM / 2;
            break;
        }
    }
    return y;
}

namespace {

// The size TextoCentradoAjustado draws at.
double TamanhoAjustado(ICanvasPagina& ACanvas, const std::string& ATexto, double ATamanhoPt,
                       double AMinimoPt, double APassoPt, bool ANegrito) {
    double tamanho = ATamanhoPt;
    while (tamanho > AMinimoPt && ACanvas.LarguraTexto(ATexto, tamanho, ANegrito) > LARGURA_UTIL_MM)
        tamanho -= APassoPt;
    return tamanho;
}

} // namespace

void TextoCentradoAjustado(ICanvasPagina& ACanvas, double AY, const std::string& ATexto,
                           double ATamanhoPt, double AMinimoPt, double APassoPt, bool ANegrito) {
    ACanvas.Texto(CENTRO_X_MM, AY, ATexto,
                  TamanhoAjustado(ACanvas, ATexto, ATamanhoPt, AMinimoPt, APassoPt, ANegrito),
                  ANegrito, CINZA_PRETO, TAlinhamento::alCentro);
}

void TextoCentradoQueCabe(ICanvasPagina& ACanvas, double AY, const std::string& ATexto,
                          double ATamanhoPt, double AMinimoPt, double APassoPt, bool ANegrito) {
    double tamanho = TamanhoAjustado(ACanvas, ATexto, ATamanhoPt, AMinimoPt, APassoPt, ANegrito);
    const double largura = ACanvas.LarguraTexto(ATexto, tamanho, ANegrito);
    if (largura > LARGURA_UTIL_MM) {
        // Widths grow with the size, so the proportional size almost fits; the last
        // quarter points absorb the rounding of the measured widths.
        tamanho = std::max(MINIMO_ABSOLUTO_PT,
                           std::floor(tamanho * LARGURA_UTIL_MM / largura / PASSO_FINO_PT) *
                               PASSO_FINO_PT);
        while (tamanho > MINIMO_ABSOLUTO_PT &&
               ACanvas.LarguraTexto(ATexto, tamanho, ANegrito) > LARGURA_UTIL_MM)
            tamanho -= PASSO_FINO_PT;
    }
    ACanvas.Texto(CENTRO_X_MM, AY, ATexto, tamanho, ANegrito, CINZA_PRETO, TAlinhamento::alCentro);
}

} // namespace palvorin
