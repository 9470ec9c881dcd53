#include "UnitPalvorinTexto.hpp"

#include <gtest/gtest.h>

using namespace palvorin;

TEST(Texto, ContagensEmCaracteresEUnidadesUtf16) {
    struct {
        std::string texto;
        std::size_t caracteres, utf16;
    } casos[] = {{"", 0, 0}, {"AÇÃO", 4, 4}, {"\xF0\x9F\x98\x80!", 2, 3}, {"abc", 3, 3}};
    for (const auto& c : casos) {
        EXPECT_EQ(PontosDeCodigo(c.texto).size(), c.caracteres) << c.texto;
        EXPECT_EQ(ContarUnidadesUtf16(c.texto), c.utf16) << c.texto;
    }
}

TEST(Texto, SequenciasMalFormadasViramSubstituto) {
    struct {
        std::string bytes;
        std::u32string pontos;
    } casos[] = {
        {"\xC3\xA7", U"ç"},
        {"\xE0\x80\x80", U"\uFFFD"}, // overlong
        {"\xED\xA0\x80", U"\uFFFD"}, // encoded surrogate
        {"\xC3", U"\uFFFD"},         // truncated
        {"\xC3"
         "A",
         U"\uFFFDA"}, // lead without continuation
        {"\x80"
         "B",
         U"\uFFFDB"},                    // stray continuation
        {"\xF4\x90\x80\x80", U"\uFFFD"}, // above U+10FFFF
    };
    for (const auto& c : casos) {
        EXPECT_EQ(PontosDeCodigo(c.bytes), c.pontos);
        EXPECT_EQ(PontosDeCodigo(Utf8DePontos(c.pontos)), c.pontos);
    }
}
