#include "Fixturas.hpp"
#include "ListaEmbutida.hpp"
#include "UnitPalvorinDificuldade.hpp"
#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinRandom.hpp"
#include "UnitPalvorinTentativas.hpp"

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

TEST(Dificuldade, NiveisDosTabuleirosFeitosAMao) {
    const TDificuldade so =
        Classificar(PuzzleDasLinhas({"PATOS", "E####", "R####", "UVA##", "#####"}));
    const TDificuldade elim = Classificar(PuzzleDasLinhas({"SAPO", "E##V", "RATO", "####"}));
    const TDificuldade tentativa =
        Classificar(PuzzleDasLinhas({"AAC#A", "A#C#A", "B#C#B", "A#C#C", "C#AAA"}));
    EXPECT_EQ(so.Nivel, TNivelDificuldade::ndFacil);
    EXPECT_LT(so.Pontos, elim.Pontos);
    EXPECT_EQ(tentativa.Nivel, TNivelDificuldade::ndDificil);
    EXPECT_GT(tentativa.Pontos, elim.Pontos);
}

TEST(Dificuldade, LimitesDosNiveis) {
    TRegistoResolucao resolvido;
    resolvido.Resolvido = true;
    TRegistoResolucao comTentativa = resolvido;
    comTentativa.Usos[static_cast<std::size_t>(TTecnica::tcTentativa)] = 1;
    const TRegistoResolucao porResolver;
    using enum TNivelDificuldade;
    const struct {
        std::int32_t Lado;
        const TRegistoResolucao& Registo;
        std::int32_t Pontos;
        TNivelDificuldade Nivel;
    } casos[] = {
        {9, resolvido, 34, ndFacil},    {9, resolvido, 35, ndMedio},
        {9, resolvido, 41, ndMedio},    {9, resolvido, 42, ndDificil},
        {11, resolvido, 52, ndFacil},   {11, resolvido, 64, ndDificil},
        {13, resolvido, 66, ndFacil},   {13, resolvido, 80, ndDificil},
        {15, resolvido, 83, ndFacil},   {15, resolvido, 98, ndMedio},
        {15, resolvido, 99, ndDificil}, {9, comTentativa, 0, ndDificil},
        {9, porResolver, 0, ndDificil},
    };
    for (const auto& c : casos)
        EXPECT_EQ(NivelDaResolucao(c.Lado, c.Registo, c.Pontos), c.Nivel)
            << c.Lado << " " << c.Pontos;
}

TEST(Dificuldade, LivroDeUmNivel) {
    for (const TNivelDificuldade nivel :
         {TNivelDificuldade::ndFacil, TNivelDificuldade::ndMedio, TNivelDificuldade::ndDificil}) {
        const TConfigLivro config{6, 9, "", 2026, nivel};
        TRelatorioLivro rel;
        std::vector<std::int32_t> tentativas;
        TExecucaoLivro execucao;
        execucao.Tentativas = &tentativas;
        const std::vector<TPuzzle> puzzles = GerarLivro(ListaEmbutida(), config, {}, rel, execucao);
        ASSERT_EQ(puzzles.size(), 6u);
        EXPECT_TRUE(rel.Falhas.empty());
        EXPECT_EQ(rel.ComRaras, 0);
        for (const TPuzzle& p : puzzles)
            EXPECT_EQ(Classificar(p).Nivel, nivel) << TextoDoNivel(nivel);
        // Drawn with the level book's own generator options, from the attempt's seed (before
        // the attempts that forbid words already used).
        std::int32_t comparados = 0;
        for (std::int32_t i = 0; i < 6; ++i) {
            if (tentativas[i] > TENTATIVA_PROIBIR_USADAS)
                continue;
            TPuzzle esperado;
            TEstatisticasGerador estat;
            ASSERT_TRUE(GerarPuzzle(ListaEmbutida(), 9,
                                    SementeDaTentativa(2026, i, tentativas[i] - 1),
                                    OpcoesGeradorDeNivel(), {}, esperado, estat));
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
            GerarLivro(ListaEmbutida(), TConfigLivro{1, 9, "", 11, nivel}, {}, rel, execucao);
        if (!puzzles.empty())
            continue;
        ++semPuzzle;
        EXPECT_EQ(rel.Falhas, std::vector<std::string>{"Puzzle 1: nenhum puzzle de nível " +
                                                       TextoDoNivel(nivel) + " em 2 tentativas"});
    }
    EXPECT_GE(semPuzzle, 1);
}

} // namespace
