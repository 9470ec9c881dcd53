#pragma once

#include "UnitPalvorinNomesRecursos.hpp"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace palvorin {

// The bytes of a file compiled into the program under ANome (one of the recurso:: names),
// or nothing when the program carries no resource by that name. Defined by the resource
// library the program links (see cmake/Recursos.cmake).
std::optional<std::span<const std::uint8_t>> ProcurarRecurso(std::string_view ANome);

} // namespace palvorin
