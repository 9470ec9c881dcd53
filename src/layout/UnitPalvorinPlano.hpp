#pragma once

#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <vector>

namespace palvorin {

enum class TTipoPagina { pgCapa, pgVerso, pgSeparador, pgSimbolo, pgPuzzle, pgSolucoes };

// One planned page. Primeiro: the puzzle index (pgPuzzle), the first puzzle on the page
// (pgSolucoes), 0 or 1 for the puzzles or solutions separator. Numero: the printed page
// number, 0 on pages without a footer.
struct TDescPagina {
    TTipoPagina Tipo = TTipoPagina::pgCapa;
    std::int32_t Primeiro = 0;
    std::int32_t Numero = 0;

    bool operator==(const TDescPagina&) const = default;
};

// The page plan and the solutions page both lay solutions out four to a page.
inline constexpr std::int32_t SOLUCOES_POR_PAGINA = 4;

// Cover, verso, the puzzles section and the solutions section (four to a page); each
// section opens on an odd page, with an emblem page inserted where needed.
std::vector<TDescPagina> PlanearPaginas(std::int32_t ANumPuzzles);
std::int32_t NumPaginasDoLivro(std::int32_t ANumPuzzles);

// True when some placed word's list form differs from its board form (accent or cedilla).
bool TemAcentos(const std::vector<TPuzzle>& APuzzles);

} // namespace palvorin
