#pragma once

#include "UnitPalvorinCanvas.hpp"
#include "UnitPalvorinFormato.hpp"
#include "UnitPalvorinLista.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace palvorin {

// Largest cell of a puzzle-page board: the text width over ALado, at most the format's
// largest cell.
double CelulaDoPuzzle(std::int32_t ALado, const TFormatoPagina& AFormato = FormatoA4());
// A frame whose sides run half a stroke past the corners, so the corners are closed.
void DesenharMoldura(ICanvasPagina& ACanvas, double AX, double AY, double ALargura, double AAltura,
                     double AEspessuraPt);
// Black cells, then inner lines, then the frame (lines cover the cells' edges).
void DesenharGrelha(ICanvasPagina& ACanvas, std::int32_t ALado, const std::string& ALetras,
                    double AX, double AY, double ACelula, double AFinaPt, double AGrossaPt);
void DesenharGrelhaVazia(ICanvasPagina& ACanvas, std::int32_t ALado, const std::string& ALetras,
                         double AX, double AY, double ACelula,
                         const TTracosGrelha& ATracos = FormatoA4().Vazia);
// The letters' em height is six tenths of the cell.
void DesenharGrelhaResolvida(ICanvasPagina& ACanvas, std::int32_t ALado, const std::string& ALetras,
                             double AX, double AY, double ACelula,
                             const TTracosGrelha& ATracos = FormatoA4().Resolvida);
// Shrinks the board in 0.25 mm steps (down to the format's smallest cell) until the list
// fits below it.
double PlanearPaginaPuzzle(ICanvasPagina& ACanvas, std::int32_t ALado,
                           const std::vector<TEntradaLista>& AEntradas, TPlanoLista& APlano,
                           const TFormatoPagina& AFormato = FormatoA4());

} // namespace palvorin
