#pragma once

#include "UnitPalvorinTipos.hpp"
#include "UnitPalvorinTitulo.hpp"

#include <optional>
#include <string>

namespace palvorin {

// The verdict on a book's options: the checked configuration, or why there is none.
struct TAnalise {
    std::optional<TConfigLivro> Config;
    std::string Motivo; // empty when Config is there

    bool PodeGerar() const { return Config.has_value(); }
};

// The side, then the number of puzzles, then the title as typed (MotivoTitulo), then large
// print on a page too small for it, then the theme's name (MotivoNomeDoTema). Raises nothing;
// the configuration carries the title trimmed.
TAnalise AnalisarOpcoes(const TPedidoLivro& APedido);

} // namespace palvorin
