#pragma once

#include "UnitPalvorinCairo.hpp"

#include <cstdint>
#include <span>

namespace palvorin {

// Decodes a PNG and flattens it onto white: an opaque RGB24 bitmap of the same size.
// A PNG the decoder refuses raises the decoder's own message.
TSuperficieCairo PngSobreBranco(std::span<const std::uint8_t> APng);

} // namespace palvorin
