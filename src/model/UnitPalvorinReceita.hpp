#pragma once

#include "UnitPalvorinTipos.hpp"
#include "UnitPalvorinVersao.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace palvorin {

// The word list a book was made from: the program's own or a file, and the SHA-256 of its
// bytes, which is what decides whether the book can be made again.
struct TListaUsada {
    bool Embutida = true;
    std::string Ficheiro; // the path as it was given; empty for the built-in list
    std::string Sha256;

    bool operator==(const TListaUsada&) const = default;
};

// Everything that makes a book again: the same recipe gives the same puzzles.
struct TReceitaLivro {
    TPedidoLivro Pedido; // as read: AnalisarOpcoes judges it before a book is made
    TListaUsada Lista;
    std::string Versao = VERSAO_PALVORIN;
    std::int32_t Gerador = REVISAO_GERADOR;
    std::int32_t GeradorTema = REVISAO_GERADOR_TEMA; // a themed book's; the same in every other

    bool operator==(const TReceitaLivro&) const = default;
};

// The recipe as one ASCII line of "campo=valor" pairs (values percent-encoded), for the
// PDF's keywords; LerReceita reads it back.
std::string TextoDaReceita(const TReceitaLivro& AReceita);
// The recipe as a Portuguese sentence, for the PDF's subject.
std::string ResumoDaReceita(const TReceitaLivro& AReceita);
// Nothing when ATexto is not a recipe; EPalvorin when it is one but damaged, or carries a
// field this version does not know (it would make another book).
std::optional<TReceitaLivro> LerReceita(std::string_view ATexto);

} // namespace palvorin
