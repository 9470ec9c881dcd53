#include "ConfigLivro.hpp"
#include "Fixturas.hpp"
#include "PadraoComLado.hpp"
#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinLivro.hpp"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

TConfigLivro Config(std::int32_t puzzles, std::int32_t lado, std::uint32_t semente) {
    return ConfigDoLivro({.NumPuzzles = puzzles, .Lado = lado, .Semente = semente});
}

TEST(LimiteRepeticoes, Tabela) {
    const std::map<std::int32_t, std::int32_t> casos = {
        {-4, 1}, {0, 1}, {7, 1}, {8, 2}, {11, 2}, {26, 6}, {28, 7}, {30, 7}, {31, 7}, {40, 10}};
    for (const auto& [n, limite] : casos)
        EXPECT_EQ(LimiteRepeticoes(n), limite) << n;
}

// A stopwatch that moves 50 ms at every reading, so every cancellation query reports.
TRelogioMs RelogioRapido() {
    auto agora = std::make_shared<std::int64_t>(0);
    return [agora] { return *agora += 50; };
}

struct TChamada {
    std::int32_t Atual, Total;
    bool operator==(const TChamada&) const = default;
};

void PrintTo(const TChamada& AChamada, std::ostream* ASaida) {
    *ASaida << "(" << AChamada.Atual << ", " << AChamada.Total << ")";
}

// The report protocol holds for any number of threads.
class GerarLivroComTarefas : public testing::TestWithParam<std::int32_t> {
protected:
    TExecucaoLivro Execucao(TRelogioMs ARelogio = {}) const {
        return {.Tarefas = GetParam(), .Relogio = std::move(ARelogio)};
    }
};

INSTANTIATE_TEST_SUITE_P(Tarefas, GerarLivroComTarefas, testing::Values(1, 2, 8),
                         testing::PrintToStringParamName());

TEST_P(GerarLivroComTarefas, UmPuzzleRelatoriosInicialIntermediosEFinal) {
    std::vector<TChamada> chamadas;
    TRelatorioLivro rel;
    const auto puzzles = GerarLivro(
        ListaFixa(), Config(1, 9, 4),
        [&](std::int32_t a, std::int32_t t, bool&) {
            chamadas.push_back({a, t});
        },
        rel, Execucao(RelogioRapido()));
    ASSERT_EQ(puzzles.size(), 1u);
    // On one thread the puzzle is made while the run watches; with more, a worker may have it
    // ready before the run asks, and then no report comes from inside it.
    ASSERT_GE(chamadas.size(), GetParam() == 1 ? 3u : 2u);
    EXPECT_EQ(chamadas.front(), (TChamada{0, 1}));
    EXPECT_EQ(chamadas.back(), (TChamada{1, 1}));
    for (std::size_t k = 1; k + 1 < chamadas.size(); ++k)
        EXPECT_EQ(chamadas[k], (TChamada{0, 1}));
    EXPECT_EQ(rel, (TRelatorioLivro{1, 1, false, rel.ComRaras, {}}));
}

