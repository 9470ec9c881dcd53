#pragma once

// A book's configuration for a test, made as the programs make it: through the verdict.
#include "UnitPalvorinOpcoes.hpp"

#include <stdexcept>

namespace palvorin::teste {

inline TConfigLivro ConfigDoLivro(const TPedidoLivro& APedido) {
    TAnalise analise = AnalisarOpcoes(APedido);
    if (!analise.Config)
        throw std::invalid_argument("ConfigDoLivro: " + analise.Motivo);
    return *analise.Config;
}

} // namespace palvorin::teste
