#pragma once

#include "UnitPalvorinRandom.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <vector>

namespace palvorin {

// Black-cell pattern of a board: Lado * Lado cells in row-major order, true for black.
using TPadrao = std::vector<bool>;

inline constexpr std::int32_t LADO_MINIMO_PADRAO = 5;

// Draws a pattern that is symmetric under a 180-degree turn, has no white run of exactly two
// cells, no isolated white cell, no 2x2 black block and connected white cells, aiming at
// ADensidade * Lado * Lado black cells. Moves that add a 3-cell slot are refused with
// probability AProbEvitarCurtas. The rules and the order of the draws decide the books: raise
// PALVORIN_REVISAO_GERADOR if they change.
TPadrao GerarPadrao(std::int32_t ALado, TGeradorAleatorio& AGer, double ADensidade,
                    double AProbEvitarCurtas);

// Slots in slot order: across slots row by row, then down slots column by column.
std::vector<TRanhura> ExtrairRanhuras(const TPadrao& APretas, std::int32_t ALado);

// Cell index of letter AK of a slot.
std::int32_t CasaDaRanhura(const TRanhura& ARanhura, std::int32_t AK, std::int32_t ALado);

// True when APretas holds exactly ALado * ALado cells (and ALado is not negative).
bool PadraoTemLadoPorLado(const TPadrao& APretas, std::int32_t ALado);

} // namespace palvorin
