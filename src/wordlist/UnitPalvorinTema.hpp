#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinTipos.hpp"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace palvorin {

// For each word length, the bit set of the group's words that belong to a theme.
using TMascarasTema = std::array<TConjuntoBits, COMPRIMENTO_MAXIMO + 1>;

// A theme's words as bit sets over ADic's length groups; words ADic lacks are left out, and a
// length with none of them has an empty set.
TMascarasTema MascarasDoTema(const TDicionario& ADic, const std::vector<TPalavraDic>& APalavras);

// The placed words of APuzzle that belong to ATema, in slot order, as printed.
std::vector<std::string> PalavrasDoTemaNoPuzzle(const TTema& ATema, const TPuzzle& APuzzle);

// ADic with the theme's words it lacks added, and those it files as rare made common, for one
// book; null when ADic already has every one of them as a common word.
std::unique_ptr<TDicionario> DicionarioComTema(const TDicionario& ADic,
                                               const std::vector<TPalavraDic>& APalavras);

// A theme in the word list's format, checked by the list's rules: ARel counts and describes
// the refused lines as for a list. Nome, Ficheiro and Sha256 are left to the caller.
TTema TemaDeLinhas(const std::vector<std::string>& ALinhas, TRelatorioDic& ARel);

// A theme of one's own, named by its file. Raises EPalvorin when the file cannot be read or
// holds no acceptable word.
TTema LerTemaDeFicheiro(const std::filesystem::path& ACaminho, TRelatorioDic& ARel);
// The same, from the file's bytes, read from ACaminho.
TTema TemaDeBytes(const std::vector<std::uint8_t>& ABytes, const std::filesystem::path& ACaminho,
                  TRelatorioDic& ARel);

// The built-in themes, in the order offered.
std::span<const std::string_view> NomesDosTemasEmbutidos();
// The built-in theme of that name, compared without regard to case or accents; nothing when
// there is none, or when the program carries it not.
std::optional<TTema> TemaEmbutido(std::string_view ANome);

} // namespace palvorin
