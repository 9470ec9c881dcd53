#include "UnitPalvorinFormato.hpp"

#include "UnitPalvorinCanvas.hpp"

#include <algorithm>
#include <iterator>

namespace palvorin {

namespace {

constexpr double PT_POR_MM = 72 / 25.4;

// The small pages hold two solutions a page, one above the other: four would set 15 x 15
// letters under 7 pt. The list stops at 7.5 pt: type lands on whole 1/300 in, and 7 pt
// would print at 6.96; a list with many lengths takes bands before it shrinks that far.
const TFormatoPagina FORMATO_A5{
    .LarguraMm = 148,
    .AlturaMm = 210,
    .LarguraPt = 148 * PT_POR_MM,
    .AlturaPt = 210 * PT_POR_MM,
    .MargemInteriorMm = 12,
    .MargemExteriorMm = 12,
    .MargemTopoMm = 12,
    .YRodapeMm = 200,
    .TamanhoRodapePt = 8,
    .TamanhoNumeroPt = 12,
    .TopoGrelhaMm = 24,
    .IntervaloListaMm = 6,
    .FundoListaMm = 195,
    .CelulaMaximaMm = 10,
    .CelulaMinimaMm = 6.5,
    .Lista = {9.5, 7.5, true},
    .AlturaMinimaListaMm = 70,
    .SolucoesColunas = 1,
    .SolucoesLinhas = 2,
    .TamanhoLegendaPt = 9,
    .CelulaSolucaoMaximaMm = 7,
    .CorpoRegrasPt = 9,
    .TituloRegrasPt = 15,
    .SubtituloRegrasPt = 10.5,
    .Escala = 148.0 / 210,
    .Vazia = {0.6, 1.2},
    .Resolvida = {0.4, 0.8},
};

// A design drawn for one page set on another: the page, its margins, the heights that follow
// the page's height, and the scale of the front pages. Type, cells and lines stay the design's.
struct TPagina {
    double LarguraMm = 0;
    double AlturaMm = 0;
    double LarguraPt = 0;
    double AlturaPt = 0;
    double MargemMm = 0;
    double YRodapeMm = 0;
    double TopoGrelhaMm = 0;
    double FundoListaMm = 0;
    double Escala = 1;
};

TFormatoPagina NaPagina(TFormatoPagina ADesenho, const TPagina& APagina) {
    ADesenho.LarguraMm = APagina.LarguraMm;
    ADesenho.AlturaMm = APagina.AlturaMm;
    ADesenho.LarguraPt = APagina.LarguraPt;
    ADesenho.AlturaPt = APagina.AlturaPt;
    ADesenho.MargemInteriorMm = APagina.MargemMm;
    ADesenho.MargemExteriorMm = APagina.MargemMm;
    ADesenho.MargemTopoMm = APagina.MargemMm;
    ADesenho.YRodapeMm = APagina.YRodapeMm;
    ADesenho.TopoGrelhaMm = APagina.TopoGrelhaMm;
    ADesenho.FundoListaMm = APagina.FundoListaMm;
    ADesenho.Escala = APagina.Escala;
    return ADesenho;
}

// Carta is A4's design on a slightly wider, shorter page; 6 x 9 in is A5's.
const TPagina PAGINA_CARTA{
    .LarguraMm = 215.9,
    .AlturaMm = 279.4,
    .LarguraPt = 612,
    .AlturaPt = 792,
    .MargemMm = 18,
    .YRodapeMm = 265.4,
    .TopoGrelhaMm = 34,
    .FundoListaMm = 259.4,
    .Escala = 279.4 / 297,
};
const TPagina PAGINA_6X9{
    .LarguraMm = 152.4,
    .AlturaMm = 228.6,
    .LarguraPt = 432,
    .AlturaPt = 648,
    .MargemMm = 13,
    .YRodapeMm = 217,
    .TopoGrelhaMm = 25,
    .FundoListaMm = 212,
    .Escala = 152.4 / 210,
};

// Large-print guidance asks for 16 to 18 pt; cells a pen writes in easily, lines of at
// least 1 pt, two solutions a page so their letters stay large.
TFormatoPagina ComLetraGrande(TFormatoPagina AFormato) {
    AFormato.TamanhoRodapePt = 12;
    AFormato.TamanhoNumeroPt = 20;
    AFormato.IntervaloListaMm = 10;
    AFormato.CelulaMaximaMm = 14;
    AFormato.CelulaMinimaMm = 10;
    AFormato.Lista = {18, 16, true};
    AFormato.AlturaMinimaListaMm = 110;
    AFormato.SolucoesColunas = 1;
    AFormato.SolucoesLinhas = 2;
    AFormato.TamanhoLegendaPt = 16;
    AFormato.CelulaSolucaoMaximaMm = 14;
    AFormato.CorpoRegrasPt = 16;
    AFormato.TituloRegrasPt = 24;
    AFormato.SubtituloRegrasPt = 18;
    AFormato.Vazia = {1.2, 2.4};
    AFormato.Resolvida = {1.2, 2};
    return AFormato;
}

// Print-on-demand inside margins by page count, in inches: 0.375 up to 150 pages, then an
// eighth more for every further band.
struct TFaixaMedianiz {
    std::int32_t AtePaginas;
    double Polegadas;
};
constexpr TFaixaMedianiz FAIXAS_MEDIANIZ[] = {{150, 0.375}, {300, 0.5}, {500, 0.625}, {700, 0.75}};
constexpr double MEDIANIZ_MAXIMA_POLEGADAS = 0.875;

// Margins past the half inch by enough that a board frame's stroke, which runs past its
// corners, and rounding to the device grid never bring a mark inside it.
constexpr double MARGEM_GRAFICA_MM = 13.5;
// Widths land on whole 1/300 in: 0.6 pt would print at 0.48, 0.75 prints at 0.72.
constexpr double LINHA_GRAFICA_PT = 0.75;
static_assert(LINHA_GRAFICA_PT * 300 / 72 >= 3 && LINHA_MINIMA_GRAFICA_PT <= 3 * 72 / 300.0);
// The footer line's height in ems, with room to spare over the face's own.
constexpr double ALTURA_RODAPE_EM = 1.2;

} // namespace

const TFormatoPagina& FormatoA4() {
    static const TFormatoPagina a4{
        .LarguraMm = 210,
        .AlturaMm = 297,
        .LarguraPt = 595,
        .AlturaPt = 842,
        .MargemInteriorMm = 18,
        .MargemExteriorMm = 18,
        .MargemTopoMm = 18,
        .YRodapeMm = 283,
        .TamanhoRodapePt = 9,
        .TamanhoNumeroPt = 14,
        .TopoGrelhaMm = 34,
        .IntervaloListaMm = 8,
        .FundoListaMm = 277,
        .CelulaMaximaMm = 12,
        .CelulaMinimaMm = 8,
        .Lista = {11, 8},
        .AlturaMinimaListaMm = 0,
        .SolucoesColunas = 2,
        .SolucoesLinhas = 2,
        .TamanhoLegendaPt = 10,
        .CelulaSolucaoMaximaMm = 8,
        .CorpoRegrasPt = 11,
        .TituloRegrasPt = 20,
        .SubtituloRegrasPt = 13,
        .Escala = 1,
        .Vazia = {0.6, 1.2},
        .Resolvida = {0.4, 0.8},
    };
    return a4;
}

TFormatoPagina FormatoDaPagina(TFormatoLivro AFormato, bool ALetraGrande) {
    TFormatoPagina formato = FormatoA4();
    switch (AFormato) {
    case TFormatoLivro::flA4:
        break;
    case TFormatoLivro::flA5:
        formato = FORMATO_A5;
        break;
    case TFormatoLivro::flCarta:
        formato = NaPagina(FormatoA4(), PAGINA_CARTA);
        break;
    case TFormatoLivro::fl6x9:
        formato = NaPagina(FORMATO_A5, PAGINA_6X9);
        break;
    }
    return ALetraGrande && LetraGrandeCabe(AFormato) ? ComLetraGrande(formato) : formato;
}

TFormatoPagina ParaGrafica(TFormatoPagina AFormato) {
    AFormato.MargemExteriorMm = std::max(AFormato.MargemExteriorMm, MARGEM_GRAFICA_MM);
    AFormato.MargemInteriorMm = AFormato.MargemExteriorMm;
    AFormato.MargemTopoMm = std::max(AFormato.MargemTopoMm, MARGEM_GRAFICA_MM);
    const double yRodape =
        std::min(AFormato.YRodapeMm, AFormato.AlturaMm - MARGEM_GRAFICA_MM -
                                         PtParaMm(AFormato.TamanhoRodapePt) * ALTURA_RODAPE_EM);
    AFormato.FundoListaMm -= AFormato.YRodapeMm - yRodape;
    AFormato.YRodapeMm = yRodape;
    for (TTracosGrelha* tracos : {&AFormato.Vazia, &AFormato.Resolvida}) {
        tracos->FinaPt = std::max(tracos->FinaPt, LINHA_GRAFICA_PT);
        tracos->GrossaPt = std::max(tracos->GrossaPt, LINHA_GRAFICA_PT);
    }
    return AFormato;
}

double MedianizMm(std::int32_t ANumPaginas) {
    double polegadas = MEDIANIZ_MAXIMA_POLEGADAS;
    for (auto faixa = std::rbegin(FAIXAS_MEDIANIZ); faixa != std::rend(FAIXAS_MEDIANIZ); ++faixa)
        if (ANumPaginas <= faixa->AtePaginas)
            polegadas = faixa->Polegadas;
    return polegadas * 25.4;
}

TFormatoPagina ComMedianiz(TFormatoPagina AFormato, std::int32_t ANumPaginas) {
    AFormato.MargemInteriorMm = AFormato.MargemExteriorMm + MedianizMm(ANumPaginas);
    return AFormato;
}

bool PuzzleEmDuasPaginas(const TFormatoPagina& AFormato, std::int32_t ALado) {
    const double livre =
        AFormato.FundoListaMm -
        (AFormato.TopoGrelhaMm + ALado * AFormato.CelulaMinimaMm + AFormato.IntervaloListaMm);
    return AFormato.AlturaMinimaListaMm > 0 && livre < AFormato.AlturaMinimaListaMm;
}

} // namespace palvorin
