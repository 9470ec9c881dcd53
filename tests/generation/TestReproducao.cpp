// Golden boards from the fixed list: any change in the order or the number of random draws,
// anywhere from the pattern to the book, moves at least one of them.
#include "ConfigLivro.hpp"
#include "Fixturas.hpp"
#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinTema.hpp"

#include <algorithm>
#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

std::string Juntar(const std::vector<std::string>& ALinhas) {
    std::string texto;
    for (const std::string& l : ALinhas)
        texto += l;
    return texto;
}

struct TPadraoFixo {
    std::int32_t Lado;
    std::uint32_t Semente;
    std::uint64_t EstadoFinal;
    std::vector<std::string> Linhas;
};

TEST(Reproducao, Padroes) {
    const std::vector<TPadraoFixo> casos = {
        {9,
         1,
         0x9ebf6bd3f42d5af1,
         {"##.###...", ".#.#....#", ".#.#.....", ".#......#", "....#....", "#......#.", ".....#.#.",
          "#....#.#.", "...###.##"}},
        {15,
         2,
         0xff0e240231dadb92,
         {".......##.###.#", "...#....#.....#", "...#....#.....#", ".....##.##.....",
          "###....#....###", "#....####.#....", ".#.....#...#.#.", ".#...........#.",
          ".#.#...#.....#.", "....#.####....#", "###....#....###", ".....##.##.....",
          "#.....#....#...", "#.....#....#...", "#.###.##......."}},
    };
    for (const TPadraoFixo& c : casos) {
        TGeradorAleatorio ger(c.Semente);
        EXPECT_EQ(TextoDoPadrao(GerarPadrao(c.Lado, ger, 0.3, 0.7)), Juntar(c.Linhas));
        EXPECT_EQ(ger.Estado(), c.EstadoFinal);
    }
}

struct TPuzzleFixo {
    std::int32_t Lado;
    std::uint32_t Semente;
    TEstatisticasGerador Estatisticas;
    std::vector<std::string> Linhas;
};

TEST(Reproducao, Puzzles) {
    const std::vector<TPuzzleFixo> casos = {
        {9,
         1,
         {15, 11, 3, 1, 0, 0, 1},
         {"#EXEMPLO#", "###R#O###", "P#CABECA#", "ACASO#IRA", "GAS#T#VEM", "AMA#AVIAO", "#ALCOOL#R",
          "###H#A###", "#AGARRAR#"}},
        {9,
         2,
         {10, 7, 2, 1, 0, 0, 0},
         {"##SEI###D", "AMOR#LIXO", "R#MATAR#I", "T##SERIA#", "E#C#R#A#Q", "#LICEU##U", "D#MASSA#E",
          "IRAO#AMAR", "A###IRA##"}},
        {11,
         3,
         {9, 1, 7, 1, 0, 0, 0},
         {"#CHAO##IRES", "P#A#U#MAE##", "OUVIR#AMIGO", "D#I#O#O#N#P", "ERAS###FOME", "R##ESTOU##R",
          "OUVI###ILHA", "S#I#V#P#U#C", "OESTE#EXTRA", "##TEM#L#A#O", "AMOR##ERRO#"}},
    };
    for (const TPuzzleFixo& c : casos) {
        TPuzzle puzzle;
        TEstatisticasGerador estat;
        ASSERT_TRUE(
            GerarPuzzle(ListaFixa(), c.Lado, c.Semente, OpcoesGeradorPadrao(), {}, puzzle, estat));
        EXPECT_EQ(puzzle.Letras, Juntar(c.Linhas)) << "lado " << c.Lado << " semente " << c.Semente;
        EXPECT_EQ(estat, c.Estatisticas);
    }
}

// The book's puzzles, for more checks.
std::vector<TPuzzle> VerificarLivro(const TDicionario& ADic, const TConfigLivro& AConfig,
                                    const std::vector<std::vector<std::string>>& AEsperados,
                                    const TRelatorioLivro& ARelatorio) {
    TRelatorioLivro rel;
    const auto puzzles = GerarLivro(ADic, AConfig, {}, rel);
    EXPECT_EQ(puzzles.size(), AEsperados.size());
    for (std::size_t i = 0; i < std::min(puzzles.size(), AEsperados.size()); ++i)
        EXPECT_EQ(puzzles[i].Letras, Juntar(AEsperados[i])) << "puzzle " << i + 1;
    EXPECT_EQ(rel, ARelatorio);
    return puzzles;
}

TEST(Reproducao, Livro) {
    const std::vector<std::vector<std::string>> esperados = {
        {"VIR##DAVA", "#LUZ##BEM", "CHAO#URSO", "#A#N##I#R", "##PARAR##", "C#R##N#I#", "ALEM#ERRO",
         "VAS##LEI#", "ERAS##IAS"},
        {"#NATAL##F", "#A#E#IREI", "#VAMOS##X", "VER##TEVE", "##TIRAR##", "QUER##AMA", "U##MASSA#",
         "IRAO#E#P#", "S##SERIA#"},
        {"#S#S#CHAO", "DOCE##O#U", "AMOR#USAR", "O#N#E#P#O", "##TEREI##", "A#E#A#T#I", "CENA#MAMA",
         "H#T##ALEM", "AREA#U#S#"},
        {"ARTISTA#F", "LEI###LUA", "TIVESTE#L", "O#E#E#M#O", "####R####", "E#E#E#A#C", "R#RESERVA",
         "VIA###TER", "A#SISTEMA"},
    };
    VerificarLivro(ListaFixa(), ConfigDoLivro({.NumPuzzles = 4, .Lado = 9, .Semente = 2026}),
                   esperados, TRelatorioLivro{4, 4, false, 0, {}});
}

