#include "ConfigLivro.hpp"
#include "Fixturas.hpp"
#include "ListaEmbutida.hpp"
#include "UnitPalvorinDificuldade.hpp"
#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinRandom.hpp"

#include <array>
#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

// Solved from the board with its letters hidden, generated puzzles of every side come out as
// their solution.
TEST(Dificuldade, ResolucaoConcordaComAsSolucoesGeradas) {
    const TOpcoesGerador opc = OpcoesGeradorPadrao();
    for (const std::int32_t lado : TamanhosTabuleiro) {
        for (std::uint32_t i = 1; i <= 100; ++i) {
            TPuzzle puzzle;
            TEstatisticasGerador estat;
            if (!GerarPuzzle(ListaEmbutida(), lado, DerivarSemente(314, i), opc, {}, puzzle, estat))
                continue;
            const TRegistoResolucao r = ResolverComoPessoa(SemLetras(puzzle));
            ASSERT_TRUE(r.Resolvido) << "lado " << lado << " semente " << i;
            ASSERT_EQ(r.Letras, puzzle.Letras) << "lado " << lado << " semente " << i;
        }
    }
}

// Boards whose difficulty shows at a glance.
TEST(Dificuldade, TabuleirosFeitosAMao) {
    using enum TNivelDificuldade;
    const struct {
        const char* Nome;
        std::vector<std::string> Linhas;
        TNivelDificuldade Nivel;
        std::vector<TParagem> Paragens; // without trial
    } casos[] = {
        // One word of each length: read straight through.
        {"leitura", {"PATOS", "E####", "R####", "UVA##", "#####"}, ndFacil, {}},
        // Two words of each length, each fitting every slot of its length: RATO on top would
        // leave the left column without a word, and then everything reads.
        {"eliminação", {"SAPO", "E##V", "RATO", "####"}, ndMedio, {{{2}, 0, 0}}},
        // Four words of five letters in four slots: three slots in a row lose a word before
        // any can be written.
        {"cadeia", {"A##DA", "NOVEL", "T##VE", "ENFIM", "SEARA"}, ndDificil, {{{4, 4, 4}, 0, 0}}},
        // A unique filling that no chain of deductions reaches.
        {"tentativa", {"AAC#A", "A#C#A", "B#C#B", "A#C#C", "C#AAA"}, ndDificil, {}},
    };
    std::int32_t anteriores = -1;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.Nome);
        const TPuzzle puzzle = PuzzleDasLinhas(c.Linhas);
        const TRegistoResolucao r = ResolverComoPessoa(SemLetras(puzzle));
        EXPECT_EQ(r.Letras, puzzle.Letras);
        if (r.UsosDe(TTecnica::tcTentativa) == 0) {
            EXPECT_EQ(r.Paragens, c.Paragens);
        }
        const TDificuldade d = Classificar(puzzle);
        EXPECT_EQ(d.Nivel, c.Nivel);
        EXPECT_GT(d.Pontos, anteriores) << "mais fácil do que o tabuleiro anterior";
        anteriores = d.Pontos;
    }
}

// What each level allows, in stalls a reader can picture.
TEST(Dificuldade, NiveisDasParagens) {
    using enum TNivelDificuldade;
    const auto registo = [](std::vector<TParagem> AParagens, std::int32_t ATentativas = 0) {
        TRegistoResolucao r;
        r.Resolvido = true;
        r.Paragens = std::move(AParagens);
        r.Usos[static_cast<std::size_t>(TTecnica::tcTentativa)] = ATentativas;
        return r;
    };
    const TParagem doisAUm{{2}, 0, 0};
    TRegistoResolucao porResolver;
    const struct {
        const char* Nome;
        TRegistoResolucao Registo;
        TNivelDificuldade Nivel;
    } casos[] = {
        {"sem paragem", registo({}), ndFacil},
        {"uma eliminação entre duas palavras", registo({doisAUm}), ndMedio},
        {"duas dessas", registo({doisAUm, doisAUm}), ndMedio},
        {"três dessas", registo({doisAUm, doisAUm, doisAUm}), ndDificil},
        {"uma eliminação entre quatro", registo({{{4}, 0, 0}}), ndMedio},
        {"duas seguidas entre três", registo({{{3, 3}, 0, 0}}), ndMedio},
        {"duas seguidas entre quatro", registo({{{4, 4}, 0, 0}}), ndDificil},
        {"um par", registo({{{}, 1, 0}}), ndDificil},
        {"uma tentativa", registo({{{}, 0, 1}}, 1), ndDificil},
        {"por resolver", porResolver, ndDificil},
    };
    for (const auto& c : casos)
        EXPECT_EQ(NivelDaResolucao(c.Registo, PontosDaResolucao(c.Registo)), c.Nivel) << c.Nome;
}

