#include "PaginaImagem.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

TEST(CanvasCairo, MilimetrosParaUnidadesArredondaAoPar) {
    TPaginaImagem pagina;
    const std::pair<double, std::int32_t> casos[] = {
        {0, 0},      {1, 12},    {10, 118},  {15, 177},  {210, 2480},
        {297, 3508}, {0.127, 2}, {0.381, 4}, {0.635, 8}, {25.4 * 2.5 / 300, 2},
        {-0.127, -2}};
    for (const auto& [mm, unidades] : casos)
        EXPECT_EQ(pagina.Canvas->MmParaUnidades(mm), unidades) << mm;
}

TEST(CanvasCairo, PreenchimentoCobreAsColunasX1AteX2) {
    TPaginaImagem pagina;
    pagina.Canvas->Rectangulo(10, 10, 5, 5, 0, -1, 0);
    for (int i = 100; i < 200; ++i) {
        const bool dentro = i >= 118 && i <= 177;
        EXPECT_EQ(pagina.Preto(i, 150), dentro) << "coluna " << i;
        EXPECT_EQ(pagina.Preto(150, i), dentro) << "linha " << i;
        EXPECT_EQ(pagina.Branco(i, 150), !dentro) << "coluna " << i;
    }
}

TEST(CanvasCairo, PreenchimentosVizinhosNaoDeixamFenda) {
    TPaginaImagem pagina;
    pagina.Canvas->Rectangulo(10, 10, 5, 5, 0, -1, 0);
    pagina.Canvas->Rectangulo(15, 10, 5, 5, 0, -1, 0);
    for (int x = 118; x <= 236; ++x)
        EXPECT_TRUE(pagina.Preto(x, 150)) << x;
    EXPECT_TRUE(pagina.Branco(237, 150));
}

TEST(CanvasCairo, LarguraDaCaneta) {
    // A 0.5 pt line is 2 units wide; anything thinner than 1 unit is drawn 1 unit wide.
    const std::pair<double, double> casos[] = {{0, 1}, {0.1, 1}, {0.2, 1}, {0.5, 2}, {1.2, 5}};
    for (const auto& [pt, unidades] : casos) {
        TPaginaImagem pagina;
        pagina.Canvas->Linha(5, 20, 45, 20, pt, 0);
        EXPECT_NEAR(pagina.TintaNaColuna(300, 200, 280), unidades, 0.02) << pt;
    }
    TPaginaImagem pagina;
    pagina.Canvas->Linha(5, 20, 45, 20, 1, -1);
    EXPECT_EQ(pagina.TintaNaColuna(300, 200, 280), 0);
}

TEST(CanvasCairo, ContornoSemPreenchimento) {
    TPaginaImagem pagina;
    pagina.Canvas->Rectangulo(10, 10, 20, 20, 0.5, 0, -1);
    EXPECT_TRUE(pagina.Branco(236, 236));
    EXPECT_GT(pagina.TintaNaColuna(236, 100, 130), 1.5);
}

TEST(CanvasCairo, CinzentoTemOsTresCanaisIguais) {
    TPaginaImagem pagina;
    pagina.Canvas->Rectangulo(10, 10, 5, 5, 0, -1, 128);
    EXPECT_EQ(pagina.Pixel(150, 150), (TCorPixel{128, 128, 128}));
}

namespace {

// The first of the texts whose width in device units is odd at 11 pt.
std::string TextoDeLarguraImpar(TCanvasCairo& ACanvas, std::int32_t& ALargura) {
    for (const char* texto : {"Palvorin", "Teodoro", "A", "AB", "ABC", "Soluções", "xyz", "Wm"}) {
        ALargura = static_cast<std::int32_t>(
            std::lround(ACanvas.LarguraTexto(texto, 11, false) / 25.4 * 300));
        if (ALargura % 2 == 1)
            return texto;
    }
    return "";
}

double UnidadesParaMm(std::int32_t AUnidades) {
    return AUnidades * 25.4 / 300;
}

} // namespace

TEST(CanvasCairo, CentrarRecuaMetadeTruncadaDaLargura) {
    TPaginaImagem centrado, direita, esquerda1, esquerda2;
    std::int32_t w = 0;
    const std::string texto = TextoDeLarguraImpar(*centrado.Canvas, w);
    ASSERT_FALSE(texto.empty());
    const double x = UnidadesParaMm(300);
    centrado.Canvas->Texto(x, 10, texto, 11, false, 0, TAlinhamento::alCentro);
    esquerda1.Canvas->Texto(UnidadesParaMm(300 - w / 2), 10, texto, 11, false, 0,
                            TAlinhamento::alEsquerda);
    EXPECT_TRUE(centrado.IgualA(esquerda1));
    direita.Canvas->Texto(x, 10, texto, 11, false, 0, TAlinhamento::alDireita);
    esquerda2.Canvas->Texto(UnidadesParaMm(300 - w), 10, texto, 11, false, 0,
                            TAlinhamento::alEsquerda);
    EXPECT_TRUE(direita.IgualA(esquerda2));
    EXPECT_FALSE(centrado.IgualA(direita));
}

