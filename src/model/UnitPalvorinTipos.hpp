#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
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

// A puzzle's grade: the level and the points of the deductions beyond reading that set it.
struct TDificuldade {
    TNivelDificuldade Nivel = TNivelDificuldade::ndFacil;
    std::int32_t Pontos = 0;

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

// Everything each level is called: the reader's name, the recipe's id (also what the command
// takes) and the other spellings the command accepts. In the enum's order.
struct TDescNivel {
    TNivelDificuldade Nivel;
    std::string_view Nome;
    std::string_view Id;
    std::string_view Variante;
};
inline constexpr std::array<TDescNivel, 3> NIVEIS = {{
    {TNivelDificuldade::ndFacil, "Fácil", "facil", "fácil"},
    {TNivelDificuldade::ndMedio, "Médio", "medio", "médio"},
    {TNivelDificuldade::ndDificil, "Difícil", "dificil", "difícil"},
}};
static_assert(NIVEIS[0].Nivel == TNivelDificuldade::ndFacil &&
              NIVEIS[1].Nivel == TNivelDificuldade::ndMedio &&
              NIVEIS[2].Nivel == TNivelDificuldade::ndDificil);

// The page formats of a book; "carta" is US Letter.
enum class TFormatoLivro { flA4, flA5, flCarta, fl6x9 };
inline constexpr std::array<TFormatoLivro, 4> FormatosLivro = {
    TFormatoLivro::flA4, TFormatoLivro::flA5, TFormatoLivro::flCarta, TFormatoLivro::fl6x9};

// A book's subject: its words are placed before any other. A built-in theme is known by its
// name; a theme of one's own by its file, whose bytes decide whether a book can be made again.
struct TTema {
    std::string Nome{}; // "Animais"; for a file, its name without folder or extension
    bool Embutido = true;
    std::string Ficheiro{}; // the path as it was given; empty for a built-in theme
    // Of the file's bytes, or of a built-in theme's words as this program carries them.
    std::string Sha256{};
    // The accepted words, one per board form, in board-form order; all count as common.
    std::vector<TPalavraDic> Palavras{};

    bool operator==(const TTema&) const = default;
};

// The limits and defaults of a book, the same in both programs.
inline constexpr std::int32_t MIN_PUZZLES = 1;
inline constexpr std::int32_t MAX_PUZZLES = 100;
inline constexpr std::int32_t PUZZLES_OMISSAO = 30;
inline constexpr std::int32_t LADO_OMISSAO = 11;
inline constexpr std::int32_t MAX_TITULO = 40; // UTF-16 code units, as the window's edit counts

// A book's options as asked for, before AnalisarOpcoes has judged them.
struct TPedidoLivro {
    std::int32_t NumPuzzles = PUZZLES_OMISSAO;
    std::int32_t Lado = LADO_OMISSAO;
    std::string Titulo{};
    std::uint32_t Semente = 0;
    // Absent: a book of any level, as drawn.
    std::optional<TNivelDificuldade> Nivel{};
    // How the pages are laid out; none of these changes the puzzles.
    TFormatoLivro Formato = TFormatoLivro::flA4;
    bool LetraGrande = false;
    // Pages a print shop accepts: even count, gutter, safe zone, grey ink only.
    bool Grafica = false;
    // Absent: a book drawn from the whole list. Until the theme is read (TemaDoLivro), only
    // what names it: a built-in theme's name or a file's path in Nome, a file's SHA-256 from a
    // recipe.
    std::optional<TTema> Tema{};

    bool operator==(const TPedidoLivro&) const = default;
};

struct TAnalise;
TAnalise AnalisarOpcoes(const TPedidoLivro& APedido);

// A book's options as AnalisarOpcoes accepted them. Only it makes one, so whatever holds a
// TConfigLivro may trust it without checking again.
class TConfigLivro {
public:
    std::int32_t NumPuzzles() const { return FPedido.NumPuzzles; }
    std::int32_t Lado() const { return FPedido.Lado; }
    const std::string& Titulo() const { return FPedido.Titulo; } // trimmed
    std::uint32_t Semente() const { return FPedido.Semente; }
    const std::optional<TNivelDificuldade>& Nivel() const { return FPedido.Nivel; }
    TFormatoLivro Formato() const { return FPedido.Formato; }
    bool LetraGrande() const { return FPedido.LetraGrande; }
    bool Grafica() const { return FPedido.Grafica; }
    const std::optional<TTema>& Tema() const { return FPedido.Tema; }
    const TPedidoLivro& Pedido() const { return FPedido; }

    bool operator==(const TConfigLivro&) const = default;

private:
    friend TAnalise AnalisarOpcoes(const TPedidoLivro& APedido);
    explicit TConfigLivro(TPedidoLivro APedido) : FPedido(std::move(APedido)) {}

    TPedidoLivro FPedido;
};

// Bad input, or something the user can mend: the message is a Portuguese sentence for them.
class EPalvorin : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A broken promise inside the program, never the user's doing: the message names the routine
// and is shown as an internal error to report.
class EInterno : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

inline constexpr std::array<std::int32_t, 4> TamanhosTabuleiro = {9, 11, 13, 15};

std::int32_t IndiceDoTamanho(std::int32_t ALado);
bool TamanhoValido(std::int32_t ALado);
std::int32_t TamanhoDoIndice(std::int32_t AIndice);
// "11 × 11"; accepts any integer.
std::string TextoDoTamanho(std::int32_t ALado);
// "Fácil", "Médio", "Difícil".
std::string TextoDoNivel(TNivelDificuldade ANivel);
// The level a recipe id or one of its spellings names; nothing for any other text.
std::optional<TNivelDificuldade> NivelDeTexto(std::string_view ATexto);
// "a4", "a5", "carta", "6x9": the option's values and the recipe's.
std::string IdDoFormato(TFormatoLivro AFormato);
std::optional<TFormatoLivro> FormatoDoId(std::string_view AId);
// "A4", "A5", "Carta", "6 × 9 pol.": what the window and the summary show.
std::string TextoDoFormato(TFormatoLivro AFormato);
// Large print only where its type and cells fit the page.
bool LetraGrandeCabe(TFormatoLivro AFormato);

// How a summary words the choices it names.
struct TPalavrasEscolhas {
    std::string_view AntesDoFormato; // "formato " or nothing
    std::string_view Grafica;        // "páginas para gráfica" or shorter
};
// The choices a book names beyond its side and count, in the order every summary gives them:
// the level, a format other than A4 (A4 is every book's page unless another is chosen), large
// print and print-shop pages.
std::vector<std::string> EscolhasNomeadas(const TPedidoLivro& APedido,
                                          const TPalavrasEscolhas& APalavras);

} // namespace palvorin
