#pragma once

// The options the window and the command must judge alike: the same verdict and the same
// message for the same number of puzzles and title. Every title fits the window's edit, or is
// cut by it to one that the command also takes.
#include <string>
#include <vector>

namespace palvorin::teste {

struct TCasoOpcoes {
    std::string Nome;
    std::string Puzzles;
    std::string Titulo;
    std::string Motivo; // "" when the book can be made
};

inline std::vector<TCasoOpcoes> CasosOpcoes() {
    const std::string numero = "Indique um número de puzzles entre 1 e 100.";
    const std::string controlos = "O título do livro não pode ter caracteres de controlo: ";
    const std::string invalidos = "O título do livro tem caracteres inválidos: ";
    const std::string semGlifo = "O tipo de letra do livro não tem estes caracteres do título: ";
    return {
        {"simples", "30", "Férias de Verão", ""},
        {"quarenta e U+0085", "30", std::string(40, 'L') + "\u0085", ""},
        {"entre brancos", " 12 ", "  Férias\t ", ""},
        {"poucos puzzles", "0", "Férias", numero},
        {"muitos puzzles", "101", "Férias", numero},
        {"número antes do título", "101", "a\tb", numero},
        {"tabulação", "30", "Férias\tVerão", controlos + "U+0009."},
        {"escape", "30", "a\x1B[1mb", controlos + "U+001B."},
        {"C1 por dentro", "30", "a\u0085b", controlos + "U+0085."},
        {"U+FFFF", "30", "a\uFFFF", invalidos + "U+FFFF."},
        {"U+10FFFF", "30", "a\U0010FFFF", invalidos + "U+10FFFF."},
        {"U+FDD0", "30", "a\uFDD0", invalidos + "U+FDD0."},
        {"emoji", "30", "Olá \U0001F600", semGlifo + "«\U0001F600» (U+1F600)."},
        {"árabe", "30", "\u0639\u0631\u0628",
         semGlifo + "«\u0639» (U+0639), «\u0631» (U+0631), «\u0628» (U+0628)."},
    };
}

} // namespace palvorin::teste
