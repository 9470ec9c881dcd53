#pragma once

// Runs the PDF tools the tests inspect books with (poppler-utils, qpdf).

#include <cctype>
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
    std::string citado = ACaminho.string();
    citado.insert(citado.begin(), '\'');
    citado.push_back('\'');
    return citado;
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

namespace palvorin::teste {

// One page rendered in grey by pdftoppm.
struct TRender {
    int Largura = 0;
    int Altura = 0;
    std::string Pixels;
    int Cinza(int X, int Y) const {
        return static_cast<unsigned char>(Pixels[static_cast<std::size_t>(Y) * Largura + X]);
    }
};

inline TRender Renderizar(const std::filesystem::path& APdf, int APagina, int ADpi,
                          const std::filesystem::path& APasta) {
    const std::filesystem::path prefixo = APasta / ("pagina" + std::to_string(APagina));
    const std::string pagina = std::to_string(APagina);
    Executar("pdftoppm -gray -singlefile -r " + std::to_string(ADpi) + " -f " + pagina + " -l " +
             pagina + " " + Citar(APdf) + " " + Citar(prefixo));
    const std::string pgm = LerFicheiro(prefixo.string() + ".pgm");
    TRender r;
    // P5 <largura> <altura> 255, then one byte per pixel.
    std::size_t pos = 0;
    auto campo = [&] {
        while (pos < pgm.size() && std::isspace(static_cast<unsigned char>(pgm[pos])))
            ++pos;
        const std::size_t inicio = pos;
        while (pos < pgm.size() && !std::isspace(static_cast<unsigned char>(pgm[pos])))
            ++pos;
        return pgm.substr(inicio, pos - inicio);
    };
    if (campo() != "P5")
        return r;
    r.Largura = std::stoi(campo());
    r.Altura = std::stoi(campo());
    campo();
    r.Pixels = pgm.substr(pos + 1);
    return r;
}

inline int MmParaPixelsRender(double AMm, int ADpi) {
    return static_cast<int>(AMm / 25.4 * ADpi);
}

} // namespace palvorin::teste
