#pragma once

#include "UnitPalvorinPadrao.hpp"
#include "UnitPalvorinResolucaoHumana.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace palvorin {

// What a stall weighs before its eliminations, pairs and trials: noticing that nothing can be
// read and looking for where to start. The weights and limits of the grade decide which puzzles
// a book of one level keeps: changing one changes those books, so raise
// PALVORIN_REVISAO_GERADOR.
inline constexpr std::int32_t PESO_PARAGEM = 5;

// The points of the deductions beyond reading (see docs/dificuldade.md): every stall, every
// elimination by the candidates it weighs times its place in the stall's chain, pairs and
// trials by their technique's cost. 0 for a puzzle read straight through.
std::int32_t PontosDaResolucao(const TRegistoResolucao& ARegisto);
// Words looked through per word placed, times ten, rounded: the tedium of reading the lists,
// which the grade leaves out; the measurements use it to break ties and to compare.
std::int32_t LeituraDaResolucao(const TRegistoResolucao& ARegisto, std::int32_t ANumPalavras);

// Highest points of "Médio": two stalls, each crossing out one of two words. The same at every
// side: a stall is as hard on a large board as on a small one.
inline constexpr std::int32_t PONTOS_MAX_MEDIO = 2 * (PESO_PARAGEM + 2);

// "Fácil" without a stall; "Difícil" beyond PONTOS_MAX_MEDIO, or whenever the puzzle needed
// trial or could not be solved.
TNivelDificuldade NivelDaResolucao(const TRegistoResolucao& ARegisto, std::int32_t APontos);

// The fewest slots any length has (0 for a pattern without slots): the words of that length
// are where a person starts, by reading when it is one, by eliminating otherwise.
std::int32_t MenorGrupo(const TPadraoAnalisado& APadrao);
// Whether a pattern makes a level likely: a length with one slot for "Fácil", two for "Médio",
// none with fewer than three for "Difícil". These group sizes decide level books: raise
// PALVORIN_REVISAO_GERADOR if they change.
bool PadraoParaNivel(const TPadraoAnalisado& APadrao, TNivelDificuldade ANivel);

TDificuldade Classificar(const TPadraoAnalisado& APadrao, const std::vector<std::string>& AGrelhas);
TDificuldade Classificar(const TPuzzle& APuzzle);

} // namespace palvorin
