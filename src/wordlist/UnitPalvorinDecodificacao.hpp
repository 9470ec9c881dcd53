#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace palvorin {

// Bytes to UTF-8 text: BOM detection (UTF-16 LE/BE, UTF-8), else UTF-8 when
// well-formed, else Windows-1252. Malformed sequences become U+FFFD.
std::string TextoDeBytes(std::span<const std::uint8_t> ABytes);
// Lead and continuation bytes only, from AInicio: overlong forms and encoded surrogates pass
// here and become U+FFFD when the text is decoded.
bool Utf8Valido(std::span<const std::uint8_t> ABytes, std::size_t AInicio);
// Splits at CR LF, lone CR and lone LF; a final break adds no empty line.
std::vector<std::string> DividirLinhas(std::string_view ATexto);

} // namespace palvorin
