#include "CanvasGravador.hpp"
#include "UnitPalvorinTabuleiro.hpp"

#include <cmath>
#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;
using enum TOperacao;

TEST(Tabuleiro, CelulaDoPuzzle) {
    EXPECT_EQ(CelulaDoPuzzle(9), 12);
    EXPECT_EQ(CelulaDoPuzzle(11), 12);
    EXPECT_EQ(CelulaDoPuzzle(13), 12);
    EXPECT_NEAR(CelulaDoPuzzle(15), 11.6, 1e-12);
}

TEST(Tabuleiro, MolduraFechaOsCantos) {
    TCanvasGravador canvas;
    DesenharMoldura(canvas, 10, 20, 30, 40, 1.2);
    const double c = PtParaMm(1.2) / 2;
    const auto l = canvas.Filtrar(opLinha);
    ASSERT_EQ(l.size(), 4u);
    const double esperado[4][4] = {{10 - c, 20, 40 + c, 20},
                                   {10 - c, 60, 40 + c, 60},
                                   {10, 20 - c, 10, 60 + c},
                                   {40, 20 - c, 40, 60 + c}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(l[i].X, esperado[i][0]);
        EXPECT_DOUBLE_EQ(l[i].Y, esperado[i][1]);
        EXPECT_DOUBLE_EQ(l[i].X2, esperado[i][2]);
        EXPECT_DOUBLE_EQ(l[i].Y2, esperado[i][3]);
        EXPECT_EQ(l[i].EspessuraPt, 1.2);
        EXPECT_EQ(l[i].Contorno, 0);
    }
}

TEST(Tabuleiro, CasasPretasDepoisLinhasDepoisMoldura) {
    TCanvasGravador canvas;
    DesenharGrelhaVazia(canvas, 3,
                        "#AB"
                        "CD#"
                        "E#F",
                        50, 34, 10);
    const auto& ch = canvas.Chamadas;
    ASSERT_EQ(ch.size(), 3u + 4u + 4u);
    // Black cells in reading order, fill only.
    const double casas[3][2] = {{50, 34}, {70, 44}, {60, 54}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ch[i].Operacao, opRectangulo);
        EXPECT_EQ(ch[i].X, casas[i][0]);
        EXPECT_EQ(ch[i].Y, casas[i][1]);
        EXPECT_EQ(ch[i].X2, 10);
        EXPECT_EQ(ch[i].Y2, 10);
        EXPECT_EQ(ch[i].EspessuraPt, 0);
        EXPECT_EQ(ch[i].Contorno, -1);
        EXPECT_EQ(ch[i].Preenchimento, 0);
    }
    // Inner lines: horizontal then vertical for each j.
    EXPECT_EQ(ch[3].Y, 44);
    EXPECT_EQ(ch[3].Y2, 44);
    EXPECT_EQ(ch[3].X2, 80);
    EXPECT_EQ(ch[4].X, 60);
    EXPECT_EQ(ch[4].X2, 60);
    EXPECT_EQ(ch[4].Y2, 64);
    EXPECT_EQ(ch[5].Y, 54);
    EXPECT_EQ(ch[6].X, 70);
    for (int i = 3; i < 7; ++i)
        EXPECT_EQ(ch[i].EspessuraPt, 0.6);
    for (int i = 7; i < 11; ++i)
        EXPECT_EQ(ch[i].EspessuraPt, 1.2);
}

TEST(Tabuleiro, ResolvidaCentraUmaLetraPorCasaBranca) {
    TCanvasGravador canvas;
    DesenharGrelhaResolvida(canvas, 3,
                            "#AB"
                            "CD#"
                            "E#F",
                            0, 0, 10);
    const auto linhas = canvas.Filtrar(opLinha);
    ASSERT_EQ(linhas.size(), 8u);
    EXPECT_EQ(linhas.front().EspessuraPt, 0.4);
    EXPECT_EQ(linhas.back().EspessuraPt, 0.8);
    const auto t = canvas.Textos();
    ASSERT_EQ(t.size(), 6u);
    const double s = MmParaPt(6);
    const double h = canvas.AlturaTexto(s);
    const struct {
        const char* letra;
        int r, k;
    } esperado[] = {{"A", 0, 1}, {"B", 0, 2}, {"C", 1, 0}, {"D", 1, 1}, {"E", 2, 0}, {"F", 2, 2}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(t[i].Texto, esperado[i].letra);
        EXPECT_DOUBLE_EQ(t[i].X, (esperado[i].k + 0.5) * 10);
        EXPECT_DOUBLE_EQ(t[i].Y, esperado[i].r * 10 + (10 - h) / 2);
        EXPECT_DOUBLE_EQ(t[i].TamanhoPt, s);
        EXPECT_TRUE(t[i].Negrito);
        EXPECT_EQ(t[i].Alinhamento, TAlinhamento::alCentro);
    }
}

namespace {

// A single group of AN words of 15 letters.
std::vector<TEntradaLista> ListaLonga(int AN) {
    std::vector<TEntradaLista> lista = {{"15 letras", true}};
    for (int i = 0; i < AN; ++i)
        lista.push_back({std::string(15, 'A'), false});
    return lista;
}

double AlturaParaLista(std::int32_t ALado, double ACelula) {
    return 277 - (34 + ALado * ACelula + 8);
}

} // namespace

TEST(Tabuleiro, EncolheOTabuleiroAteAListaCaber) {
    struct {
        std::int32_t lado;
        int palavras;
    } casos[] = {{15, 5}, {15, 60}, {15, 80}, {9, 60}, {11, 100}};
    for (const auto& c : casos) {
        TCanvasGravador canvas;
        const auto lista = ListaLonga(c.palavras);
        TPlanoLista plano;
        const double celula = PlanearPaginaPuzzle(canvas, c.lado, lista, plano);
        const double primeira = CelulaDoPuzzle(c.lado);
        // Only the cells of the 0.25 mm ladder, never below 8 mm.
        EXPECT_GE(celula, 8);
        const double degraus = (primeira - celula) / 0.25;
        EXPECT_TRUE(celula == 8 || std::abs(degraus - std::round(degraus)) < 1e-9) << celula;
        if (plano.Cabe) {
            // The largest cell at which the list fits.
            EXPECT_FALSE(
                celula < primeira &&
                PlanearLista(canvas, lista, 174, AlturaParaLista(c.lado, celula + 0.25)).Cabe);
        } else {
            EXPECT_EQ(celula, 8);
        }
    }
}

TEST(Tabuleiro, ListaPequenaMantemOTamanhoMaior) {
    TCanvasGravador canvas;
    TPlanoLista plano;
    EXPECT_NEAR(PlanearPaginaPuzzle(canvas, 15, ListaLonga(3), plano), 11.6, 1e-12);
    EXPECT_TRUE(plano.Cabe);
    EXPECT_EQ(PlanearPaginaPuzzle(canvas, 9, {}, plano), 12);
    EXPECT_EQ(plano.Colunas, 0);
}

TEST(Tabuleiro, ListaImpossivelFicaNos8mm) {
    TCanvasGravador canvas;
    TPlanoLista plano;
    EXPECT_EQ(PlanearPaginaPuzzle(canvas, 15, ListaLonga(400), plano), 8);
    EXPECT_FALSE(plano.Cabe);
}
