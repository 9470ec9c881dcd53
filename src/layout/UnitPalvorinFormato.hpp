#pragma once

#include "UnitPalvorinTipos.hpp"

#include <cstdint>

namespace palvorin {

// Where the text of a page lies: every page routine places things against these, never
// against the page's edges.
struct TAreaTexto {
    double Esquerda = 0;
    double Direita = 0;
    double Topo = 0;

    double Largura() const { return Direita - Esquerda; }
    double Centro() const { return (Esquerda + Direita) / 2; }
};

// The sizes a word list tries, from the largest down to the smallest by half points.
struct TTamanhosLista {
    double MaximoPt = 11;
    double MinimoPt = 8;
    // A list too wide for its size may wrap its length groups into bands, one under the
    // other, before it takes a smaller size: large type with many lengths needs it, and on
    // small pages it keeps many lengths from shrinking to the smallest size.
    bool EmFaixas = false;
};

// Widths of a board's inner lines and frame.
struct TTracosGrelha {
    double FinaPt = 0;
    double GrossaPt = 0;
};

// The geometry of a book's pages: page size, margins, type sizes, cell limits and line
// weights. Lengths in millimetres, sizes and widths in points. The cover, separators,
// emblem and legal block are drawn to the A4 design scaled by Escala.
struct TFormatoPagina {
    double LarguraMm = 0;
    double AlturaMm = 0;
    // The PDF page; A4 keeps the rounded 595 x 842 points it has always had.
    double LarguraPt = 0;
    double AlturaPt = 0;

    // The margin on the binding side; pages are laid out as right-hand pages and the
    // left-hand ones are moved across by the difference.
    double MargemInteriorMm = 0;
    double MargemExteriorMm = 0;
    double MargemTopoMm = 0;

    double YRodapeMm = 0;
    double TamanhoRodapePt = 0;

    double TamanhoNumeroPt = 0;
    double TopoGrelhaMm = 0;
    double IntervaloListaMm = 0;
    // The list, and the solutions, end above this line.
    double FundoListaMm = 0;
    double CelulaMaximaMm = 0;
    double CelulaMinimaMm = 0;
    TTamanhosLista Lista;
    // Under this much room for the list at the smallest cell, the list goes on the facing
    // page; 0 keeps every puzzle on one page.
    double AlturaMinimaListaMm = 0;

    std::int32_t SolucoesColunas = 0;
    std::int32_t SolucoesLinhas = 0;
    double TamanhoLegendaPt = 0;
    double CelulaSolucaoMaximaMm = 0;

    double CorpoRegrasPt = 0;
    double TituloRegrasPt = 0;
    double SubtituloRegrasPt = 0;

    double Escala = 1;

    TTracosGrelha Vazia;
    TTracosGrelha Resolvida;

    TAreaTexto Area() const {
        return {MargemInteriorMm, LarguraMm - MargemExteriorMm, MargemTopoMm};
    }
    double LarguraUtil() const { return Area().Largura(); }
    std::int32_t SolucoesPorPagina() const { return SolucoesColunas * SolucoesLinhas; }
};

// The A4 book, as it has always been.
const TFormatoPagina& FormatoA4();

// A format's pages, in large print when asked (and LetraGrandeCabe allows).
TFormatoPagina FormatoDaPagina(TFormatoLivro AFormato, bool ALetraGrande);
// Print-shop pages: nothing within DISTANCIA_CORTE_MM of the trim, the footer raised to
// keep clear of it, every grid line at least half a point. The gutter waits for the page
// count (ComMedianiz).
TFormatoPagina ParaGrafica(TFormatoPagina AFormato);
// The inside margin widened by the gutter print-on-demand services ask for a book of
// ANumPaginas pages.
TFormatoPagina ComMedianiz(TFormatoPagina AFormato, std::int32_t ANumPaginas);
double MedianizMm(std::int32_t ANumPaginas);
// True when, even at the smallest cell, the board leaves too little room for its list:
// then the board takes a left-hand page and the list the page facing it.
bool PuzzleEmDuasPaginas(const TFormatoPagina& AFormato, std::int32_t ALado);

// How close to the trim edge a print shop lets anything be drawn (half an inch).
inline constexpr double DISTANCIA_CORTE_MM = 12.7;
// Thinnest grid line a print shop reproduces, as printed.
inline constexpr double LINHA_MINIMA_GRAFICA_PT = 0.5;

} // namespace palvorin
