#pragma once

#include "UnitPalvorinOpcoes.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace palvorin {

// The options of palvorin-livro, checked.
struct TArgumentosLivro {
    std::int32_t Lado = LADO_OMISSAO;
    std::int32_t NumPuzzles = PUZZLES_OMISSAO;
    std::optional<std::string> Titulo;      // trimmed; absent: no title, or the recipe's
    std::optional<std::uint32_t> Semente;   // absent: a fresh seed from the clock
    std::optional<std::string> Dicionario;  // absent: the built-in list
    std::optional<std::string> Saida;       // -o
    std::int32_t Tarefas = 0;               // 0: one per core
    std::optional<TNivelDificuldade> Nivel; // absent: puzzles of any level
    bool Json = false;
    bool Ajuda = false;
    bool Versao = false;
    std::optional<std::string> Refazer; // the book whose recipe is made again
};

// Raises EPalvorin with a one-line Portuguese message naming the bad option or value, or with
// the window's message when the options' verdict (AnalisarOpcoes) refuses them.
TArgumentosLivro AnalisarArgumentos(const std::vector<std::string>& AArgumentos);

std::string TextoAjuda();

} // namespace palvorin
