#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace palvorin {

// Text inside the program is well-formed UTF-8 in std::string. Where a count of
// characters matters, these helpers count Unicode code points (or UTF-16 units).

inline constexpr char32_t CARACTER_SUBSTITUTO = U'\uFFFD';

void AcrescentarUtf8(std::string& ADestino, char32_t ACodigo);
std::string Utf8DePontos(std::u32string_view APontos);
// Decodes the code point at APos and moves APos past it; a malformed sequence
// (bad lead, truncated, overlong, surrogate, above U+10FFFF) gives U+FFFD.
char32_t LerPontoUtf8(std::string_view AUtf8, std::size_t& APos);
// Decodes UTF-8; anything malformed becomes U+FFFD.
std::u32string PontosDeCodigo(std::string_view AUtf8);
// The same text with every malformed sequence replaced by U+FFFD.
std::string SanearUtf8(std::string_view AUtf8);
// C0 and C1 control characters and DEL: never shown to a user as they are.
bool EhControlo(char32_t c);
// Without leading and trailing blanks and control characters.
std::string Aparar(std::string_view AUtf8);
// "1 página", "2 páginas": the singular only for exactly one.
// A decimal integer of the type's full range (optional sign, digits only) after Aparar;
// nothing otherwise, out of range included.
std::optional<std::int32_t> InteiroDeTexto(std::string_view ATexto);
std::optional<std::uint32_t> NaturalDeTexto(std::string_view ATexto);
std::string Plural(std::int64_t AContagem, std::string_view ASingular, std::string_view APlural);
std::size_t ContarUnidadesUtf16(std::string_view AUtf8);
// UTF-16 bytes (big-endian when AGrandeFim) as UTF-8; a lone surrogate and an odd last byte
// become U+FFFD.
std::string Utf8DeUtf16(std::span<const std::uint8_t> ABytes, bool AGrandeFim);
inline constexpr char DIGITOS_HEXADECIMAIS[] = "0123456789abcdef";
// The value of one hexadecimal digit (either case), or -1.
int ValorHexadecimal(char ADigito);

} // namespace palvorin
