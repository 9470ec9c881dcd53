#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace palvorin {

inline constexpr int SAIDA_SUCESSO = 0;
inline constexpr int SAIDA_SEM_PUZZLES = 1;
inline constexpr int SAIDA_INVALIDO = 2;

// palvorin-livro from its arguments to its exit code. APastaPrograma is where Dicionario.txt
// is looked for when the program carries no list; messages go to AErro, the help, the version
// and the summary to ASaida. The book itself, PDF or JSON, goes through the writer to its file
// or to standard output, so that a signal can stop a write a reader holds up.
int ExecutarPalvorinLivro(const std::vector<std::string>& AArgumentos,
                          const std::filesystem::path& APastaPrograma, std::ostream& ASaida,
                          std::ostream& AErro, bool AErroNoTerminal);

} // namespace palvorin
