#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace palvorin {

// SHA-256 of the bytes, as 64 lowercase hexadecimal digits (what sha256sum prints), so a
// user can check which word list made a book.
std::string Sha256Hex(std::span<const std::uint8_t> ABytes);

} // namespace palvorin
