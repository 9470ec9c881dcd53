#pragma once

#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <vector>

namespace palvorin {

// pgLista: the facing page of a puzzle laid over two pages, with its word list. pgNotas: the
// page that makes a print shop's page count even.
enum class TTipoPagina {
    pgCapa,
    pgVerso,
    pgSeparador,
    pgSimbolo,
    pgPuzzle,
    pgSolucoes,
    pgLista,
    pgNotas
};

// One planned page. Primeiro: the puzzle index (pgPuzzle), the first puzzle on the page
// (pgSolucoes), 0 or 1 for the puzzles or solutions separator. Numero: the printed page
// number, 0 on pages without a footer.
struct TDescPagina {
    TTipoPagina Tipo = TTipoPagina::pgCapa;
    std::int32_t Primeiro = 0;
    std::int32_t Numero = 0;

    bool operator==(const TDescPagina&) const = default;
};

// What the page format asks of the plan.
struct TOpcoesPlano {
    std::int32_t SolucoesPorPagina = 4;
    // Board on a left-hand page, list on the page facing it.
    bool PuzzleEmDuasPaginas = false;
    // A notes page at the end when the count is odd.
    bool PaginasPares = false;
};

// Cover, verso, the puzzles section and the solutions section; each section opens on an
// odd page, with an emblem page inserted where needed.
std::vector<TDescPagina> PlanearPaginas(std::int32_t ANumPuzzles, const TOpcoesPlano& AOpcoes = {});
std::int32_t NumPaginasDoLivro(std::int32_t ANumPuzzles, const TOpcoesPlano& AOpcoes = {});

// True when some placed word's list form differs from its board form (accent or cedilla).
bool TemAcentos(const std::vector<TPuzzle>& APuzzles);

} // namespace palvorin
