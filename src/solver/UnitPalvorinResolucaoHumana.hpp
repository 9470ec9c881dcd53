#pragma once

#include "UnitPalvorinPadrao.hpp"
#include "UnitPalvorinTipos.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace palvorin {

// The deductions a person makes on a fill-in, cheapest first: the solver tries them in this
// order.
enum class TTecnica {
    tcComprimentoUnico, // the words left of one length are all the same: they fill its slots
    tcRanhuraUnica,     // only one word left fits a slot's letters
    tcPalavraUnica,     // a word fits only as many slots as it has copies
    tcEliminacao,       // a word would leave a crossing slot with no word, so it cannot go there
    tcPar,              // two slots of a length share the same two words: no other slot has them
    tcTentativa         // a word tried and followed to the end or to a contradiction
};

struct TDescritorTecnica {
    TTecnica Tecnica;
    std::string_view Nome;
    // Reading: a word is written straight from the list. The others are what a person does when
    // nothing can be read.
    bool Leitura;
    // Weight in the grade of one use (an elimination: of each candidate it weighs).
    std::int32_t Custo;
};

// The costs decide which puzzles a book of one level keeps: changing one changes those books, so
// raise PALVORIN_REVISAO_GERADOR.
inline constexpr std::array<TDescritorTecnica, 6> TECNICAS = {{
    {TTecnica::tcComprimentoUnico, "comprimento único", true, 0},
    {TTecnica::tcRanhuraUnica, "ranhura única", true, 0},
    {TTecnica::tcPalavraUnica, "palavra única", true, 0},
    {TTecnica::tcEliminacao, "eliminação", false, 1},
    {TTecnica::tcPar, "par", false, 10},
    {TTecnica::tcTentativa, "tentativa", false, 30},
}};
inline constexpr std::size_t NUM_TECNICAS = TECNICAS.size();

constexpr bool TecnicasPelaOrdem() {
    for (std::size_t t = 0; t < NUM_TECNICAS; ++t)
        if (static_cast<std::size_t>(TECNICAS[t].Tecnica) != t)
            return false;
    return true;
}
static_assert(TecnicasPelaOrdem(), "TECNICAS must list the techniques in TTecnica's order");

constexpr const TDescritorTecnica& Descritor(TTecnica ATecnica) {
    return TECNICAS[static_cast<std::size_t>(ATecnica)];
}

// A stall: a moment on the way to the solution when no word could be written by reading, and
// what it took until one could.
struct TParagem {
    // Candidates weighed by each elimination, in the order they were made.
    std::vector<std::int32_t> Eliminacoes;
    std::int32_t Pares = 0;
    std::int32_t Tentativas = 0;

    bool operator==(const TParagem&) const = default;
};

struct TRegistoResolucao {
    // Words placed by each reading technique, candidates ruled out by elimination, pairs found,
    // and words tried (at any depth). Trial counts everywhere; the other techniques count only
    // on the way to the solution, not inside a trial.
    std::array<std::int32_t, NUM_TECNICAS> Usos{};
    // Words looked through on the way to the solution: for each word placed by reading a
    // slot, the words of its length still on the list; for a word placed by looking for its
    // slot, the open slots of its length; for an elimination, the candidates of every slot
    // examined.
    std::int32_t Comparacoes = 0;
    // The stalls on the way to the solution, in order.
    std::vector<TParagem> Paragens;
    bool Resolvido = false;
    // The board reached: the record's black cells, letters placed, '.' for an empty cell.
    std::string Letras;

    std::int32_t UsosDe(TTecnica ATecnica) const {
        return Usos[static_cast<std::size_t>(ATecnica)];
    }
    bool operator==(const TRegistoResolucao&) const = default;
};

// Solves a puzzle from its empty board, as a person would: it reads the pattern and the board
// forms of the word list, never the letters of a solution. Whatever it places follows from the
// rules; a board it calls solved is a full, consistent filling (the only one when the puzzle
// has a unique solution). Raises EInterno for a word that is not only letters A-Z.
TRegistoResolucao ResolverComoPessoa(const TPadraoAnalisado& APadrao,
                                     const std::vector<std::string>& AGrelhas);
// The same for a record, whose slots must be those of its black cells (EInterno otherwise).
TRegistoResolucao ResolverComoPessoa(const TPuzzle& APuzzle);

} // namespace palvorin
