#pragma once

#include "UnitPalvorinReceita.hpp"

#include <filesystem>

namespace palvorin {

// The recipe a book made by this program carries. EPalvorin, saying why, when the file
// cannot be read, carries no recipe, or came from a generator that makes other puzzles.
TReceitaLivro ReceitaDoLivro(const std::filesystem::path& ALivro);

// EPalvorin unless ALista has the bytes the book was made from.
void VerificarLista(const TReceitaLivro& AReceita, const TListaUsada& ALista);

} // namespace palvorin
