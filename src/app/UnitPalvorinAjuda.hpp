#pragma once

#include <string>

namespace palvorin {

// The short help F1 shows: what a fill-in puzzle is, what each control does, where the book
// goes.
std::string TextoAjuda();
// Its "Acerca" box: the program's version, licences and the word list's sources.
std::string TextoAcerca();

} // namespace palvorin
