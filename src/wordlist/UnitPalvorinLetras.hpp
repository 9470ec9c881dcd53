#pragma once

#include <string>
#include <string_view>

namespace palvorin {

// The letters a word may have: A-Z and the Portuguese accented capitals.
bool LetraAceite(char32_t ALetra);
char32_t Maiuscula(char32_t ALetra);
// The board letter of an accepted letter (Ç to C, Ã to A, ...); others stay as they are.
char32_t SemAcento(char32_t ALetra);

} // namespace palvorin
