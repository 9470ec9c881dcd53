#pragma once

#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinTipos.hpp"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace palvorin {

// A JSON string literal, quotes included; UTF-8 passes through, control characters are escaped.
std::string TextoJson(std::string_view ATexto);

// The book as one line of compact JSON followed by a line break.
void EscreverLivroJson(std::ostream& ASaida, const TConfigLivro& AConfig,
                       const TRelatorioLivro& ARel, const std::vector<TPuzzle>& APuzzles);

} // namespace palvorin
