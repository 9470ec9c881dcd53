#include "CanvasGravador.hpp"
#include "UnitPalvorinLista.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

TPalavraColocada Palavra(const std::string& ATexto, const std::string& AGrelha) {
    return {ATexto, AGrelha, 0};
}

// A heading and AN words of AComprimento letters each.
std::vector<TEntradaLista> Grupo(int AComprimento, int AN) {
    std::vector<TEntradaLista> g = {{std::to_string(AComprimento) + " letras", true}};
    for (int i = 0; i < AN; ++i)
        g.push_back({std::string(static_cast<std::size_t>(AComprimento), 'A'), false});
    return g;
}

std::vector<TEntradaLista> Juntar(std::initializer_list<std::vector<TEntradaLista>> AGrupos) {
    std::vector<TEntradaLista> r;
    for (const auto& g : AGrupos)
        r.insert(r.end(), g.begin(), g.end());
    return r;
}

} // namespace

TEST(Lista, AgrupaPorComprimentoEOrdenaPelaGrelha) {
    const std::vector<TPalavraColocada> palavras = {
        Palavra("SOL", "SOL"),   Palavra("ÁGUA", "AGUA"),      Palavra("AÇO", "ACO"),
        Palavra("ABRE", "ABRE"), Palavra("CÁ", "CA"),          Palavra("ÉS", "ES"),
        Palavra("ACÓ", "ACO"),   Palavra("ABCDEFG", "ABCDEFG")};
    const std::vector<TEntradaLista> esperado = {
        {"2 letras", true}, {"CÁ", false},   {"ÉS", false},      {"3 letras", true},
        {"ACÓ", false},     {"AÇO", false},  {"SOL", false},     {"4 letras", true},
        {"ABRE", false},    {"ÁGUA", false}, {"7 letras", true}, {"ABCDEFG", false}};
    EXPECT_EQ(MontarLista(palavras), esperado);
    EXPECT_TRUE(MontarLista({}).empty());
}

TEST(Lista, OrdemOrdinalComChavesIguais) {
    // Equal board forms fall back to the list forms, compared by code unit: C (U+0043)
    // sorts before Ç (U+00C7).
    EXPECT_EQ(OrdenarPalavras({Palavra("AÇO", "ACO"), Palavra("ACÓ", "ACO"), Palavra("AB", "AB")}),
              (std::vector<std::string>{"AB", "ACÓ", "AÇO"}));
}

TEST(Lista, DistribuicaoDoExemplo) {
    const std::vector<TEntradaLista> lista = Juntar({Grupo(3, 4), Grupo(4, 9)});
    std::vector<std::int32_t> coluna, linha;
    std::int32_t linhas = 0;
    EXPECT_EQ(DistribuirColunas(lista, 6, coluna, linha, linhas), 3);
    EXPECT_EQ(linhas, 6);
    EXPECT_EQ(coluna, (std::vector<std::int32_t>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2}));
    EXPECT_EQ(linha, (std::vector<std::int32_t>{0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 5, 1, 2, 3, 4}));
}

TEST(Lista, DistribuicaoComPoucasLinhas) {
    // One row only: each word gets its own column, still one row below the heading.
    const std::vector<TEntradaLista> lista = Grupo(5, 3);
    std::vector<std::int32_t> coluna, linha;
    std::int32_t linhas = 0;
    EXPECT_EQ(DistribuirColunas(lista, 1, coluna, linha, linhas), 3);
    EXPECT_EQ(coluna, (std::vector<std::int32_t>{0, 0, 1, 2}));
    EXPECT_EQ(linha, (std::vector<std::int32_t>{0, 1, 1, 1}));
    EXPECT_EQ(linhas, 2);
}

TEST(Lista, ListaVaziaNaoDesenhaNada) {
    TCanvasGravador canvas;
    const TPlanoLista plano = PlanearLista(canvas, {}, 174, 100);
    EXPECT_EQ(plano.Colunas, 0);
    EXPECT_EQ(plano.Linhas, 0);
    EXPECT_FALSE(plano.Cabe);
    DesenharLista(canvas, {}, plano, 18, 100);
    EXPECT_TRUE(canvas.Chamadas.empty());
}

