#include "UnitPalvorinRandom.hpp"
#include "UnitPalvorinTipos.hpp"

#include <functional>
#include <gtest/gtest.h>

using namespace palvorin;

namespace {
// A generator whose state is set by Iniciar directly, for the reference vectors.
TGeradorAleatorio Iniciado(std::uint64_t estado, std::uint64_t sequencia) {
    TGeradorAleatorio g(0);
    g.Iniciar(estado, sequencia);
    return g;
}
} // namespace

// The published vectors: each case draws from a fresh generator and compares.
TEST(Random, VetoresPublicados) {
    struct Caso {
        const char* nome;
        std::function<std::vector<std::uint64_t>()> obter;
        std::vector<std::uint64_t> esperado;
    };
    const std::vector<Caso> casos = {
        {"PCG32 Iniciar(42, 54)",
         [] {
             auto g = Iniciado(42, 54);
             std::vector<std::uint64_t> r;
             for (int i = 0; i < 6; ++i)
                 r.push_back(g.ProximoU32());
             return r;
         },
         {0xa15c02b7, 0x7b47f409, 0xba1d3330, 0x83d2f293, 0xbfa4784b, 0xcbed606e}},
        {"Misturar64",
         [] {
             return std::vector<std::uint64_t>{Misturar64(0), Misturar64(1)};
         },
         {0xe220a8397b1dcdafULL, 0x910a2dec89025cc1ULL}},
        {"Create(0)",
         [] {
             // The stream (increment 2 * 54 + 1) shows in every draw.
             TGeradorAleatorio g(0);
             std::vector<std::uint64_t> r;
             for (int i = 0; i < 4; ++i)
                 r.push_back(g.ProximoU32());
             return r;
         },
         {0xfdb46285, 0x7b09ab36, 0x15ce6e29, 0xddb9db68}},
        {"Limite(10) em Create(0)",
         [] {
             TGeradorAleatorio g(0);
             std::vector<std::uint64_t> r;
             for (int i = 0; i < 10; ++i)
                 r.push_back(static_cast<std::uint64_t>(g.Limite(10)));
             return r;
         },
         {9, 2, 3, 4, 5, 0, 7, 8, 2, 9}},
        {"DerivarSemente",
         [] {
             return std::vector<std::uint64_t>{DerivarSemente(0, 1), DerivarSemente(1, 0)};
         },
         {2298633409u, 2743206200u}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(c.obter(), c.esperado) << c.nome;
}

TEST(Random, ErrosVemAntesDeQualquerSorteio) {
    struct Caso {
        std::function<void(TGeradorAleatorio&)> chamar;
        const char* mensagem;
    };
    const std::vector<Caso> casos = {
        {[](auto& g) { g.Limite(0); }, "TGeradorAleatorio.Limite: limite tem de ser positivo"},
        {[](auto& g) { g.Limite(-5); }, "TGeradorAleatorio.Limite: limite tem de ser positivo"},
    };
    for (const auto& c : casos) {
        TGeradorAleatorio g(7);
        const auto antes = g.Estado();
        try {
            c.chamar(g);
            ADD_FAILURE() << c.mensagem;
        } catch (const EInterno& e) {
            EXPECT_STREQ(e.what(), c.mensagem);
        }
        EXPECT_EQ(g.Estado(), antes) << c.mensagem;
    }
}

TEST(Random, ContagemDePassosPorSorteio) {
    // Each kind of draw advances the state by a fixed number of steps.
    struct Caso {
        const char* nome;
        std::function<void(TGeradorAleatorio&)> sortear;
        int passos;
    };
    const std::vector<Caso> casos = {
        {"Limite(1)", [](auto& g) { EXPECT_EQ(g.Limite(1), 0); }, 1},
        {"Real01", [](auto& g) { g.Real01(); }, 2},
    };
    for (const auto& c : casos) {
        TGeradorAleatorio a(99), b(99);
        c.sortear(a);
        for (int i = 0; i < c.passos; ++i)
            b.ProximoU32();
        EXPECT_EQ(a.Estado(), b.Estado()) << c.nome;
    }
}

TEST(Random, MesmaSementeMesmaSequenciaEReal01AbaixoDeUm) {
    TGeradorAleatorio a(12345), b(12345);
    for (int i = 0; i < 2000; ++i) {
        const double x = a.Real01();
        EXPECT_EQ(x, b.Real01());
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
    }
}
