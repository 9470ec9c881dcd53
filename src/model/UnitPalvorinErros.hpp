#pragma once

#include <exception>
#include <string>

namespace palvorin {

// A short Portuguese description of a system error number (errno), for messages
// that name a file and why it could not be read or written.
std::string DescricaoDoErro(int AErro);

// The message of a caught error for the user: our own errors carry Portuguese text; the
// standard library's few (running out of memory above all) get a Portuguese sentence.
std::string MensagemDoErro(const std::exception& AErro);

} // namespace palvorin
