#pragma once

#include "UnitPalvorinCanvas.hpp"
#include "UnitPalvorinLista.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace palvorin {

// Largest cell of a puzzle-page board: 174 / ALado, at most 12 mm.
double CelulaDoPuzzle(std::int32_t ALado);
// A frame whose sides run half a stroke past the corners, so the corners are closed.
void DesenharMoldura(ICanvasPagina& ACanvas, double AX, double AY, double ALargura, double AAltura,
                     double AEspessuraPt);
// Black cells, then inner lines, then the frame (lines cover the cells' edges).
void DesenharGrelha(ICanvasPagina& ACanvas, std::int32_t ALado, const std::string& ALetras,
                    double AX, double AY, double ACelula, double AFinaPt, double AGrossaPt);
void DesenharGrelhaVazia(ICanvasPagina& ACanvas, std::int32_t ALado, const std::string& ALetras,
                         double AX, double AY, double ACelula);
void DesenharGrelhaResolvida(ICanvasPagina& ACanvas, std::int32_t ALado, const std::string& ALetras,
                             double AX, double AY, double ACelula);
// Shrinks the board in 0.25 mm steps (down to an 8 mm cell) until the list fits below it.
double PlanearPaginaPuzzle(ICanvasPagina& ACanvas, std::int32_t ALado,
                           const std::vector<TEntradaLista>& AEntradas, TPlanoLista& APlano);

// Top of the board and the gap between board and list on a puzzle page.
inline constexpr double TOPO_GRELHA_MM = 34;
inline constexpr double INTERVALO_LISTA_MM = 8;

} // namespace palvorin
