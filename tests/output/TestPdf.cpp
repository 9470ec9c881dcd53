#include "Ferramentas.hpp"
#include "FixturasLivro.hpp"
#include "UnitPalvorinPdf.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

TDadosLivro Livro(std::int32_t ALado, std::int32_t ANumero, const std::string& ATitulo = "") {
    return {{ANumero, ALado, ATitulo, 7}, PuzzlesDeTeste(ALado, ANumero)};
}

} // namespace

TEST(LivroPdf, Escreve) {
    TPastaTemporaria pasta;
    GravarLivroPdf("/tmp/livro-teste.pdf", Livro(11, 30, "Férias de Verão"));
}
