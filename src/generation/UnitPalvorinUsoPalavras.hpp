#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace palvorin {

// Word use across the accepted puzzles of one book: which puzzles hold each word and how many
// use each dictionary word. The repetition test walks only the new puzzle's words.
class TUsoPalavras {
public:
    explicit TUsoPalavras(const TDicionario& ADic);

    // True when ANovo shares more than LimiteRepeticoes words with some accepted puzzle.
    bool RepeteDemasiado(const TPuzzle& ANovo) const;
    // Records an accepted puzzle; puzzles are numbered in the order they are recorded.
    void Registar(const TPuzzle& APuzzle);
    // By dictionary index: the words of COMPRIMENTO_PROIBIDAS letters or more already used.
    std::vector<bool> Proibidas() const;

private:
    const TDicionario& FDic;
    std::vector<std::int32_t> FContagem;    // by dictionary index
    std::vector<std::int32_t> FNumPalavras; // word count of each accepted puzzle
    std::unordered_map<std::string, std::vector<std::int32_t>> FPuzzlesDaGrelha;
};

} // namespace palvorin
