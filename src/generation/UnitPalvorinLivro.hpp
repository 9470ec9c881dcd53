#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinOpcoesLivro.hpp"
#include "UnitPalvorinRelatorioLivro.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace palvorin {

// Progress callback: (position being generated, or ATotal for the final report; puzzles asked
// for; set to true to stop). An empty function is absent: no reports, no cancellation.
using TProgressoLivro =
    std::function<void(std::int32_t AAtual, std::int32_t ATotal, bool& ACancelar)>;

// A monotonic stopwatch reading in milliseconds.
using TRelogioMs = std::function<std::int64_t()>;

// The attempts and word-reuse limits below decide which puzzles a book keeps: changing one
// changes the books, so raise PALVORIN_REVISAO_GERADOR. INTERVALO_PROGRESSO_MS does not.
inline constexpr std::int32_t TENTATIVAS_POR_PUZZLE = 30;
// A book of one level draws until a puzzle of that level comes; each level is about a third
// of the puzzles, so running out means the level is out of reach with this list and side.
inline constexpr std::int32_t TENTATIVAS_POR_PUZZLE_NIVEL = 200;
// From this attempt on (0-based), long words of earlier puzzles are forbidden.
inline constexpr std::int32_t TENTATIVA_PROIBIR_USADAS = 3;
inline constexpr std::int32_t COMPRIMENTO_PROIBIDAS = 5;
inline constexpr std::int64_t INTERVALO_PROGRESSO_MS = 40;

// How one run is carried out; nothing here changes the book.
struct TExecucaoLivro {
    // Threads that make puzzles, the caller's included: 0 = one per core, 1 = every puzzle on
    // the caller's thread; above MAX_TAREFAS counts as MAX_TAREFAS.
    std::int32_t Tarefas = 0;
    // Stands in for the stopwatch that throttles reports from inside a puzzle; empty = the
    // steady clock.
    TRelogioMs Relogio;
    // When set, receives the attempts taken at each settled position, in position order.
    std::vector<std::int32_t>* Tentativas = nullptr;
    // Attempts per position in a book of one level; lowered by tests to reach the failure fast.
    std::int32_t TentativasDeNivel = TENTATIVAS_POR_PUZZLE_NIVEL;
};

// The number of cores this process may use.
std::int32_t TarefasPorOmissao();

// Most words a new puzzle may share with one earlier puzzle, given the smaller word count. The
// share decides the books: raise PALVORIN_REVISAO_GERADOR if it changes.
std::int32_t LimiteRepeticoes(std::int32_t ANumPalavras);

// Attempts allowed at one position: more when the book asks for one level.
std::int32_t TentativasPorPuzzle(const TConfigLivro& AConfig, const TExecucaoLivro& AExecucao);

// The puzzles of one book, in position order: the same puzzles and report for any number of
// threads. AProgresso is called only on the caller's thread, with the positions in order.
std::vector<TPuzzle> GerarLivro(const TDicionario& ADic, const TConfigLivro& AConfig,
                                const TProgressoLivro& AProgresso, TRelatorioLivro& ARel,
                                const TExecucaoLivro& AExecucao = {});

} // namespace palvorin
