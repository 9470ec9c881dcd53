// Writes palvorin-livro's manual page: the template with its generated sections filled in from
// the options' table, so the page lists exactly what the command takes.
// Usage: gerar-manual MODELO SAIDA
#include "UnitPalvorinAjuda.hpp"

#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Uso: gerar-manual MODELO SAIDA\n";
        return 2;
    }
    const std::map<std::string, std::string> seccoes = {
        {".\\\" gerado: sinopse", palvorin::SinopseManual()},
        {".\\\" gerado: opções", palvorin::OpcoesManual()},
        {".\\\" gerado: códigos de saída", palvorin::SaidasManual()},
    };
    std::ifstream modelo(argv[1]);
    std::ostringstream pagina;
    std::size_t preenchidas = 0;
    for (std::string linha; std::getline(modelo, linha);) {
        if (const auto seccao = seccoes.find(linha); seccao != seccoes.end()) {
            pagina << seccao->second;
            ++preenchidas;
        } else {
            pagina << linha << '\n';
        }
    }
    if (!modelo.eof() || preenchidas != seccoes.size()) {
        std::cerr << "gerar-manual: " << argv[1] << " não tem as marcas das secções geradas\n";
        return 1;
    }
    std::ofstream saida(argv[2], std::ios::binary);
    saida << pagina.str();
    return saida.flush() ? 0 : 1;
}
