#include "Fixtures.hpp"

#include <gtest/gtest.h>

using namespace palvorin;

TEST(ListaEmbutida, CarregaSemRejeicoes) {
    TRelatorioDic rel;
    const auto d = CarregarDicionario("/pasta/que/nao/existe", rel);
    EXPECT_EQ(rel.Rejeitadas, 0) << (rel.Detalhe.empty() ? "" : rel.Detalhe[0]);
    EXPECT_GT(d->Total(), 0);
    EXPECT_EQ(rel.Lidas, rel.Aceites + rel.Repetidas);
}
