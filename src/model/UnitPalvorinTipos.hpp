#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace palvorin {

// One entry of the word list: the printed form (capitals with accents) and the
// board form (A-Z only, same length).
struct TPalavraDic {
    std::string Texto;
    std::string Grelha;
    bool Comum = false;
    // Tried by the filler before the other words of its section: a common word readers meet
    // often, a rare word they still know.
    bool Preferida = false;

    bool operator==(const TPalavraDic&) const = default;
};

// A maximal run of at least two white cells in one direction.
struct TRanhura {
    std::int32_t Linha = 0;
    std::int32_t Coluna = 0;
    bool Horizontal = true;
    std::int32_t Comprimento = 0;

    bool operator==(const TRanhura&) const = default;
};

struct TPalavraColocada {
    std::string Texto;
    std::string Grelha;
    std::int32_t Ranhura = 0;

    bool operator==(const TPalavraColocada&) const = default;
};

// How hard a puzzle is to solve by hand, easiest first.
enum class TNivelDificuldade { ndFacil, ndMedio, ndDificil };

// A puzzle's grade: the level, the points of the deductions beyond reading that set it, and
// the words looked through per word placed, times ten, which only breaks ties.
struct TDificuldade {
    TNivelDificuldade Nivel = TNivelDificuldade::ndFacil;
    std::int32_t Pontos = 0;
    std::int32_t Leitura = 0;

    bool operator==(const TDificuldade&) const = default;
};

// A finished puzzle with its solution. Letras is row-major, '#' for black.
struct TPuzzle {
    std::int32_t Lado = 0;
    std::string Letras;
    std::vector<TRanhura> Ranhuras;
    std::vector<TPalavraColocada> Palavras;
    // Graded when made for a book of one level; absent otherwise.
    std::optional<TDificuldade> Dificuldade{};

    bool operator==(const TPuzzle&) const = default;
};

struct TConfigLivro {
    std::int32_t NumPuzzles = 0;
    std::int32_t Lado = 0;
    std::string Titulo;
    std::uint32_t Semente = 0;
    // Absent: a book of any level, as drawn.
    std::optional<TNivelDificuldade> Nivel{};

    bool operator==(const TConfigLivro&) const = default;
};

class EPalvorin : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::array<std::int32_t, 4> TamanhosTabuleiro = {9, 11, 13, 15};

std::int32_t IndiceDoTamanho(std::int32_t ALado);
bool TamanhoValido(std::int32_t ALado);
std::int32_t TamanhoDoIndice(std::int32_t AIndice);
// "11 × 11"; accepts any integer.
std::string TextoDoTamanho(std::int32_t ALado);
// "Fácil", "Médio", "Difícil".
std::string TextoDoNivel(TNivelDificuldade ANivel);

} // namespace palvorin
