#pragma once

#include <string>

namespace palvorin {

// The short help F1 shows: what a fill-in puzzle is, what each control does, where the book
// goes, and the program's version, licence and the word list's sources.
std::string TextoAjuda();

} // namespace palvorin
