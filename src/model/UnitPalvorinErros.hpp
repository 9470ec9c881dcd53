#pragma once

#include <string>

namespace palvorin {

// A short Portuguese description of a system error number (errno), for messages
// that name a file and why it could not be read or written.
std::string DescricaoDoErro(int AErro);

} // namespace palvorin
