#pragma once

#include "UnitPalvorinGravarFicheiro.hpp"
#include "UnitPalvorinPaginas.hpp"

#include <optional>
#include <string>

namespace palvorin {

// Lays the book out, with the book's recipe in the document information, and writes it to
// ANomeFicheiro as GravarFicheiroInteiro does: on any failure, or when AParar asks to stop
// (then the result is nothing), a file at that path is left as it was.
std::optional<TLivroGravado> GravarLivroPdf(const std::string& ANomeFicheiro,
                                            const TDadosLivro& ALivro,
                                            const TPedidoParagem& AParar = {});

} // namespace palvorin
