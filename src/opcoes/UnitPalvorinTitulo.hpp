#pragma once

#include "UnitPalvorinTipos.hpp"

#include <string>
#include <string_view>

namespace palvorin {

// Why the title, as typed (bytes, before trimming), cannot go on the cover; "" when it can.
// Refused: malformed UTF-8; more than MAX_TITULO units once trimmed; control characters and
// Unicode noncharacters inside it; characters the book's fonts cannot draw, named.
std::string MotivoTitulo(std::string_view ATitulo);
// The same rules for a theme's name, which the cover prints too (a file's name may hold anything).
std::string MotivoNomeDoTema(std::string_view ANome);

} // namespace palvorin
