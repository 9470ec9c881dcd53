#pragma once

// Runs the PDF tools the tests inspect books with (poppler-utils, qpdf).

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace palvorin::teste {

struct TSaida {
    int Codigo = -1;
    std::string Texto;
};

inline TSaida Executar(const std::string& AComando) {
    TSaida saida;
    FILE* tubo = popen((AComando + " 2>&1").c_str(), "r");
    if (tubo == nullptr)
        return saida;
    char bloco[4096];
    std::size_t n;
    while ((n = fread(bloco, 1, sizeof bloco, tubo)) > 0)
        saida.Texto.append(bloco, n);
    const int estado = pclose(tubo);
    saida.Codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    return saida;
}

inline std::string Citar(const std::filesystem::path& ACaminho) {
    return "'" + ACaminho.string() + "'";
}

inline std::string LerFicheiro(const std::filesystem::path& ACaminho) {
    std::ifstream f(ACaminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// A fresh folder under the system's temporary folder, removed at the end of the test.
class TPastaTemporaria {
public:
    TPastaTemporaria() {
        std::string modelo =
            (std::filesystem::temp_directory_path() / "palvorin-teste-XXXXXX").string();
        FCaminho = mkdtemp(modelo.data());
    }
    ~TPastaTemporaria() {
        std::error_code erro;
        std::filesystem::permissions(FCaminho, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, erro);
        std::filesystem::remove_all(FCaminho, erro);
    }
    TPastaTemporaria(const TPastaTemporaria&) = delete;
    TPastaTemporaria& operator=(const TPastaTemporaria&) = delete;
    const std::filesystem::path& Caminho() const { return FCaminho; }
    std::filesystem::path operator/(const std::string& ANome) const { return FCaminho / ANome; }

private:
    std::filesystem::path FCaminho;
};

} // namespace palvorin::teste
