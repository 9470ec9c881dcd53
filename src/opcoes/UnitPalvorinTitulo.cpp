#include "UnitPalvorinTitulo.hpp"

#include "UnitPalvorinCobertura.hpp"
#include "UnitPalvorinTexto.hpp"

#include <cstdio>

namespace palvorin {

namespace {

constexpr std::size_t CARACTERES_NOMEADOS = 3;

// Unicode's noncharacters: U+FDD0..U+FDEF and the last two code points of every plane.
bool NaoCaracter(char32_t c) {
    return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
}

std::string Codigo(char32_t c) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "U+%04X", static_cast<unsigned>(c));
    return texto;
}

// The first few distinct characters of APontos that AFalha picks, by code and, when
// AVisiveis, as themselves; "" when there are none.
template <typename TFalha>
std::string Nomear(std::u32string_view APontos, TFalha AFalha, bool AVisiveis) {
    std::u32string vistos;
    bool mais = false;
    for (const char32_t c : APontos) {
        if (!AFalha(c) || vistos.find(c) != std::u32string::npos)
            continue;
        if (vistos.size() == CARACTERES_NOMEADOS) {
            mais = true;
            break;
        }
        vistos += c;
    }
    std::string texto;
    for (const char32_t c : vistos) {
        if (!texto.empty())
            texto += ", ";
        if (AVisiveis) {
            texto += "«";
            AcrescentarUtf8(texto, c);
            texto += "» (" + Codigo(c) + ")";
        } else {
            texto += Codigo(c);
        }
    }
    return mais ? texto + " e outros" : texto;
}

} // namespace

std::string MotivoTitulo(std::string_view ATitulo) {
    if (SanearUtf8(ATitulo) != ATitulo)
        return "O título do livro não é texto UTF-8 válido.";
    const std::string aparado = Aparar(ATitulo);
    if (ContarUnidadesUtf16(aparado) > static_cast<std::size_t>(MAX_TITULO))
        return "O título do livro não pode ter mais de " + std::to_string(MAX_TITULO) +
               " caracteres.";
    const std::u32string titulo = PontosDeCodigo(aparado);
    if (const std::string nomes = Nomear(titulo, EhControlo, false); !nomes.empty())
        return "O título do livro não pode ter caracteres de controlo: " + nomes + ".";
    if (const std::string nomes = Nomear(titulo, NaoCaracter, false); !nomes.empty())
        return "O título do livro tem caracteres inválidos: " + nomes + ".";
    const auto semGlifo = [](char32_t c) { return !FontesDoLivroDesenham(c); };
    if (const std::string nomes = Nomear(titulo, semGlifo, true); !nomes.empty())
        return "O tipo de letra do livro não tem estes caracteres do título: " + nomes + ".";
    return "";
}

} // namespace palvorin
