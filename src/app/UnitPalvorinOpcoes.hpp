#pragma once

#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace palvorin {

// The window's logic that needs no window: the option check and every text that
// carries numbers. Pure functions; none of them raises.

// The puzzle-count limits, MIN_PUZZLES and MAX_PUZZLES, are the book generator's.
inline constexpr std::int32_t MAX_TITULO = 40; // UTF-16 code units

struct TAnalise {
    bool PodeGerar = false;
    std::string Motivo;
};

std::string Plural(std::int64_t AContagem, std::string_view ASingular, std::string_view APlural);
std::string NomeFicheiroPadrao(std::int32_t ALado, std::int32_t ANumPuzzles);
std::string TextoResumo(const TConfigLivro& AConfig);
TAnalise AnalisarOpcoes(const TConfigLivro& AConfig);
std::string TextoLivroGerado(std::int32_t APuzzles, std::int32_t APaginas);
// The window's final line: TextoLivroGerado and the book's seed, so the book can be made again.
std::string TextoLivroGeradoComSemente(std::int32_t APuzzles, std::int32_t APaginas,
                                       std::uint32_t ASemente);
std::string TextoProgresso(std::int32_t APosicao, std::int32_t ATotal);
std::string TextoCancelado(std::int32_t AGerados, std::int32_t APedidos);
std::string TextoConfirmarSaida();
// The failure summary of a run, or "" when nothing failed.
std::string TextoFalhas(const TRelatorioLivro& ARel);

// A decimal 32-bit integer (optional sign, digits only) after Aparar; nothing otherwise.
std::optional<std::int32_t> InteiroDeTexto(std::string_view ATexto);

} // namespace palvorin