TEST_P(GerarLivroComTarefas, RelatoriosIntermediosEsperamQuarentaMs) {
    // A stopwatch that never moves: only the report at each position and the final one.
    std::vector<TChamada> chamadas;
    TRelatorioLivro rel;
    GerarLivro(
        ListaFixa(), Config(3, 9, 4),
        [&](std::int32_t a, std::int32_t t, bool&) {
            chamadas.push_back({a, t});
        },
        rel, Execucao([] { return std::int64_t{0}; }));
    EXPECT_EQ(chamadas, (std::vector<TChamada>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
}

// Reports of a two-puzzle book with a stopwatch that moves AMs at every reading. One thread:
// waiting for workers adds reports whose count depends on the machine.
std::vector<TChamada> RelatoriosComPasso(std::int64_t AMs) {
    auto agora = std::make_shared<std::int64_t>(0);
    std::vector<TChamada> chamadas;
    TRelatorioLivro rel;
    GerarLivro(ListaFixa(), Config(2, 9, 4),
               [&](std::int32_t a, std::int32_t t, bool&) {
                   chamadas.push_back({a, t});
               },
               rel, {.Tarefas = 1, .Relogio = [agora, AMs] { return *agora += AMs; }});
    return chamadas;
}

TEST(GerarLivro, QuarentaMsJaChegam) {
    // One reading per query: at exactly 40 ms per reading every query reports, as with a
    // stopwatch far faster; at 39 ms some do not.
    const std::vector<TChamada> todas = RelatoriosComPasso(1000);
    ASSERT_GT(todas.size(), 4u) << "consultas dentro dos puzzles";
    EXPECT_EQ(RelatoriosComPasso(40), todas);
    EXPECT_LT(RelatoriosComPasso(39).size(), todas.size());
}

TEST_P(GerarLivroComTarefas, CancelarNoPrimeiroRelatorio) {
    std::int32_t chamadas = 0;
    TRelatorioLivro rel;
    const auto puzzles = GerarLivro(
        ListaFixa(), Config(5, 9, 1),
        [&](std::int32_t, std::int32_t, bool& cancelar) {
            ++chamadas;
            cancelar = true;
        },
        rel, Execucao(RelogioRapido()));
    EXPECT_TRUE(puzzles.empty());
    EXPECT_EQ(chamadas, 1) << "sem relatório final";
    EXPECT_EQ(rel, (TRelatorioLivro{5, 0, true, 0, {}}));
}

TEST(GerarLivro, CancelarDentroDeUmPuzzle) {
    // Cancel at the second report of position 5, which comes from inside GerarPuzzle. One
    // thread: a worker may have made position 5 already, and then no report comes from inside.
    std::int32_t vistasNaCinco = 0;
    TRelatorioLivro rel;
    const auto puzzles = GerarLivro(ListaFixa(), Config(8, 9, 11),
                                    [&](std::int32_t a, std::int32_t, bool& cancelar) {
                                        if (a == 5 && ++vistasNaCinco == 2)
                                            cancelar = true;
                                    },
                                    rel, {.Tarefas = 1, .Relogio = RelogioRapido()});
    EXPECT_TRUE(rel.Cancelado);
    EXPECT_EQ(rel.Gerados, static_cast<std::int32_t>(puzzles.size()));
    EXPECT_EQ(rel.Gerados + static_cast<std::int32_t>(rel.Falhas.size()), 5);
    for (const std::string& f : rel.Falhas)
        EXPECT_EQ(f.find("Puzzle 6"), std::string::npos) << f;
}

TEST(GerarLivro, SemCallbackNaoHaRelatorios) {
    TRelatorioLivro rel;
    const auto puzzles = GerarLivro(ListaFixa(), Config(2, 9, 3), {}, rel);
    EXPECT_EQ(puzzles.size(), 2u);
    EXPECT_FALSE(rel.Cancelado);
}

TEST(GerarLivro, SementesDasPosicoes) {
    // The first position accepts its first attempt, drawn from a seed pinned here: a change
    // in how positions derive their seeds changes every book, and must fail.
    constexpr std::uint32_t SEMENTE_DA_PRIMEIRA = 3031265680u;
    TRelatorioLivro rel;
    const auto puzzles = GerarLivro(ListaFixa(), Config(1, 11, 123), {}, rel);
    ASSERT_EQ(puzzles.size(), 1u);
    TPuzzle esperado;
    TEstatisticasGerador e;
    ASSERT_TRUE(
        GerarPuzzle(ListaFixa(), 11, SEMENTE_DA_PRIMEIRA, OpcoesGeradorPadrao(), {}, esperado, e));
    EXPECT_EQ(puzzles[0], esperado);
}

TEST_P(GerarLivroComTarefas, ListaVaziaFalhaCadaPosicao) {
    const auto vazia = Lista({});
    TRelatorioLivro rel;
    std::vector<TChamada> chamadas;
    const auto puzzles = GerarLivro(
        *vazia, Config(3, 9, 1),
        [&](std::int32_t a, std::int32_t t, bool&) {
            chamadas.push_back({a, t});
        },
        rel, Execucao());
    EXPECT_TRUE(puzzles.empty());
    EXPECT_EQ(rel, (TRelatorioLivro{3,
                                    0,
                                    false,
                                    0,
                                    {"Puzzle 1: não foi possível gerar um puzzle",
                                     "Puzzle 2: não foi possível gerar um puzzle",
                                     "Puzzle 3: não foi possível gerar um puzzle"}}));
    EXPECT_EQ(chamadas.back(), (TChamada{3, 3}));
}

// Whole-book properties on a list small enough for words to recur across puzzles.
TEST(GerarLivro, LivroDeterministicoUnicoESemRepeticoesExcessivas) {
    const TDicionario& dic = ListaFixa();
    TRelatorioLivro rel, rel2;
    const auto puzzles = GerarLivro(dic, Config(12, 9, 7), {}, rel);
    EXPECT_EQ(GerarLivro(dic, Config(12, 9, 7), {}, rel2), puzzles);
    EXPECT_EQ(rel, rel2);
    EXPECT_EQ(rel.Gerados + static_cast<std::int32_t>(rel.Falhas.size()), 12);
    ASSERT_GE(puzzles.size(), 6u);

    std::int32_t comRaras = 0;
    for (const TPuzzle& p : puzzles) {
        bool interrompido = true;
        EXPECT_EQ(ContarSolucoes(PadraoDasLetras(p.Letras), p.Lado, GrelhasDoPuzzle(p), 2, 100000,
                                 interrompido),
                  1);
        bool rara = false;
        for (const TPalavraColocada& w : p.Palavras)
            rara = rara || !dic.Palavra(dic.IndiceDaGrelha(w.Grelha)).Comum;
        comRaras += rara ? 1 : 0;
    }
    EXPECT_EQ(rel.ComRaras, comRaras);

    for (std::size_t a = 0; a < puzzles.size(); ++a)
        for (std::size_t b = a + 1; b < puzzles.size(); ++b) {
            std::multiset<std::string> pa;
            for (const TPalavraColocada& w : puzzles[a].Palavras)
                pa.insert(w.Grelha);
            std::int32_t partilhadas = 0;
            for (const TPalavraColocada& w : puzzles[b].Palavras)
                partilhadas += pa.count(w.Grelha) > 0 ? 1 : 0;
            const auto menor = static_cast<std::int32_t>(
                std::min(puzzles[a].Palavras.size(), puzzles[b].Palavras.size()));
            EXPECT_LE(partilhadas, LimiteRepeticoes(menor)) << a << " e " << b;
        }
}

} // namespace
