#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace palvorin {

// What a run of the book generator made of the book asked for; the front ends' sentences read it.
struct TRelatorioLivro {
    std::int32_t Pedidos = 0;
    std::int32_t Gerados = 0;
    bool Cancelado = false;
    std::int32_t ComRaras = 0;
    std::vector<std::string> Falhas; // one message per position without a puzzle

    bool operator==(const TRelatorioLivro&) const = default;
};

} // namespace palvorin
