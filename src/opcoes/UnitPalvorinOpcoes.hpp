#pragma once

#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinTipos.hpp"
#include "UnitPalvorinTitulo.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace palvorin {

// The book options both programs accept and their one verdict. None of these raises.
// The puzzle-count limits, MIN_PUZZLES and MAX_PUZZLES, are the book generator's.
inline constexpr std::int32_t LADO_OMISSAO = 11;
inline constexpr std::int32_t PUZZLES_OMISSAO = 30;

struct TAnalise {
    bool PodeGerar = false;
    std::string Motivo;
};

// The side, then the number of puzzles, then the title as typed (MotivoTitulo).
TAnalise AnalisarOpcoes(const TConfigLivro& AConfig);

// The board sides, e.g. "9, 11, 13 ou 15" with ", " and " ou ".
std::string TextoDosTamanhos(std::string_view ASeparador, std::string_view AUltimo);

// A decimal integer of the type's full range (optional sign, digits only) after Aparar;
// nothing otherwise, out of range included.
std::optional<std::int32_t> InteiroDeTexto(std::string_view ATexto);
std::optional<std::uint32_t> NaturalDeTexto(std::string_view ATexto);

} // namespace palvorin
