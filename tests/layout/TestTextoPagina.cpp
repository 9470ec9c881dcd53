#include "CanvasGravador.hpp"
#include "UnitPalvorinRegras.hpp"
#include "UnitPalvorinTextoPagina.hpp"

#include <cmath>
#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

// At 10 pt the recording canvas makes every character 2 mm wide.
TEST(QuebrarTexto, QuebraGulosaNosEspacos) {
    TCanvasGravador canvas;
    struct {
        std::string texto;
        double largura;
        std::vector<std::string> linhas;
    } casos[] = {
        {"aa bb cc dd", 10, {"aa bb", "cc dd"}},
        {"aa bb cc dd", 9.99, {"aa", "bb", "cc", "dd"}},
        {"aa bb cc dd", 100, {"aa bb cc dd"}},
        {"a muitolongo b", 6, {"a", "muitolongo", "b"}},
        {"", 10, {}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(QuebrarTexto(canvas, c.texto, c.largura, 10, false), c.linhas) << c.texto;
}

TEST(QuebrarTexto, UmaPalavraNaoSeMede) {
    TCanvasGravador canvas;
    EXPECT_EQ(QuebrarTexto(canvas, "inquebrável", 1, 10, false),
              std::vector<std::string>{"inquebrável"});
    EXPECT_EQ(canvas.Medicoes, 0);
}

TEST(Regras, LinhasComESemAcentos) {
    const std::vector<TLinhaRegras> sem = LinhasDasRegras(false);
    const std::vector<TLinhaRegras> com = LinhasDasRegras(true);
    ASSERT_EQ(sem.size(), 12u);
    ASSERT_EQ(com.size(), 14u);
    EXPECT_EQ(com[0], (TLinhaRegras{TTipoLinhaRegras::lrTitulo, "Como jogar Palvorin"}));
    EXPECT_EQ(com[5].Tipo, TTipoLinhaRegras::lrBranco);
    EXPECT_EQ(com[6], (TLinhaRegras{TTipoLinhaRegras::lrTexto,
                                    "O tabuleiro não leva acentos nem cedilha: a palavra AÇÚCAR, "
                                    "por exemplo, escreve-se ACUCAR."}));
    // The other lines keep their order.
    std::vector<TLinhaRegras> semOsDois = com;
    semOsDois.erase(semOsDois.begin() + 5, semOsDois.begin() + 7);
    EXPECT_EQ(semOsDois, sem);
    EXPECT_EQ(sem.back(), (TLinhaRegras{TTipoLinhaRegras::lrItem,
                                        "- Se ficar preso, as soluções estão no fim do livro."}));
}

TEST(Regras, DesenhaCadaTipoDeLinha) {
    TCanvasGravador canvas;
    std::string corpo;
    for (int i = 0; i < 40; ++i)
        corpo += " abcd";
    using enum TTipoLinhaRegras;
    const std::vector<TLinhaRegras> linhas = {{lrTitulo, "T"},       {lrBranco, ""},
                                              {lrTexto, "aa bb"},    {lrTitulo, "D"},
                                              {lrItem, "-" + corpo}, {lrItem, "semespaco"}};
    const double p = PtParaMm(11) * 1.45;
    const double fim = DesenharRegras(canvas, linhas, 18);

    const std::vector<std::string> corpoQuebrado = QuebrarTexto(
        canvas, corpo.substr(1), 174 - canvas.LarguraTexto("- ", 11, false), 11, false);
    ASSERT_GT(corpoQuebrado.size(), 1u);
    const auto t = canvas.Textos();
    ASSERT_EQ(t.size(), 4 + corpoQuebrado.size() + 2);

    auto verificar = [](const TChamada& c, const std::string& texto, double x, double y,
                        double tamanho, bool negrito, TAlinhamento al) {
        EXPECT_EQ(c.Texto, texto);
        EXPECT_NEAR(c.X, x, 1e-9) << texto;
        EXPECT_NEAR(c.Y, y, 1e-9) << texto;
        EXPECT_EQ(c.TamanhoPt, tamanho) << texto;
        EXPECT_EQ(c.Negrito, negrito) << texto;
        EXPECT_EQ(c.Alinhamento, al) << texto;
        EXPECT_EQ(c.Contorno, 0) << texto;
    };
    using enum TAlinhamento;
    double y = 18;
    verificar(t[0], "T", 105, y, 20, true, alCentro);
    y += 12 + p / 2;
    verificar(t[1], "aa bb", 18, y, 11, false, alEsquerda);
    y += p + 4;
    verificar(t[2], "D", 18, y, 13, true, alEsquerda);
    y += 7;
    verificar(t[3], "- ", 18, y, 11, false, alEsquerda);
    const double m = canvas.LarguraTexto("- ", 11, false);
    for (std::size_t i = 0; i < corpoQuebrado.size(); ++i) {
        verificar(t[4 + i], corpoQuebrado[i], 18 + m, y, 11, false, alEsquerda);
        y += p;
    }
    // An item without a space has no marker and starts at the margin.
    verificar(t[4 + corpoQuebrado.size()], "", 18, y, 11, false, alEsquerda);
    verificar(t[5 + corpoQuebrado.size()], "semespaco", 18, y, 11, false, alEsquerda);
    EXPECT_NEAR(fim, y + p, 1e-9);
}

TEST(Regras, CorpoDoItemQuebraA174MenosOMarcador) {
    // With this marker 192 - (18 + m) falls one bit below 174 - m: a body exactly
    // 174 - m wide must still fit on the marker's row.
    const double m = 41 / 300.0 * 25.4;
    TCanvasGravador canvas;
    canvas.LargurasFixas = {{"- ", m}, {"ab cd", 174 - m}};
    const double fim = DesenharRegras(canvas, {{TTipoLinhaRegras::lrItem, "- ab cd"}}, 18);
    const auto t = canvas.Textos();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1].Texto, "ab cd");
    EXPECT_EQ(t[1].X, 18 + m);
    EXPECT_DOUBLE_EQ(fim, 18 + PtParaMm(11) * 1.45);
}

