#pragma once

#include <string>

namespace palvorin {

// The program's name and its author, as the books and the window show them.
inline const std::string NOME_PROGRAMA = "Palvorin";
inline const std::string NOME_AUTOR = "Teodoro Valquim";

} // namespace palvorin
