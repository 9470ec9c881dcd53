#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace palvorin {

// Writes the bytes to a temporary file in the target's folder and renames it over the
// target, so the target is either the whole new content or left as it was. Raises
// EPalvorin naming the path and the cause.
void GravarFicheiroInteiro(const std::string& ACaminho, std::span<const std::uint8_t> ADados);

} // namespace palvorin
