#pragma once

#include "UnitPalvorinRelatorioLivro.hpp"
#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace palvorin {

// The sentences the window and the command say alike. None of these raises.

inline const std::string TEXTO_NENHUM_PUZZLE = "Não foi possível gerar nenhum puzzle.";

std::string NomeFicheiroPadrao(std::int32_t ALado, std::int32_t ANumPuzzles);
// For any side and count, accepted or not.
std::string TextoResumo(const TPedidoLivro& APedido);
std::string TextoLivroGerado(std::int32_t APuzzles, std::int32_t APaginas);
// The window's final line: TextoLivroGerado and the book's seed, so the book can be made again.
std::string TextoLivroGeradoComSemente(std::int32_t APuzzles, std::int32_t APaginas,
                                       std::uint32_t ASemente);
// APosicao counts from 0: the puzzle being made.
std::string TextoProgresso(std::int32_t APosicao, std::int32_t ATotal);
std::string TextoCancelado(std::int32_t AGerados, std::int32_t APedidos);
std::string TextoConfirmarSaida();
// The failure summary of a run, or "" when nothing failed.
std::string TextoFalhas(const TRelatorioLivro& ARel);

} // namespace palvorin
