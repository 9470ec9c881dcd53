#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace palvorin {

// Text inside the program is well-formed UTF-8 in std::string. Where a count of
// characters matters, these helpers count Unicode code points (or UTF-16 units).

inline constexpr char32_t CARACTER_SUBSTITUTO = U'\uFFFD';

void AcrescentarUtf8(std::string& ADestino, char32_t ACodigo);
std::string Utf8DePontos(std::u32string_view APontos);
// Decodes well-formed UTF-8; anything malformed becomes U+FFFD.
std::u32string PontosDeCodigo(std::string_view AUtf8);
std::size_t ContarCaracteres(std::string_view AUtf8);
std::size_t ContarUnidadesUtf16(std::string_view AUtf8);

} // namespace palvorin
