#include "UnitPalvorinTitulo.hpp"

#include <gtest/gtest.h>
#include <string>

using namespace palvorin;

namespace {

const std::string LONGO = "O título do livro não pode ter mais de 40 caracteres.";
const std::string UTF8 = "O título do livro não é texto UTF-8 válido.";

std::string Controlos(const std::string& ACodigos) {
    return "O título do livro não pode ter caracteres de controlo: " + ACodigos + ".";
}

std::string Invalidos(const std::string& ACodigos) {
    return "O título do livro tem caracteres inválidos: " + ACodigos + ".";
}

std::string SemGlifo(const std::string& ANomes) {
    return "O tipo de letra do livro não tem estes caracteres do título: " + ANomes + ".";
}

std::string Vezes(int AVezes, const std::string& ATexto) {
    std::string texto;
    for (int i = 0; i < AVezes; ++i)
        texto += ATexto;
    return texto;
}

TEST(MotivoTitulo, UmMotivoPorCadaFalta) {
    const std::string quarenta(40, 'a');
    struct {
        const char* nome;
        std::string titulo, motivo;
    } casos[] = {
        {"vazio", "", ""},
        {"acentos e sinais", "Férias à beira-mar: «ção», 1€, ß, Ω", ""},
        {"U+FFFD escrito é texto", "a\uFFFD", SemGlifo("«\uFFFD» (U+FFFD)")},
        {"espaço inseparável por dentro", "a\u00A0b", ""},
        {"acento combinado", "e\u0301", ""},
        // Blanks and C0/C1 controls at the ends are trimmed before counting.
        {"quarenta e U+0085", quarenta + "\u0085", ""},
        {"quarenta entre brancos", " \t" + quarenta + "\r\n\x7F", ""},
        {"quarenta cedilhas", Vezes(40, "ç"), ""},
        {"quarenta e um", quarenta + "b", LONGO},
        {"astral conta dois", std::string(39, 'a') + "\U0001F600", LONGO},
        {"longo com tabulação", quarenta + "\tb", LONGO},
        {"byte solto", "a\xFF", UTF8},
        {"sequência curta", "a\xE2\x82", UTF8},
        {"forma longa", "\xC0\xAF", UTF8},
        {"meio par UTF-16", "a\xED\xA0\x80", UTF8},
        {"acima de U+10FFFF", "\xF4\x90\x80\x80", UTF8},
        {"inválido nas pontas", " \xFF Livro", UTF8},
        {"mudança de linha", "Férias\nVerão", Controlos("U+000A")},
        {"tabulação", "a\tb", Controlos("U+0009")},
        {"escape", "a\x1B[1mb", Controlos("U+001B")},
        {"DEL",
         "a\x7F"
         "b",
         Controlos("U+007F")},
        {"C1 por dentro", "a\u0085b", Controlos("U+0085")},
        {"U+FFFE", "a\uFFFE", Invalidos("U+FFFE")},
        {"U+FFFF", "a\uFFFF", Invalidos("U+FFFF")},
        {"U+1FFFF", "a\U0001FFFF", Invalidos("U+1FFFF")},
        {"U+10FFFE", "a\U0010FFFE", Invalidos("U+10FFFE")},
        {"U+FDD0", "a\uFDD0", Invalidos("U+FDD0")},
        {"U+FDEF", "a\uFDEF", Invalidos("U+FDEF")},
        {"cada um uma vez", "a\tb\tc\nd", Controlos("U+0009, U+000A")},
        {"mais de três",
         "1\x01"
         "2\x02"
         "3\x03"
         "4\x04"
         "5",
         Controlos("U+0001, U+0002, U+0003 e outros")},
        // Controls are named before glyphs: they would not print either way.
        {"controlo e emoji", "\U0001F600\tb", Controlos("U+0009")},
        {"controlo e U+FFFF", "\uFFFF\tb", Controlos("U+0009")},
        {"emoji", "Olá \U0001F600", SemGlifo("«\U0001F600» (U+1F600)")},
        {"árabe", "\u0639\u0631\u0628\u064A",
         SemGlifo("«\u0639» (U+0639), «\u0631» (U+0631), «\u0628» (U+0628) e outros")},
        {"chinês repetido", "\u4E2D\u4E2D a", SemGlifo("«\u4E2D» (U+4E2D)")},
    };
    for (const auto& c : casos)
        EXPECT_EQ(MotivoTitulo(c.titulo), c.motivo) << c.nome;
}

} // namespace
