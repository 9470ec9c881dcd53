#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace palvorin {

// A short Portuguese description of a system error number (errno), for messages
// that name a file and why it could not be read or written.
std::string DescricaoDoErro(int AErro);

inline constexpr std::string_view PREFIXO_ERRO_INTERNO = "Erro interno: ";
inline constexpr const char* PEDIDO_DE_RELATORIO =
    "Por favor, comunique este erro ao autor do programa, com o que estava a fazer.";

// The message of a caught error for the user: a user error's own sentence; an internal error
// as "Erro interno: …" with a request for a report; running out of memory as such.
std::string MensagemDoErro(const std::exception& AErro);

// A failed run's line, as both programs report it: MensagemDoErro's text after "Erro: ", unless
// it already says it is an internal error.
std::string TextoErro(const std::string& AMensagem);

} // namespace palvorin
