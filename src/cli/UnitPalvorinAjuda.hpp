#pragma once

#include <string>
#include <string_view>

namespace palvorin {

// The command's --ajuda, from the options' table and the exit codes.
std::string TextoAjuda();

// The same for the manual page, in roff: the synopsis, the options and the exit codes.
std::string SinopseManual();
std::string OpcoesManual();
std::string SaidasManual();

} // namespace palvorin