TEST(CanvasCairo, MedidasDoTexto) {
    TPaginaImagem pagina;
    // Liberation Sans at an em of 46 units: ascent 41.6 and descent 9.7 round to 42 + 10.
    EXPECT_DOUBLE_EQ(pagina.Canvas->AlturaTexto(11), 52 / 300.0 * 25.4);
    EXPECT_EQ(pagina.Canvas->LarguraTexto("", 11, false), 0);
    EXPECT_EQ(pagina.Canvas->LarguraTexto("", 11, true), 0);
    EXPECT_GT(pagina.Canvas->LarguraTexto("Palvorin", 11, true),
              pagina.Canvas->LarguraTexto("Palvorin", 11, false));
    // Malformed UTF-8 is measured and drawn as a replacement character, not refused.
    EXPECT_GT(pagina.Canvas->LarguraTexto("\xC3", 11, false), 0);
    pagina.Canvas->Texto(10, 10, "a\xFFz", 11, false, 0, TAlinhamento::alEsquerda);
    EXPECT_EQ(pagina.Canvas->Encerrar(), CAIRO_STATUS_SUCCESS);
}

TEST(CanvasCairo, TextoComecaNoTopoDaCelula) {
    // Y is the top of the character cell: the baseline lies one ascent below it.
    TPaginaImagem pagina;
    pagina.Canvas->Texto(10, 10, "H", 36, false, 0, TAlinhamento::alEsquerda);
    const int topo = pagina.Canvas->MmParaUnidades(10);
    int primeira = -1, ultima = -1;
    for (int y = topo - 20; y < topo + 200; ++y) {
        bool tinta = false;
        for (int x = 118; x < 300; ++x)
            tinta |= !pagina.Branco(x, y);
        if (tinta && primeira < 0)
            primeira = y;
        if (tinta)
            ultima = y;
    }
    // 36 pt is an em of 150 units: ascent 0.905 em (136), capital height 0.688 em (103).
    EXPECT_NEAR(ultima, topo + 136, 1);
    EXPECT_NEAR(primeira, topo + 136 - 103, 1);
}

TEST(CanvasCairo, ImagemTransparenteFicaBranca) {
    TPaginaImagem pagina;
    pagina.Canvas->Rectangulo(10, 10, 10, 10, 0, -1, 0);
    pagina.Canvas->Imagem(10, 10, 10, 10, "TRANSPARENTE");
    EXPECT_TRUE(pagina.Branco(150, 150));
    pagina.Canvas->Imagem(10, 10, 10, 10, "MEIO_TRANSPARENTE");
    const TCorPixel meio = pagina.Pixel(150, 150);
    EXPECT_NEAR(meio.R, 127, 2);
    EXPECT_EQ(meio.R, meio.G);
    EXPECT_EQ(meio.R, meio.B);
}

TEST(CanvasCairo, ImagemInexistenteOuInvalida) {
    TPaginaImagem pagina;
    // Both are faults of the build, never the user's: internal errors, in Portuguese.
    try {
        pagina.Canvas->Imagem(10, 10, 10, 10, "NAO_EXISTE");
        FAIL();
    } catch (const EInterno& e) {
        EXPECT_STREQ(e.what(), "Imagem: o recurso NAO_EXISTE não existe no executável");
    }
    try {
        pagina.Canvas->Imagem(10, 10, 10, 10, "NAO_PNG");
        FAIL();
    } catch (const EInterno& e) {
        EXPECT_THAT(e.what(), testing::StartsWith("PngSobreBranco: imagem ilegível (erro "));
    }
}

TEST(CanvasCairo, PaginaEncerradaRecusaDesenhos) {
    TPaginaImagem pagina;
    pagina.Canvas->Encerrar();
    EXPECT_THROW(pagina.Canvas->Linha(0, 0, 1, 1, 1, 0), EInterno);
    EXPECT_THROW(pagina.Canvas->Texto(0, 0, "a", 11, false, 0, TAlinhamento::alEsquerda), EInterno);
}

// Cairo's own status texts are English; the user gets the cause in Portuguese.
TEST(CanvasCairo, FalhasDoCairoEmPortugues) {
    EXPECT_NO_THROW(VerificarCairo(CAIRO_STATUS_SUCCESS));
    try {
        VerificarCairo(CAIRO_STATUS_NO_MEMORY);
        ADD_FAILURE();
    } catch (const ECairo& e) {
        EXPECT_STREQ(e.what(), "não há memória suficiente");
    }
}