TEST(TextoCentradoAjustado, EncolheAosPassosAteCaber) {
    // Bold: 0.22 mm per character and point.
    struct {
        std::size_t caracteres;
        double inicio, minimo, passo, esperado;
    } casos[] = {
        {40, 34, 16, 2, 18}, // 8.8 mm/pt: 20 pt is 176 mm, 18 pt is 158.4 mm
        {90, 34, 16, 2, 16}, // never fits: drawn at the minimum
        {8, 80, 24, 4, 80},  // fits at once
        {40, 24, 24, 1, 24}, // too wide, but no room to shrink
        {20, 80, 24, 4, 36}, // 4.4 mm/pt: 40 pt is 176 mm
    };
    for (const auto& c : casos) {
        TCanvasGravador canvas;
        const std::string texto(c.caracteres, 'x');
        TextoCentradoAjustado(canvas, 150, texto, c.inicio, c.minimo, c.passo, true);
        const auto t = canvas.Textos();
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].TamanhoPt, c.esperado) << c.caracteres;
        EXPECT_EQ(t[0].X, 105);
        EXPECT_EQ(t[0].Y, 150);
        EXPECT_EQ(t[0].Alinhamento, TAlinhamento::alCentro);
        EXPECT_TRUE(t[0].Negrito);
    }
}

// Widths that grow slower than the size: the proportional first guess is too big, and only
// the quarter-point steps after it make the line fit.
class TCanvasRaiz : public TCanvasGravador {
public:
    double LarguraTexto(const std::string&, double ATamanhoPt, bool) override {
        return 80 * std::sqrt(ATamanhoPt);
    }
};

TEST(TextoCentradoQueCabe, EncolheAbaixoDoMinimoAteCaber) {
    struct {
        std::size_t caracteres;
        double esperado;
    } casos[] = {
        {8, 34},     // fits at once
        {40, 18},    // fits on the way down: the same size as TextoCentradoAjustado
        {45, 16},    // 9.9 mm/pt: fits at the minimum, as before
        {50, 15.75}, // 176 mm at 16 pt: just over
        {90, 8.75},  // 19.8 mm/pt: 316.8 mm at 16 pt
    };
    for (const auto& c : casos) {
        TCanvasGravador canvas;
        const std::string texto(c.caracteres, 'W');
        TextoCentradoQueCabe(canvas, 150, texto, 34, 16, 2, true);
        const auto t = canvas.Textos();
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].TamanhoPt, c.esperado) << c.caracteres;
        EXPECT_LE(canvas.LarguraTexto(texto, t[0].TamanhoPt, true), 174) << c.caracteres;
        EXPECT_EQ(t[0].X, 105);
        EXPECT_EQ(t[0].Alinhamento, TAlinhamento::alCentro);
    }
    TCanvasRaiz raiz;
    TextoCentradoQueCabe(raiz, 150, "título", 34, 16, 2, true);
    ASSERT_EQ(raiz.Textos().size(), 1u);
    EXPECT_EQ(raiz.Textos()[0].TamanhoPt, 4.5); // 80 * sqrt(4.5) = 169.7 mm; 4.75 gives 174.4
}
