#pragma once

#include "UnitPalvorinOpcoesLivro.hpp"

#include <string>
#include <vector>

namespace palvorin {

// The command line read by the rows of OpcoesLivro. Raises EPalvorin with a one-line
// Portuguese message naming the bad option or value, or with the window's message when the
// options' verdict (AnalisarOpcoes) refuses them.
TArgumentosLivro AnalisarArgumentos(const std::vector<std::string>& AArgumentos);

} // namespace palvorin
