#pragma once

#include "UnitPalvorinReceita.hpp"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palvorin {

// The recipe a book made by this program carries. EPalvorin, saying why, when the file
// cannot be read, carries no recipe, or came from a generator that makes other puzzles.
TReceitaLivro ReceitaDoLivro(const std::filesystem::path& ALivro);

// EPalvorin unless ALista has the bytes the book was made from.
void VerificarLista(const TReceitaLivro& AReceita, const TListaUsada& ALista);

struct TFicheiroEncontrado {
    std::filesystem::path Caminho;
    std::vector<std::uint8_t> Bytes;
};

// Where a file a recipe names (its list, its theme) is looked for, in order: the recorded file
// name beside the book, the same name in the current folder, and the recorded path. A recipe may
// come from anyone, so its path is only a hint.
std::vector<std::filesystem::path> LugaresDoFicheiro(const std::filesystem::path& AGravado,
                                                     const std::filesystem::path& ALivro);

// The first of those places holding a regular file with ASha256. Nothing about a file that does
// not match is told: not its content, not its hash, not even whether it exists. EPalvorin when
// none matches, naming the file (AQue: "a lista de palavras") and how to give it instead
// (AIndique: "indique-a com --dicionario").
TFicheiroEncontrado ProcurarFicheiroDoLivro(const std::filesystem::path& AGravado,
                                            const std::string& ASha256,
                                            const std::filesystem::path& ALivro,
                                            std::string_view AQue, std::string_view AIndique);

// The list of the book, found as above. EPalvorin when none matches.
TFicheiroEncontrado ProcurarListaDoLivro(const TReceitaLivro& AReceita,
                                         const std::filesystem::path& ALivro);

} // namespace palvorin