TEST(Lista, PlanoA11PtQuandoCabe) {
    TCanvasGravador canvas;
    const auto lista = Juntar({Grupo(3, 4), Grupo(4, 9)});
    const TPlanoLista plano = PlanearLista(canvas, lista, 174, 100);
    EXPECT_TRUE(plano.Cabe);
    EXPECT_EQ(plano.TamanhoPt, 11);
    EXPECT_DOUBLE_EQ(plano.PassoMm, PtParaMm(11) * 1.3);
    // 100 mm hold 19 rows of 5.0447 mm: every group in one column.
    EXPECT_EQ(plano.Colunas, 2);
    EXPECT_EQ(plano.Linhas, 10);
    EXPECT_DOUBLE_EQ(plano.AlturaMm, 10 * plano.PassoMm);
}

TEST(Lista, IntervaloLimitadoA14mmEListaCentrada) {
    TCanvasGravador canvas;
    // Headings at 11 pt bold: 8 characters * 0.2 * 11 * 1.1 = 19.36 mm, wider than the words.
    const auto lista = Juntar({Grupo(2, 3), Grupo(3, 3), Grupo(4, 3)});
    const TPlanoLista plano = PlanearLista(canvas, lista, 174, 100);
    const double coluna = 8 * 0.2 * 11 * 1.1;
    ASSERT_EQ(plano.Colunas, 3);
    EXPECT_NEAR(plano.LarguraMm, 3 * coluna + 2 * 14, 1e-9);
    const double recuo = (174 - plano.LarguraMm) / 2;
    EXPECT_NEAR(plano.XColuna[0], recuo, 1e-9);
    EXPECT_NEAR(plano.XColuna[1], recuo + coluna + 14, 1e-9);
    EXPECT_NEAR(plano.XColuna[2], recuo + 2 * (coluna + 14), 1e-9);
}

TEST(Lista, ColunasSomadasDaEsquerdaParaADireita) {
    // Each column starts at (previous x + its width) + gap; summing width and gap first
    // lands one bit off for these widths.
    TCanvasGravador canvas;
    canvas.LargurasFixas = {{"3 letras", 33.1}, {"4 letras", 18.2}, {"5 letras", 19.9}};
    const auto lista = Juntar({Grupo(3, 1), Grupo(4, 1), Grupo(5, 1)});
    const TPlanoLista plano = PlanearLista(canvas, lista, 174, 100);
    ASSERT_EQ(plano.Colunas, 3);
    const double g = 14;
    EXPECT_EQ(plano.LarguraMm, 33.1 + 18.2 + 19.9 + 2 * g);
    const double recuo = (174 - plano.LarguraMm) / 2;
    EXPECT_EQ(plano.XColuna[0], 0 + recuo);
    EXPECT_EQ(plano.XColuna[1], (0 + 33.1) + g + recuo);
    EXPECT_EQ(plano.XColuna[2], ((0 + 33.1) + g + 18.2) + g + recuo);
}

TEST(Lista, UmaSoColunaSemIntervaloECentrada) {
    TCanvasGravador canvas;
    const TPlanoLista plano = PlanearLista(canvas, Grupo(3, 4), 174, 100);
    ASSERT_EQ(plano.Colunas, 1);
    const double largura = 8 * 0.2 * 11 * 1.1;
    EXPECT_NEAR(plano.LarguraMm, largura, 1e-9);
    EXPECT_NEAR(plano.XColuna[0], (174 - largura) / 2, 1e-9);
}

