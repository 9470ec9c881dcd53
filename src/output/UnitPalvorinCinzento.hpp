#pragma once

#include "UnitPalvorinGravarFicheiro.hpp"

#include <cstdint>
#include <optional>
#include <vector>

namespace palvorin {

// The same PDF with every colour turned into grey (DeviceGray), so a print shop's black is
// black ink alone. Cairo only writes RGB, so Ghostscript's pdfwrite does the conversion, in
// a temporary folder of its own. Nothing when AParar asked to stop; EPalvorin when
// Ghostscript is missing or fails.
std::optional<std::vector<std::uint8_t>> PdfEmCinzento(const std::vector<std::uint8_t>& APdf,
                                                       const TPedidoParagem& AParar = {});

} // namespace palvorin
