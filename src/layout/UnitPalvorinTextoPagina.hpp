#pragma once

#include "UnitPalvorinCanvas.hpp"
#include "UnitPalvorinFormato.hpp"
#include "UnitPalvorinRegras.hpp"

#include <string>
#include <vector>

namespace palvorin {

// Greedy line breaking at spaces; a word wider than the width stands alone on its line.
std::vector<std::string> QuebrarTexto(ICanvasPagina& ACanvas, const std::string& ATexto,
                                      double ALarguraMm, double ATamanhoPt, bool ANegrito);
// Draws the rules from AY down; returns the y below the last line.
double DesenharRegras(ICanvasPagina& ACanvas, const std::vector<TLinhaRegras>& ALinhas, double AY,
                      const TFormatoPagina& AFormato = FormatoA4());
// One line centred on the page, shrunk by APassoPt while wider than the text area.
void TextoCentradoAjustado(ICanvasPagina& ACanvas, double AY, const std::string& ATexto,
                           double ATamanhoPt, double AMinimoPt, double APassoPt, bool ANegrito,
                           const TAreaTexto& AArea = FormatoA4().Area());
// The same, but a text still wider than the text area at AMinimoPt goes on shrinking, by
// quarter points, until it fits between the margins.
void TextoCentradoQueCabe(ICanvasPagina& ACanvas, double AY, const std::string& ATexto,
                          double ATamanhoPt, double AMinimoPt, double APassoPt, bool ANegrito,
                          const TAreaTexto& AArea = FormatoA4().Area());

} // namespace palvorin