TEST(Lista, ProcuraOMaiorTamanhoQueCabe) {
    // Eight groups of five-letter words, one column each: 8 headings of 8 characters
    // need 64 * 0.22 * size + 28 mm; 174 mm hold that from 10 pt down.
    std::vector<TEntradaLista> lista;
    for (int c = 2; c < 10; ++c) {
        const auto g = Grupo(c, 2);
        lista.insert(lista.end(), g.begin(), g.end());
        lista[lista.size() - 3].Texto = "X letras"; // equal widths
    }
    for (TEntradaLista& e : lista)
        if (!e.Cabecalho)
            e.Texto = "AAAAA";
    TCanvasGravador canvas;
    const TPlanoLista plano = PlanearLista(canvas, lista, 174, 100);
    EXPECT_TRUE(plano.Cabe);
    EXPECT_EQ(plano.TamanhoPt, 10);
    // Exactly as wide as the area still fits ("at most").
    double largura = 0;
    for (int c = 0; c < 8; ++c)
        largura += canvas.LarguraTexto("X letras", 10, true);
    largura += 7 * 4;
    EXPECT_TRUE(PlanearLista(canvas, lista, largura, 100).Cabe);
    EXPECT_EQ(PlanearLista(canvas, lista, largura, 100).TamanhoPt, 10);
}

TEST(Lista, AlturaInsuficienteDaPlanoQueNaoCabe) {
    TCanvasGravador canvas;
    const auto lista = Juntar({Grupo(3, 4), Grupo(4, 9)});
    // Less than two rows at 8 pt: the fewest rows that are narrow enough, at 8 pt.
    const TPlanoLista plano = PlanearLista(canvas, lista, 174, 5);
    EXPECT_FALSE(plano.Cabe);
    EXPECT_EQ(plano.TamanhoPt, 8);
    EXPECT_EQ(plano.Linhas, 2);
    EXPECT_EQ(plano.Colunas, 4 + 9);
    // Too narrow for any distribution: every group in one column, wider than the area.
    const TPlanoLista largo = PlanearLista(canvas, lista, 10, 5);
    EXPECT_FALSE(largo.Cabe);
    EXPECT_EQ(largo.Colunas, 2);
    EXPECT_GT(largo.LarguraMm, 10);
    EXPECT_LT(largo.XColuna[0], 0);
}

TEST(Lista, DesenhaCadaEntradaNoSeuLugar) {
    TCanvasGravador canvas;
    const auto lista = Juntar({Grupo(3, 4), Grupo(4, 9)});
    const TPlanoLista plano = PlanearLista(canvas, lista, 174, 30);
    canvas.Chamadas.clear();
    DesenharLista(canvas, lista, plano, 18, 200);
    const auto textos = canvas.Textos();
    ASSERT_EQ(textos.size(), lista.size());
    for (std::size_t i = 0; i < lista.size(); ++i) {
        EXPECT_EQ(textos[i].Texto, lista[i].Texto);
        EXPECT_EQ(textos[i].Negrito, lista[i].Cabecalho);
        EXPECT_EQ(textos[i].TamanhoPt, plano.TamanhoPt);
        EXPECT_DOUBLE_EQ(textos[i].X, 18 + plano.XColuna[plano.ColunaDe[i]]);
        EXPECT_DOUBLE_EQ(textos[i].Y, 200 + plano.LinhaDe[i] * plano.PassoMm);
        EXPECT_EQ(textos[i].Alinhamento, TAlinhamento::alEsquerda);
        EXPECT_EQ(textos[i].Contorno, 0);
    }
}

