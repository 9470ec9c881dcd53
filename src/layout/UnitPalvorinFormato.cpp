#include "UnitPalvorinFormato.hpp"

namespace palvorin {

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

} // namespace palvorin
