#pragma once

#include "UnitPalvorinDecodificacao.hpp"
#include "UnitPalvorinLetras.hpp"
#include "UnitPalvorinOpcoesLivro.hpp"
#include "UnitPalvorinReceita.hpp"
#include "UnitPalvorinTipos.hpp"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace palvorin {

// Bit set over the words of one length group: group position j is bit j % 64 of
// element j / 64; bits past the last word are 0.
using TConjuntoBits = std::vector<std::uint64_t>;

// The lengths a list keeps decide which words a board can take: raise PALVORIN_REVISAO_GERADOR
// if they change.
inline constexpr std::int32_t COMPRIMENTO_MINIMO = 2;
inline constexpr std::int32_t COMPRIMENTO_MAXIMO = 15;
inline constexpr std::int32_t MAX_DETALHE = 30;
struct TRelatorioDic {
    std::int32_t Lidas = 0;
    std::int32_t Aceites = 0;
    std::int32_t Repetidas = 0;
    std::int32_t Rejeitadas = 0;
    std::int32_t Comuns = 0;
    std::vector<std::string> Detalhe;
    TListaUsada Lista; // which list was loaded, for the book's recipe
};

// The index of one word length: its words (ascending word index) and, for every
// (position, letter), the bit set of the group's words with that letter there.
struct TGrupoComprimento {
    std::vector<std::int32_t> Indices;
    std::vector<TConjuntoBits> Mascaras; // entry p * 26 + (letter - 'A')
};

// The loaded word list, sorted by Grelha, with per-length indexes. Read-only once
// loaded: the bit sets it hands out are its own and must never be written through.
class TDicionario {
public:
    TDicionario();

    void CarregarDeLinhas(const std::vector<std::string>& ALinhas, TRelatorioDic& ARel);
    // Entries already checked, one per board form, in any order.
    void CarregarPalavras(std::vector<TPalavraDic> APalavras);

    const TPalavraDic& Palavra(std::int32_t AIndice) const;
    std::int32_t Total() const { return static_cast<std::int32_t>(FPalavras.size()); }
    std::int32_t ContarComprimento(std::int32_t AComprimento) const;
    std::int32_t IndiceDaGrelha(std::string_view AGrelha) const;
    std::int32_t PalavraDoGrupo(std::int32_t AComprimento, std::int32_t AJ) const;
    const TConjuntoBits& MascaraDaLetra(std::int32_t AComprimento, std::int32_t APosicao,
                                        char ALetra) const;
    const TConjuntoBits& MascaraComuns(std::int32_t AComprimento) const;
    const TConjuntoBits& MascaraPreferidas(std::int32_t AComprimento) const;
    // Whether any word of that length is preferred: most lists mark none.
    bool TemPreferidas(std::int32_t AComprimento) const;

private:
    void ConstruirIndices();
    const TGrupoComprimento* Grupo(std::int32_t AComprimento) const;

    std::vector<TPalavraDic> FPalavras;
    std::array<TGrupoComprimento, COMPRIMENTO_MAXIMO + 1> FGrupos;         // 2..15 used
    std::array<TConjuntoBits, COMPRIMENTO_MAXIMO + 1> FMascarasComuns;     // 2..15 used
    std::array<TConjuntoBits, COMPRIMENTO_MAXIMO + 1> FMascarasPreferidas; // 2..15 used
    std::array<bool, COMPRIMENTO_MAXIMO + 1> FTemPreferidas{};
};

std::unique_ptr<TDicionario> CriarDicionario(const std::vector<std::string>& ALinhas,
                                             TRelatorioDic& ARel);
// The bytes of a list file; EPalvorin, naming the file, when it cannot be read or is too large.
std::vector<std::uint8_t> LerFicheiroDaLista(const std::filesystem::path& ACaminho);
// A list whose bytes were read from ACaminho, recorded as that file.
std::unique_ptr<TDicionario> CarregarDicionarioDeBytes(std::span<const std::uint8_t> ABytes,
                                                       const std::filesystem::path& ACaminho,
                                                       TRelatorioDic& ARel);
std::unique_ptr<TDicionario> CarregarDicionarioDeFicheiro(const std::filesystem::path& ACaminho,
                                                          TRelatorioDic& ARel);
// The built-in list when the program carries one, else APasta/Dicionario.txt.
std::unique_ptr<TDicionario> CarregarDicionario(const std::filesystem::path& APasta,
                                                TRelatorioDic& ARel);

} // namespace palvorin