// Large type and a length for every size from 2 to 15 letters: side by side the groups run far
// past the page, so they wrap into bands, each group whole, inside the width, none overlapping.
// A list that fits side by side is planned as it always was.
TEST(Lista, GruposEmFaixasQuandoNaoCabemLadoALado) {
    std::vector<TEntradaLista> muitos;
    for (int comprimento = 2; comprimento <= 15; ++comprimento) {
        const auto g = Grupo(comprimento, comprimento % 3 + 1);
        muitos.insert(muitos.end(), g.begin(), g.end());
    }
    const auto poucos = Juntar({Grupo(3, 4), Grupo(4, 9)});
    const double largura = 174, altura = 240;
    const struct {
        const std::vector<TEntradaLista>* Lista;
        bool EmFaixas;
        bool Cabe;
    } casos[] = {{&muitos, true, true}, {&muitos, false, false}, {&poucos, true, true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.Lista->size());
        SCOPED_TRACE(c.EmFaixas);
        const std::vector<TEntradaLista>& lista = *c.Lista;
        TCanvasGravador canvas;
        const TPlanoLista plano =
            PlanearLista(canvas, lista, largura, altura, {18, 16, c.EmFaixas});
        ASSERT_EQ(plano.Cabe, c.Cabe);
        if (!c.Cabe)
            continue;
        EXPECT_GE(plano.TamanhoPt, 16);
        EXPECT_LE(plano.Linhas * plano.PassoMm, altura);
        // Boxes of the drawn entries: inside the width and apart from one another.
        struct TCaixa {
            double X1, X2;
            std::int32_t Linha;
        };
        std::vector<TCaixa> caixas;
        for (std::size_t i = 0; i < lista.size(); ++i) {
            const double x = plano.XColuna[static_cast<std::size_t>(plano.ColunaDe[i])];
            caixas.push_back(
                {x, x + canvas.LarguraTexto(lista[i].Texto, plano.TamanhoPt, lista[i].Cabecalho),
                 plano.LinhaDe[i]});
            EXPECT_GE(caixas.back().X1, 0) << lista[i].Texto;
            EXPECT_LE(caixas.back().X2, largura) << lista[i].Texto;
        }
        for (std::size_t i = 0; i < caixas.size(); ++i)
            for (std::size_t j = i + 1; j < caixas.size(); ++j)
                if (caixas[i].Linha == caixas[j].Linha) {
                    EXPECT_TRUE(caixas[i].X2 <= caixas[j].X1 || caixas[j].X2 <= caixas[i].X1)
                        << lista[i].Texto << " / " << lista[j].Texto;
                }
        // Each group in one band: its words below its heading, above the next band's headings.
        for (std::size_t i = 0; i < lista.size(); ++i) {
            if (!lista[i].Cabecalho)
                continue;
            std::size_t fim = i + 1;
            while (fim < lista.size() && !lista[fim].Cabecalho)
                ++fim;
            for (std::size_t k = i + 1; k < fim; ++k) {
                EXPECT_GT(plano.LinhaDe[k], plano.LinhaDe[i]);
                if (fim < lista.size() && plano.LinhaDe[fim] > plano.LinhaDe[i]) {
                    EXPECT_LT(plano.LinhaDe[k], plano.LinhaDe[fim]);
                }
            }
        }
        if (&lista == &poucos) {
            const TPlanoLista lado = PlanearLista(canvas, lista, largura, altura, {18, 16});
            EXPECT_EQ(plano.XColuna, lado.XColuna);
            EXPECT_EQ(plano.LinhaDe, lado.LinhaDe);
            EXPECT_EQ(plano.TamanhoPt, lado.TamanhoPt);
        }
    }
}

// At the narrowest width that holds seven groups side by side at all, one row needs the
// smallest size; where bands are allowed, two bands keep the largest.
TEST(Lista, FaixasAntesDeLetraMaisPequena) {
    std::vector<TEntradaLista> lista;
    for (int comprimento = 3; comprimento <= 9; ++comprimento) {
        const auto g = Grupo(comprimento, 3);
        lista.insert(lista.end(), g.begin(), g.end());
    }
    TCanvasGravador canvas;
    const double altura = 100;
    double largura = 50;
    while (!PlanearLista(canvas, lista, largura, altura, {9.5, 7.5}).Cabe)
        largura += 0.5;
    const TPlanoLista umaLinha = PlanearLista(canvas, lista, largura, altura, {9.5, 7.5});
    EXPECT_LT(umaLinha.TamanhoPt, 9.5);
    const TPlanoLista faixas = PlanearLista(canvas, lista, largura, altura, {9.5, 7.5, true});
    EXPECT_TRUE(faixas.Cabe);
    EXPECT_EQ(faixas.TamanhoPt, 9.5);
    EXPECT_GT(faixas.Linhas, umaLinha.Linhas);
    EXPECT_LE(faixas.LarguraMm, largura);
    EXPECT_LE(faixas.Linhas * faixas.PassoMm, altura);
}