// With every third word of the fixed list, the third position of the book below is refused three
// times for repeating words and accepted at its fourth attempt, the first that forbids the long
// words of earlier puzzles.
TEST(Reproducao, LivroComPalavrasProibidas) {
    const std::vector<std::vector<std::string>> esperados = {
        {"Z#E#D#D#C", "E#REI#AMA", "RUA#S#DAR", "O#S#PLACA", "#P##A##A#", "PEDIR#A#A", "ACO#A#MAR",
         "POS#TIO#M", "A#E#E#R#A"},
        {"POSSO#C#S", "U#A##CARO", "DECIDIR#U", "E#O##MAR#", "###RUA###", "#USO##I#A", "A#ESPERAR",
         "LOJA##E#M", "A#A#MASSA"},
        {"#P#MODA##", "BOLA##T#A", "#D#CIMA#C", "CESAR#C#H", "USO#I#ALA", "R#F#ABRIR", "A#ROSA#D#",
         "R#E##LEAO", "##RACA#R#"},
    };
    VerificarLivro(TercoDaListaFixa(), ConfigDoLivro({.NumPuzzles = 3, .Lado = 9, .Semente = 17}),
                   esperados, TRelatorioLivro{3, 3, false, 3, {}});
}

// A level book draws its puzzles with the level's own fill options and keeps only those graded
// at that level: a change to the steering, the grade or the draws moves these boards.
TEST(Reproducao, LivroDeNivel) {
    struct TCaso {
        TNivelDificuldade Nivel;
        std::vector<std::vector<std::string>> Esperados;
    };
    const std::vector<TCaso> casos = {
        {TNivelDificuldade::ndFacil,
         {{"OUCA##PAO", "U#A##VEM#", "VERIFICAR", "I#O#AMOR#", "####L####", "#MALA#A#P",
           "SEGURANCA", "#DIA##E#R", "DOR##ALTA"},
          {"###TENS#Q", "SAIR##E#U", "###AGENTE", "#FATO#TER", "#ACORDAR#", "USO#DERA#",
           "TERMOS###", "I#D##SOFA", "L#OUVE###"}}},
        {TNivelDificuldade::ndDificil,
         {{"SOFA##CAO", "##ANDAR##", "VALE#MESA", "A#OLHAR#B", "M#######R", "O#EPOCA#I",
           "SERA#AMAR", "##RISCO##", "RIO##AREA"},
          {"CASA##PAR", "ANEL#SOM#", "FORES#DAR", "E##METER#", "##N#R#R##", "#SABES##C",
           "VIR#MATAR", "#DIA#LEVE", "VOZ##AMOR"}}},
    };
    for (const TCaso& c : casos)
        VerificarLivro(ListaFixa(),
                       ConfigDoLivro({.NumPuzzles = 2, .Lado = 9, .Semente = 5, .Nivel = c.Nivel}),
                       c.Esperados, TRelatorioLivro{2, 2, false, 0, {}});
}

// A themed book: the theme's words go first at every step, and the two the fixed list lacks
// join it for the book. Any change in the theme's tier or in how the list gains words moves it.
TEST(Reproducao, LivroComTema) {
    TRelatorioDic rel;
    const TTema tema = LerTemaDeFicheiro(PALVORIN_TEMA_FIXO, rel);
    const std::vector<std::vector<std::string>> esperados = {
        {"M#VIDA##A", "AGIR##M#N", "ERAM#REDE", "#I#O##SAL", "#T#SOL#N#", "MAR##E#C#", "IRES#IRAS",
         "R#I##TIRO", "A##OLEO#U"},
        {"O###IAMOS", "U#MAR#O#E", "V##MANDAR", "IRAO##AMA", "#E#R#B#A#", "SAL##OURO", "ILEGAL##N",
         "D#V#NAO#D", "ODEIO###A"},
        {"ERRO##P#A", "R###I#A#N", "A#PUDESSE", "MAR#O#SAL", "#MES#MAL#", "GAS#U#DAO", "ARTISTA#N",
         "T#A#O###D", "O#R##ILHA"},
        {"###A#C#D#", "CONCHA#O#", "A##O#BOCA", "MAR#CRUEL", "I#ACHAR#M", "SABIA#OVO", "AMOR#S##C",
         "#A#CRANIO", "#R#O#L###"},
    };
    const TConfigLivro config =
        ConfigDoLivro({.NumPuzzles = 4, .Lado = 9, .Semente = 4, .Tema = tema});
    std::vector<std::string> doTema;
    for (const TPuzzle& p :
         VerificarLivro(ListaFixa(), config, esperados, TRelatorioLivro{4, 4, false, 3, {}}))
        for (const std::string& palavra : PalavrasDoTemaNoPuzzle(tema, p))
            doTema.push_back(palavra);
    // CONCHA is not in the fixed list; SAL is one of its rare words, placed as a common one.
    EXPECT_EQ(doTema,
              (std::vector<std::string>{"REDE", "SAL", "SOL", "MAR", "MAR", "SAL", "ONDA", "MAR",
                                        "SAL", "ILHA", "ONDA", "CONCHA", "MAR", "SAL"}));
}

} // namespace
