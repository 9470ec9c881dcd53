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

namespace {

// Why a text cannot be printed on the cover, ASujeito ("O título do livro") and ADoSujeito
// ("do título") naming it in the message; "" when it can.
std::string MotivoTextoDaCapa(std::string_view ATexto, const std::string& ASujeito,
                              std::string_view ADoSujeito) {
    if (SanearUtf8(ATexto) != ATexto)
        return ASujeito + " não é texto UTF-8 válido.";
    const std::string aparado = Aparar(ATexto);
    if (ContarUnidadesUtf16(aparado) > static_cast<std::size_t>(MAX_TITULO))
        return ASujeito + " não pode ter mais de " + std::to_string(MAX_TITULO) + " caracteres.";
    const std::u32string texto = PontosDeCodigo(aparado);
    if (const std::string nomes = Nomear(texto, EhControlo, false); !nomes.empty())
        return ASujeito + " não pode ter caracteres de controlo: " + nomes + ".";
    if (const std::string nomes = Nomear(texto, NaoCaracter, false); !nomes.empty())
        return ASujeito + " tem caracteres inválidos: " + nomes + ".";
    const auto semGlifo = [](char32_t c) { return !FontesDoLivroDesenham(c); };
    if (const std::string nomes = Nomear(texto, semGlifo, true); !nomes.empty())
        return "O tipo de letra do livro não tem estes caracteres " + std::string(ADoSujeito) +
               ": " + nomes + ".";
    return "";
}

} // namespace

std::string MotivoTitulo(std::string_view ATitulo) {
    return MotivoTextoDaCapa(ATitulo, "O título do livro", "do título");
}

std::string MotivoNomeDoTema(std::string_view ANome) {
    return MotivoTextoDaCapa(ANome, "O nome do tema", "do nome do tema");
}

} // namespace palvorin
