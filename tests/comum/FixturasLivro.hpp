#pragma once

// Hand-made puzzles for layout and output tests: structurally sound (slots and words
// read off the board) but not checked for a unique solution.

#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace palvorin::teste {

// Slots of a board, across row by row, then down column by column; words read off it.
inline TPuzzle PuzzleDeLetras(std::int32_t ALado, const std::string& ALetras) {
    TPuzzle p{ALado, ALetras, {}, {}};
    auto casa = [&](std::int32_t r, std::int32_t k) { return ALetras[r * ALado + k]; };
    for (const bool horizontal : {true, false})
        for (std::int32_t a = 0; a < ALado; ++a) {
            std::int32_t b = 0;
            while (b < ALado) {
                auto letra = [&](std::int32_t i) { return horizontal ? casa(a, i) : casa(i, a); };
                if (letra(b) == '#') {
                    ++b;
                    continue;
                }
                std::int32_t fim = b;
                std::string palavra;
                while (fim < ALado && letra(fim) != '#')
                    palavra.push_back(letra(fim++));
                if (palavra.size() >= 2) {
                    const TRanhura r =
                        horizontal ? TRanhura{a, b, true, fim - b} : TRanhura{b, a, false, fim - b};
                    p.Palavras.push_back(
                        {palavra, palavra, static_cast<std::int32_t>(p.Ranhuras.size())});
                    p.Ranhuras.push_back(r);
                }
                b = fim;
            }
        }
    return p;
}

// A board with a symmetric scatter of black cells and letters drawn from ASemente.
inline TPuzzle PuzzleDeTeste(std::int32_t ALado, std::uint32_t ASemente) {
    std::string letras(static_cast<std::size_t>(ALado * ALado), 'A');
    std::uint32_t estado = ASemente * 2654435761u + 12345u;
    auto proximo = [&] {
        estado = estado * 1664525u + 1013904223u;
        return estado >> 8;
    };
    for (std::int32_t i = 0; i < ALado * ALado; ++i)
        letras[static_cast<std::size_t>(i)] = static_cast<char>('A' + proximo() % 26);
    for (std::int32_t i = 0; i < ALado * ALado / 2; ++i)
        if (proximo() % 6 == 0) {
            letras[static_cast<std::size_t>(i)] = '#';
            letras[static_cast<std::size_t>(ALado * ALado - 1 - i)] = '#';
        }
    return PuzzleDeLetras(ALado, letras);
}

// The same puzzle with the first A of every word printed as Á.
inline TPuzzle ComAcentos(TPuzzle APuzzle) {
    for (TPalavraColocada& p : APuzzle.Palavras)
        if (const auto a = p.Texto.find('A'); a != std::string::npos)
            p.Texto.replace(a, 1, "Á");
    return APuzzle;
}

inline std::vector<TPuzzle> PuzzlesDeTeste(std::int32_t ALado, std::int32_t ANumero) {
    std::vector<TPuzzle> puzzles;
    for (std::int32_t i = 0; i < ANumero; ++i)
        puzzles.push_back(PuzzleDeTeste(ALado, static_cast<std::uint32_t>(i + 1)));
    return puzzles;
}

} // namespace palvorin::teste
