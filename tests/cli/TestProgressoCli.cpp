#include "UnitPalvorinProgressoCli.hpp"

#include <gtest/gtest.h>
#include <sstream>

using namespace palvorin;

namespace {

TEST(TextoDuracao, MinutosEHoras) {
    EXPECT_EQ(TextoDuracao(0), "0:00");
    EXPECT_EQ(TextoDuracao(65'400), "1:05");
    EXPECT_EQ(TextoDuracao(3'723'000), "1:02:03");
    EXPECT_EQ(TextoDuracao(-5), "0:00");
}

TEST(TMostradorProgresso, LinhasSimplesForaDoTerminal) {
    std::ostringstream erro;
    TMostradorProgresso m(erro, false, [] { return std::int64_t{0}; });
    m.Mostrar(0, 3);
    m.Mostrar(0, 3); // a throttled report from inside the same puzzle
    m.Mostrar(1, 3);
    m.Mostrar(3, 3);
    m.Terminar();
    EXPECT_EQ(erro.str(), "A gerar o puzzle 1 de 3…\nA gerar o puzzle 2 de 3…\n");
}

TEST(TMostradorProgresso, BarraNoTerminal) {
    std::ostringstream erro;
    std::int64_t agora = 1000;
    TMostradorProgresso m(erro, true, [&] { return agora; });
    m.Mostrar(0, 30);
    agora += 20'000;
    m.Mostrar(10, 30);
    agora += 40'000;
    m.Mostrar(30, 30);
    m.Terminar();
    const std::string barra0 = "[------------------------------] 0 de 30 · decorrido 0:00";
    const std::string barra10 =
        "[##########--------------------] 10 de 30 · decorrido 0:20 · falta 0:40";
    const std::string barra30 = "[##############################] 30 de 30 · decorrido 1:00";
    EXPECT_EQ(erro.str(), "\r" + barra0 + "\r" + barra10 + "\r" + barra30 +
                              std::string(barra10.size() - barra30.size(), ' ') + "\n");
}

} // namespace