// A pattern's shortest list of one length decides where a person starts.
TEST(Dificuldade, PadraoParaNivel) {
    using enum TNivelDificuldade;
    const struct {
        std::vector<std::string> Linhas;
        TNivelDificuldade Nivel;
    } casos[] = {
        {{"...", "..#", "..."}, ndFacil},            // one slot of two cells, four of three
        {{"....", ".##.", "....", "####"}, ndMedio}, // two of four, two of three
        {{"...", "...", "..."}, ndDificil},          // six of three
    };
    for (const auto& c : casos) {
        std::string letras;
        for (const std::string& linha : c.Linhas)
            letras += linha;
        const TPadraoAnalisado padrao(PadraoDasLetras(letras),
                                      static_cast<std::int32_t>(c.Linhas.size()));
        for (const TNivelDificuldade nivel : {ndFacil, ndMedio, ndDificil})
            EXPECT_EQ(PadraoParaNivel(padrao, nivel), nivel == c.Nivel)
                << c.Linhas[0] << " " << TextoDoNivel(nivel);
    }
}

TEST(Dificuldade, LivroDeUmNivel) {
    // Pinned: the seeds of each position's first attempt and the attempts each level took, so a
    // change in how attempts derive their seeds, or in which puzzles a level keeps, fails here.
    constexpr std::array<std::uint32_t, 6> PRIMEIRAS_SEMENTES = {
        147266375u, 3817645345u, 2688374926u, 4123694561u, 2387074392u, 2260384253u};
    const struct {
        TNivelDificuldade Nivel;
        std::vector<std::int32_t> Tentativas;
    } casos[] = {
        {TNivelDificuldade::ndFacil, {1, 1, 1, 1, 1, 1}},
        {TNivelDificuldade::ndMedio, {1, 1, 1, 1, 1, 1}},
        {TNivelDificuldade::ndDificil, {6, 1, 5, 5, 5, 8}},
    };
    for (const auto& [nivel, tentativasFixas] : casos) {
        const TConfigLivro config =
            ConfigDoLivro({.NumPuzzles = 6, .Lado = 9, .Semente = 2026, .Nivel = nivel});
        TRelatorioLivro rel;
        std::vector<std::int32_t> tentativas;
        TExecucaoLivro execucao;
        execucao.Tentativas = &tentativas;
        const std::vector<TPuzzle> puzzles = GerarLivro(ListaEmbutida(), config, {}, rel, execucao);
        ASSERT_EQ(puzzles.size(), 6u);
        EXPECT_TRUE(rel.Falhas.empty());
        EXPECT_EQ(rel.ComRaras, 0);
        EXPECT_EQ(tentativas, tentativasFixas) << TextoDoNivel(nivel);
        // Graded once, as it was made; grading the record again agrees.
        for (const TPuzzle& p : puzzles) {
            ASSERT_TRUE(p.Dificuldade.has_value());
            EXPECT_EQ(p.Dificuldade->Nivel, nivel) << TextoDoNivel(nivel);
            EXPECT_EQ(*p.Dificuldade, Classificar(p));
        }
        // A position taken at its first attempt holds the puzzle the level book's own generator
        // options draw from that attempt's pinned seed.
        std::int32_t comparados = 0;
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            if (tentativasFixas[i] != 1)
                continue;
            TPuzzle esperado;
            TEstatisticasGerador estat;
            ASSERT_TRUE(GerarPuzzle(ListaEmbutida(), 9, PRIMEIRAS_SEMENTES[i],
                                    OpcoesGeradorDeNivel(nivel), {}, esperado, estat));
            EXPECT_EQ(puzzles[i], esperado) << "posição " << i;
            ++comparados;
        }
        EXPECT_GT(comparados, 0);
        TRelatorioLivro outra;
        EXPECT_EQ(GerarLivro(ListaEmbutida(), config, {}, outra), puzzles)
            << "o mesmo livro de novo";
    }
}

// Two attempts cover at most two levels, so a one-puzzle book of some level finds none.
TEST(Dificuldade, NivelQueNaoAparecePoeAPosicaoNasFalhas) {
    TExecucaoLivro execucao;
    execucao.TentativasDeNivel = 2;
    std::int32_t semPuzzle = 0;
    for (const TNivelDificuldade nivel :
         {TNivelDificuldade::ndFacil, TNivelDificuldade::ndMedio, TNivelDificuldade::ndDificil}) {
        TRelatorioLivro rel;
        const std::vector<TPuzzle> puzzles =
            GerarLivro(ListaEmbutida(),
                       ConfigDoLivro({.NumPuzzles = 1, .Lado = 9, .Semente = 11, .Nivel = nivel}),
                       {}, rel, execucao);
        if (!puzzles.empty())
            continue;
        ++semPuzzle;
        EXPECT_EQ(rel.Falhas, std::vector<std::string>{"Puzzle 1: nenhum puzzle de nível " +
                                                       TextoDoNivel(nivel) + " em 2 tentativas"});
    }
    EXPECT_GE(semPuzzle, 1);
}

} // namespace
