#pragma once

// Shared by the solver and generation tests: a fixed word list (a frozen copy of the first
// provisional built-in list, so golden boards do not move when the built-in list changes) and
// helpers for patterns and boards.
#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinGrelha.hpp"

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace palvorin::teste {

inline const TDicionario& ListaFixa() {
    static const std::unique_ptr<TDicionario> dic = [] {
        TRelatorioDic rel;
        return CarregarDicionarioDeFicheiro(PALVORIN_LISTA_FIXA, rel);
    }();
    return *dic;
}

inline std::unique_ptr<TDicionario> Lista(const std::vector<std::string>& ALinhas) {
    TRelatorioDic rel;
    return CriarDicionario(ALinhas, rel);
}

// Every third word of the fixed list: few enough for later puzzles of a book to need forbidden
// words, and for some positions to get no puzzle at all.
inline const TDicionario& TercoDaListaFixa() {
    static const std::unique_ptr<TDicionario> dic = [] {
        std::ifstream ficheiro(PALVORIN_LISTA_FIXA);
        std::vector<std::string> linhas;
        std::size_t n = 0;
        for (std::string linha; std::getline(ficheiro, linha); ++n)
            if (linha.rfind("#", 0) == 0 || n % 3 == 0)
                linhas.push_back(linha);
        return Lista(linhas);
    }();
    return *dic;
}

// Rows of '#' (black) and any other character (white).
inline TPadrao PadraoDeLinhas(const std::vector<std::string>& ALinhas) {
    TPadrao pretas;
    for (const std::string& linha : ALinhas)
        for (const char c : linha)
            pretas.push_back(c == '#');
    return pretas;
}

inline TPadrao PadraoDasLetras(const std::string& ALetras) {
    TPadrao pretas;
    for (const char c : ALetras)
        pretas.push_back(c == '#');
    return pretas;
}

inline std::string TextoDoPadrao(const TPadrao& APretas) {
    std::string texto;
    for (const bool preta : APretas)
        texto.push_back(preta ? '#' : '.');
    return texto;
}

// The letters of Letras read along a slot.
inline std::string LerRanhura(const std::string& ALetras, std::int32_t ALado,
                              const TRanhura& ARanhura) {
    std::string texto;
    for (std::int32_t k = 0; k < ARanhura.Comprimento; ++k)
        texto.push_back(ALetras[CasaDaRanhura(ARanhura, k, ALado)]);
    return texto;
}

// A puzzle record from its solved rows ('#' black): the slots and, in slot order, the words
// read from them.
inline TPuzzle PuzzleDasLinhas(const std::vector<std::string>& ALinhas) {
    TPuzzle puzzle;
    puzzle.Lado = static_cast<std::int32_t>(ALinhas.size());
    for (const std::string& linha : ALinhas)
        puzzle.Letras += linha;
    puzzle.Ranhuras = ExtrairRanhuras(PadraoDasLetras(puzzle.Letras), puzzle.Lado);
    for (std::size_t i = 0; i < puzzle.Ranhuras.size(); ++i) {
        const std::string palavra = LerRanhura(puzzle.Letras, puzzle.Lado, puzzle.Ranhuras[i]);
        puzzle.Palavras.push_back({palavra, palavra, static_cast<std::int32_t>(i)});
    }
    return puzzle;
}

// The record as a reader gets it: black cells kept, every letter hidden.
inline TPuzzle SemLetras(TPuzzle APuzzle) {
    for (char& c : APuzzle.Letras)
        if (c != '#')
            c = '.';
    return APuzzle;
}

} // namespace palvorin::teste
