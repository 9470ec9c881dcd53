// palvorin-livro: makes a book of puzzles from the command line.
#include "UnitPalvorinComando.hpp"

#include <iostream>
#include <unistd.h>

namespace {

std::filesystem::path PastaDoPrograma(const char* AArgv0) {
    std::error_code erro;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", erro);
    return (erro ? std::filesystem::path(AArgv0) : exe).parent_path();
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> argumentos(argv + 1, argv + argc);
    return palvorin::ExecutarPalvorinLivro(argumentos, PastaDoPrograma(argv[0]), std::cout,
                                           std::cerr, ::isatty(STDERR_FILENO) != 0);
}
