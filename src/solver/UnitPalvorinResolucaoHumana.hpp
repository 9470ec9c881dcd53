#pragma once

#include "UnitPalvorinTipos.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace palvorin {

// The deductions a person makes on a fill-in, cheapest first.
enum class TTecnica {
    tcComprimentoUnico, // the words left of one length are all the same: they fill its slots
    tcRanhuraUnica,     // only one word left fits a slot's letters
    tcPalavraUnica,     // a word fits only as many slots as it has copies
    tcEliminacao,       // a word would leave a crossing slot with no word, so it cannot go there
    tcTentativa         // a word tried and followed to the end or to a contradiction
};
inline constexpr std::size_t NUM_TECNICAS = 5;

struct TRegistoResolucao {
    // Words placed by each of the first three techniques, candidates ruled out by elimination,
    // and words tried (at any depth). Trial counts everywhere; the other techniques count
    // only on the way to the solution, not inside a trial.
    std::array<std::int32_t, NUM_TECNICAS> Usos{};
    // Words looked through on the way to the solution: for each word placed by reading a
    // slot, the words of its length still on the list; for a word placed by looking for its
    // slot, the open slots of its length; for an elimination, the candidates of every slot
    // examined.
    std::int32_t Comparacoes = 0;
    bool Resolvido = false;
    // The board reached: the record's black cells, letters placed, '.' for an empty cell.
    std::string Letras;

    std::int32_t UsosDe(TTecnica ATecnica) const {
        return Usos[static_cast<std::size_t>(ATecnica)];
    }
    bool operator==(const TRegistoResolucao&) const = default;
};

// Solves a puzzle from its empty board, as a person would: it reads the black cells, the slots
// and the word list of APuzzle, never the letters of its solution. Whatever it places follows
// from the rules; a board it calls solved is a full, consistent filling (the only one when
// the puzzle has a unique solution). Raises EPalvorin for a record whose board, slots or
// words are malformed.
TRegistoResolucao ResolverComoPessoa(const TPuzzle& APuzzle);

} // namespace palvorin
