#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>

namespace palvorin {

// The text entries of a PDF's document information (Title, Subject, Keywords, ...), decoded
// to UTF-8. Only an information dictionary written as a plain object, as this program writes
// it, is found; anything else (no trailer entry, a compressed object, damaged bytes) gives an
// empty map, never an error.
std::map<std::string, std::string> LerInfoPdf(std::span<const std::uint8_t> ABytes);

// The same for a file; EPalvorin when it cannot be read, is too large for a book, or is not
// a PDF.
std::map<std::string, std::string> LerInfoDoFicheiroPdf(const std::filesystem::path& ACaminho);

} // namespace palvorin
