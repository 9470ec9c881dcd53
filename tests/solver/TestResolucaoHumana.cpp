#include "Fixturas.hpp"
#include "UnitPalvorinResolucaoHumana.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

// Three lengths with one word each.
const std::vector<std::string> SO_COMPRIMENTOS = {"PATOS", "E####", "R####", "UVA##", "#####"};
// Two words of each length, and every word fits every slot of its length: only RATO on top
// would leave the left column with no word (none starts with R).
const std::vector<std::string> COM_ELIMINACAO = {"SAPO", "E##V", "RATO", "####"};
// Eliminations leave two slots of one length with the same two words, and another slot of that
// length must lose them before anything else moves.
const std::vector<std::string> COM_PAR = {"TI##R", "U#P#I", "R#AI#", "FA#SO", "ASA#S"};
// One word twice: placing its first copy must leave it to the other slot.
const std::vector<std::string> REPETIDA = {"OVO", "#A#", "OVO"};
// A unique filling that no chain of deductions reaches.
const std::vector<std::string> COM_TENTATIVA = {"AAC#A", "A#C#A", "B#C#B", "A#C#C", "C#AAA"};

TTecnica MaisCara(const TRegistoResolucao& ARegisto) {
    for (std::size_t t = NUM_TECNICAS; t-- > 1;)
        if (ARegisto.Usos[t] > 0)
            return static_cast<TTecnica>(t);
    return TTecnica::tcComprimentoUnico;
}

TEST(ResolucaoHumana, TabuleirosFeitosAMao) {
    const struct {
        const std::vector<std::string>& Linhas;
        TTecnica MaisCara;
    } casos[] = {{SO_COMPRIMENTOS, TTecnica::tcComprimentoUnico},
                 {COM_ELIMINACAO, TTecnica::tcEliminacao},
                 {REPETIDA, TTecnica::tcEliminacao},
                 {COM_PAR, TTecnica::tcPar},
                 {COM_TENTATIVA, TTecnica::tcTentativa}};
    for (const auto& c : casos) {
        const TPuzzle puzzle = PuzzleDasLinhas(c.Linhas);
        const TRegistoResolucao r = ResolverComoPessoa(SemLetras(puzzle));
        EXPECT_TRUE(r.Resolvido) << c.Linhas[0];
        EXPECT_EQ(r.Letras, puzzle.Letras) << c.Linhas[0];
        EXPECT_EQ(MaisCara(r), c.MaisCara) << c.Linhas[0];
    }
    const TRegistoResolucao so = ResolverComoPessoa(PuzzleDasLinhas(SO_COMPRIMENTOS));
    EXPECT_EQ(so.UsosDe(TTecnica::tcComprimentoUnico), 3);
    // The other words follow from the letters once RATO is out of the top slot.
    const TRegistoResolucao elim = ResolverComoPessoa(PuzzleDasLinhas(COM_ELIMINACAO));
    EXPECT_EQ(elim.UsosDe(TTecnica::tcEliminacao), 1);
    EXPECT_GT(elim.Comparacoes, so.Comparacoes);
}

// A word list with no filling: the solver stops short instead of forcing a word in.
TEST(ResolucaoHumana, SemSolucaoNaoCompleta) {
    TPuzzle trocada = PuzzleDasLinhas(SO_COMPRIMENTOS);
    trocada.Palavras[1] = {"OVO", "OVO", 1}; // crosses PERU's U
    TPuzzle aMenos = PuzzleDasLinhas(COM_ELIMINACAO);
    aMenos.Palavras.pop_back();
    for (const TPuzzle& p : {trocada, aMenos}) {
        const TRegistoResolucao r = ResolverComoPessoa(SemLetras(p));
        EXPECT_FALSE(r.Resolvido);
        EXPECT_NE(r.Letras.find('.'), std::string::npos);
    }
}

TEST(ResolucaoHumana, RegistoMalFormado) {
    const TPuzzle base = PuzzleDasLinhas(COM_ELIMINACAO);
    const auto com = [&](auto AMudar) {
        TPuzzle p = base;
        AMudar(p);
        return p;
    };
    const TPuzzle casos[] = {
        com([](TPuzzle& p) { p.Letras.pop_back(); }),
        com([](TPuzzle& p) { p.Lado = 0; }),
        com([](TPuzzle& p) { p.Ranhuras[0].Comprimento = 5; }),
        com([](TPuzzle& p) { p.Ranhuras[0].Linha = -1; }),
        com([](TPuzzle& p) { p.Ranhuras[0].Linha = 1; }),
        com([](TPuzzle& p) { p.Ranhuras.push_back(p.Ranhuras[0]); }),
        com([](TPuzzle& p) { p.Palavras[0].Grelha = "SaPO"; }),
        com([](TPuzzle& p) { p.Palavras[0].Grelha = ""; }),
    };
    for (const TPuzzle& p : casos)
        EXPECT_THROW(ResolverComoPessoa(p), EInterno);
}

} // namespace
