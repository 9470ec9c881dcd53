#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinReceita.hpp"
#include "UnitPalvorinTipos.hpp"

#include <filesystem>
#include <optional>
#include <string>

namespace palvorin {

// The theme --tema names, read: a built-in theme's name, or else a file. A theme file's refused
// lines are counted and described in ARel as a list's are. EPalvorin when there is no such
// theme, or the file cannot be used.
TTema TemaPedido(const std::string& APedido, TRelatorioDic& ARel);

// The theme of a book made again from AReceita (the PDF ALivro), read; nothing for a book
// without one. ADado is the theme --tema names, if given: it must be the book's. A theme file is
// otherwise looked for as the book's list is, by its SHA-256. EPalvorin, saying why, when the
// book's theme cannot be had.
std::optional<TTema> TemaDoLivroRefeito(const TReceitaLivro& AReceita,
                                        const std::filesystem::path& ALivro,
                                        const std::optional<std::string>& ADado,
                                        TRelatorioDic& ARel);

// The built-in themes with their sizes, one a line, for --temas.
std::string TextoDosTemas();

} // namespace palvorin
