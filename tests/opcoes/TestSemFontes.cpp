// Linked against a resource library without the book's fonts: the title's glyph check has
// nothing to judge by and must say so, not pass every title.
#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinTitulo.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace palvorin;

TEST(SemFontes, VerificacaoDoTituloEhErroInterno) {
    try {
        const std::string motivo = MotivoTitulo("Já");
        FAIL() << "aceitou o título sem fontes: «" << motivo << "»";
    } catch (const EInterno& e) {
        EXPECT_THAT(MensagemDoErro(e),
                    testing::StartsWith("Erro interno: FontesDoLivroDesenham: o recurso "
                                        "FONTE_SANS_NORMAL não existe no executável."));
    }
}
