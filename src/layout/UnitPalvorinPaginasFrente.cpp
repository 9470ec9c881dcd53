// The composer's pages without puzzles: cover, verso, separators and the emblem page.
#include "UnitPalvorinMarca.hpp"
#include "UnitPalvorinNomesRecursos.hpp"
#include "UnitPalvorinPaginas.hpp"
#include "UnitPalvorinRegras.hpp"
#include "UnitPalvorinTabuleiro.hpp"
#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinTextoPagina.hpp"

#include <algorithm>
#include <string>
#include <vector>

namespace palvorin {

namespace {

// The front pages are drawn for A4 and scaled to the format.
constexpr double ALTURA_LINHA_LICENCA_MM = 6.5;
constexpr double ESPACO_ANTES_LEGAL_MM = 6;
constexpr double TAMANHO_LEGAL_PT = 12;
constexpr double LARGURA_SELO_MM = 30;
constexpr double ALTURA_SELO_MM = 30.0 * 450 / 1280;
constexpr double TOPO_AVISO_MM = 11;
constexpr double TOPO_LICENCA_MM = 20;
constexpr double ESPACO_ANTES_SELO_MM = 4;
// Where large rules leave the legal block too little room above the footer it is set
// smaller, by quarter points, down to a size that still prints at 7 pt or more.
constexpr double PASSO_LEGAL_PT = 0.25;
constexpr double TAMANHO_LEGAL_MINIMO_PT = 7.5;

constexpr double TAMANHO_SEPARADOR_PT = 36;

const std::string LETRAS_EMBLEMA = "#O#M#ERRARIDEIASEIOS#M#R#";
constexpr std::int32_t LADO_EMBLEMA = 5;
constexpr double CELULA_EMBLEMA_MM = 18;

// The mark, the notice, the licence and the badge, drawn to the A4 design scaled by Escala.
struct TBlocoLegal {
    double Escala = 1;
    std::vector<std::string> Licenca;

    double TamanhoPt() const { return TAMANHO_LEGAL_PT * Escala; }
    double Altura() const {
        return (TOPO_LICENCA_MM + static_cast<double>(Licenca.size()) * ALTURA_LINHA_LICENCA_MM +
                ESPACO_ANTES_SELO_MM + ALTURA_SELO_MM) *
               Escala;
    }
};

TBlocoLegal BlocoLegal(ICanvasPagina& ACanvas, double ALarguraMm, double AEscala) {
    return {AEscala,
            QuebrarTexto(ACanvas, TEXTO_LICENCA, ALarguraMm, TAMANHO_LEGAL_PT * AEscala, false)};
}

std::string Maiusculas(std::string ATexto) {
    for (char& c : ATexto)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return ATexto;
}

} // namespace

void TCompositorLivro::DesenharCapa(ICanvasPagina& ACanvas) const {
    const TAreaTexto area = FFormato.Area();
    const double e = FFormato.Escala;
    TextoCentradoAjustado(ACanvas, 42 * e, Maiusculas(NOME_AUTOR), 24 * e, 24 * e, 1, true, area);
    TextoCentradoAjustado(ACanvas, 92 * e, Maiusculas(NOME_PROGRAMA), 80 * e, 24 * e, 4, true,
                          area);
    const std::string titulo = Aparar(FLivro.Config.Titulo());
    if (!titulo.empty())
        TextoCentradoQueCabe(ACanvas, 150 * e, titulo, 34 * e, 16 * e, 2, true, area);
    TextoCentradoAjustado(
        ACanvas, 202 * e,
        Plural(static_cast<std::int64_t>(FLivro.Puzzles.size()), "puzzle", "puzzles"), 16 * e,
        16 * e, 1, false, area);
    std::string tamanho = TextoDoTamanho(FLivro.Config.Lado());
    if (FLivro.Config.Nivel())
        tamanho += " \u00B7 n\u00EDvel " + TextoDoNivel(*FLivro.Config.Nivel());
    TextoCentradoAjustado(ACanvas, 212 * e, tamanho, 16 * e, 16 * e, 1, false, area);
    if (const auto& tema = FLivro.Config.Tema())
        TextoCentradoQueCabe(ACanvas, 222 * e, "Tema: " + tema->Nome, 16 * e, 10 * e, 1, false,
                             area);
}

void TCompositorLivro::DesenharVerso(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    const TAreaTexto area = FFormato.Area();
    const double e = FFormato.Escala;
    const double fimRegras =
        DesenharRegras(ACanvas, LinhasDasRegras(FTemAcentos), area.Topo, FFormato);
    // The legal block keeps its place unless the rules, set larger, reach down to it.
    const double topo = std::max(205 * e, fimRegras + ESPACO_ANTES_LEGAL_MM);
    TBlocoLegal bloco = BlocoLegal(ACanvas, area.Largura(), e);
    while (topo + bloco.Altura() > FFormato.FundoListaMm &&
           bloco.TamanhoPt() - PASSO_LEGAL_PT >= TAMANHO_LEGAL_MINIMO_PT)
        bloco =
            BlocoLegal(ACanvas, area.Largura(), bloco.Escala - PASSO_LEGAL_PT / TAMANHO_LEGAL_PT);
    const double s = bloco.Escala;
    ACanvas.Texto(area.Esquerda, topo, TEXTO_MARCA, 14 * s, true, CINZA_PRETO,
                  TAlinhamento::alEsquerda);
    ACanvas.Texto(area.Esquerda, topo + TOPO_AVISO_MM * s, TEXTO_AVISO, bloco.TamanhoPt(), false,
                  CINZA_PRETO, TAlinhamento::alEsquerda);
    double y = topo + TOPO_LICENCA_MM * s;
    for (const std::string& linha : bloco.Licenca) {
        ACanvas.Texto(area.Esquerda, y, linha, bloco.TamanhoPt(), false, CINZA_PRETO,
                      TAlinhamento::alEsquerda);
        y += ALTURA_LINHA_LICENCA_MM * s;
    }
    ACanvas.Imagem(area.Esquerda, y + ESPACO_ANTES_SELO_MM * s, LARGURA_SELO_MM * s,
                   ALTURA_SELO_MM * s, std::string(recurso::SELO_CC_BY_NC_ND));
    DesenharRodape(ACanvas, APagina.Numero, FFormato);
}

void TCompositorLivro::DesenharSeparador(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    const double e = FFormato.Escala;
    const double centroX = FFormato.Area().Centro();
    const double centroY = FFormato.AlturaMm / 2;
    const double h = ACanvas.AlturaTexto(TAMANHO_SEPARADOR_PT * e);
    ACanvas.Texto(centroX, centroY - h / 2 - 4 * e,
                  APagina.Primeiro == 0 ? TITULO_PUZZLES : TITULO_SOLUCOES,
                  TAMANHO_SEPARADOR_PT * e, true, CINZA_PRETO, TAlinhamento::alCentro);
    ACanvas.Rectangulo(centroX - 15 * e, centroY + 14 * e, 30 * e, 0.28 * e, 0, CINZA_NENHUM,
                       CINZA_PRETO);
}

void TCompositorLivro::DesenharSimbolo(ICanvasPagina& ACanvas) const {
    const double lado = LADO_EMBLEMA * CELULA_EMBLEMA_MM * FFormato.Escala;
    DesenharGrelhaResolvida(ACanvas, LADO_EMBLEMA, LETRAS_EMBLEMA,
                            FFormato.Area().Centro() - lado / 2, FFormato.AlturaMm / 2 - lado / 2,
                            CELULA_EMBLEMA_MM * FFormato.Escala, FFormato.Resolvida);
}

} // namespace palvorin
