#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace palvorin::teste {

// Readable test names for cases given by their arguments: {"--lado", "10"} becomes lado_10.
template <typename TCaso>
std::string NomeDosArgumentos(const testing::TestParamInfo<TCaso>& AInfo) {
    std::string nome;
    const auto separar = [&nome] {
        if (!nome.empty() && nome.back() != '_')
            nome += '_';
    };
    for (const std::string& argumento : AInfo.param.Argumentos) {
        for (const char c : argumento)
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
                nome += c;
            else
                separar();
        separar();
    }
    while (!nome.empty() && nome.back() == '_')
        nome.pop_back();
    return nome.empty() ? "sem_argumentos" : nome;
}

// The arguments as typed, for gtest's description of a case.
inline void EscreverArgumentos(const std::vector<std::string>& AArgumentos, std::ostream* ASaida) {
    for (std::size_t i = 0; i < AArgumentos.size(); ++i)
        *ASaida << (i > 0 ? " " : "") << AArgumentos[i];
}

} // namespace palvorin::teste
