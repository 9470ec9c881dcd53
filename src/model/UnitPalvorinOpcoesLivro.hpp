#pragma once

#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace palvorin {

// A word list file larger than this is refused before it is read: loading costs about
// twenty-five times its size in memory, and real lists are well under a megabyte.
inline constexpr std::uint64_t TAMANHO_MAXIMO_LISTA = 32 * 1024 * 1024;
// The most threads that make puzzles at once.
inline constexpr std::int32_t MAX_TAREFAS = 64;

// The options as the command line gave them, before AnalisarOpcoes judges the book's.
struct TArgumentosLivro {
    TPedidoLivro Livro{};                    // the seed only when --semente was given
    std::optional<std::string> Dicionario{}; // absent: the built-in list
    std::optional<std::string> Saida{};      // -o
    std::optional<std::string> Refazer{};    // the book whose recipe is made again
    std::int32_t Tarefas = 0;                // 0: one per core
    bool Json = false;
    bool Ajuda = false;
    bool Versao = false;
    bool Temas = false;                    // list the built-in themes
    std::vector<std::string_view> Dadas{}; // the options given, by name

    bool Dada(std::string_view ANome) const;
};

enum class TTipoOpcao {
    toInterruptor, // no value
    toInteiro,     // a 32-bit signed number, in Min..Max or one of Valores
    toNatural,     // a 32-bit unsigned number, in Min..Max
    toNivel,       // a level, by its id or another spelling
    toFormato,     // a page format, by its id
    toTexto,       // any text, at most Max characters
    toFicheiro,    // a path, not empty; Max: the largest file, in bytes (0: any)
};

// One option of palvorin-livro, and of the window and the recipe where it has a place there.
// The command's parser and help, the manual page, the recipe's fields and the window's limits
// all read this; a new option is a new row of OPCOES_LIVRO.
struct TOpcaoLivro {
    std::string_view Nome{};     // "--lado"
    std::string_view Sinonimo{}; // "-h", or empty
    TTipoOpcao Tipo = TTipoOpcao::toInterruptor;
    std::string_view NomeDoValor{}; // "N", "FICHEIRO"; for the help and the manual
    std::int64_t Min = 0;
    std::int64_t Max = 0;
    std::span<const std::int32_t> Valores{}; // toInteiro: the only values taken, when not empty
    std::string_view Ajuda{};                // what it does, in a few words
    std::string Omissao{};                   // what holds when it is not given; empty: nothing
    std::string_view Pormenor{};             // more, for the manual page only
    // The recipe's field: the options that make a different book. Empty for the others.
    std::string_view CampoReceita{};
    // When the recipe has the field, whether --refazer still takes the option (a title does
    // not change the puzzles).
    bool MudaAoRefazer = false;
    std::string_view RotuloJanela{}; // the window's label (& before its Alt key), where it has one
    // The window's choice that leaves the option out, where it offers the values in a list.
    std::string_view OmissaoNaJanela{};
    void (*Guardar)(TArgumentosLivro& AArgumentos, std::string_view AValor) = nullptr;
    // The recipe's value; nothing leaves the field out, which reads back as the default (so a
    // new option keeps the books made without it as they were).
    std::optional<std::string> (*ValorNaReceita)(const TPedidoLivro& APedido) = nullptr;
};

const std::vector<TOpcaoLivro>& OpcoesLivro();
// The row of the option named ANome (its name or synonym); nullptr when there is none.
const TOpcaoLivro* ProcurarOpcao(std::string_view ANome);
// The same, for an option the program itself names: EInterno when there is none.
const TOpcaoLivro& Opcao(std::string_view ANome);

// A switch's value in the recipe: a switch that is off is left out.
inline constexpr std::string_view VALOR_LIGADO = "sim";

// The values an option takes, joined: "9, 11, 13 ou 15" with ", " and " ou ".
std::string ValoresDaOpcao(const TOpcaoLivro& AOpcao, std::string_view ASeparador,
                           std::string_view AUltimo);
// Whether the option takes only the values ValoresDaOpcao lists.
bool ValoresListados(const TOpcaoLivro& AOpcao);
// What to use, for a message or the help: "use 9, 11, 13 ou 15", "use um número de 1 a 100".
std::string UsoDaOpcao(const TOpcaoLivro& AOpcao);
// Whether AValor is well formed for the option; the range of a book's option is left to
// AnalisarOpcoes, so that both programs say the same.
bool ValorAceite(const TOpcaoLivro& AOpcao, std::string_view AValor);

} // namespace palvorin
