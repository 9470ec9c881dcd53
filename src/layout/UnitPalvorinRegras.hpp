#pragma once

#include <string>
#include <vector>

namespace palvorin {

// lrItem: a list item whose marker is the text up to its first space.
enum class TTipoLinhaRegras { lrTitulo, lrTexto, lrItem, lrBranco };

struct TLinhaRegras {
    TTipoLinhaRegras Tipo = TTipoLinhaRegras::lrBranco;
    std::string Texto;

    bool operator==(const TLinhaRegras&) const = default;
};

// The rules printed on the verso; the paragraph on accents only when ATemAcentos.
std::vector<TLinhaRegras> LinhasDasRegras(bool ATemAcentos);

// The legal block of the verso.
extern const std::string TEXTO_MARCA;
extern const std::string TEXTO_AVISO;
extern const std::string TEXTO_LICENCA;

// Section titles of the separator pages.
extern const std::string TITULO_PUZZLES;
extern const std::string TITULO_SOLUCOES;
// Title of the page that evens a print shop's page count.
extern const std::string TITULO_NOTAS;

} // namespace palvorin
