#include "CanvasGravador.hpp"
#include "ConfigLivro.hpp"
#include "FixturasLivro.hpp"
#include "UnitPalvorinPaginas.hpp"
#include "UnitPalvorinRegras.hpp"
#include "UnitPalvorinTextoPagina.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;
using enum TOperacao;
using enum TTipoPagina;

namespace {

TDadosLivro Livro(std::int32_t ALado, std::int32_t ANumero, const std::string& ATitulo = "",
                  std::optional<TNivelDificuldade> ANivel = {}) {
    return {ConfigDoLivro({.NumPuzzles = ANumero,
                           .Lado = ALado,
                           .Titulo = ATitulo,
                           .Semente = 1,
                           .Nivel = ANivel}),
            PuzzlesDeTeste(ALado, ANumero),
            {}};
}

std::vector<std::shared_ptr<TCanvasGravador>> Compor(const TDadosLivro& ALivro) {
    TDestinoGravador destino;
    TCompositorLivro(ALivro).Compor(destino);
    return destino.Paginas;
}

void VerificarRodape(const TCanvasGravador& APagina, std::int32_t ANumero) {
    const auto t = APagina.Textos();
    ASSERT_GE(t.size(), 2u);
    const TChamada& nome = t[t.size() - 2];
    const TChamada& numero = t.back();
    EXPECT_EQ(APagina.Chamadas.back().Texto, numero.Texto) << "o rodapé é o último desenho";
    EXPECT_EQ(nome.Texto, "Palvorin | Teodoro Valquim");
    EXPECT_EQ(nome.X, 18);
    EXPECT_EQ(nome.Y, 283);
    EXPECT_EQ(nome.Alinhamento, TAlinhamento::alEsquerda);
    EXPECT_EQ(numero.Texto, std::to_string(ANumero));
    EXPECT_EQ(numero.X, 192);
    EXPECT_EQ(numero.Y, 283);
    EXPECT_EQ(numero.Alinhamento, TAlinhamento::alDireita);
    for (const TChamada* c : {&nome, &numero}) {
        EXPECT_EQ(c->TamanhoPt, 9);
        EXPECT_FALSE(c->Negrito);
        EXPECT_EQ(c->Contorno, 128);
    }
}

bool TemRodape(const TCanvasGravador& APagina) {
    return APagina.ProcurarTexto("Palvorin | Teodoro Valquim") != nullptr;
}

} // namespace

TEST(Compositor, UmaPaginaPorDescritorEmOrdem) {
    const TDadosLivro livro = Livro(11, 30);
    const TCompositorLivro compositor(livro);
    TDestinoGravador destino;
    compositor.Compor(destino);
    ASSERT_EQ(destino.Paginas.size(), 43u);
    EXPECT_EQ(compositor.NumPaginas(), 43);
    for (std::size_t k = 0; k < 43; ++k) {
        const TCanvasGravador& pagina = *destino.Paginas[k];
        const TDescPagina& d = compositor.Paginas()[k];
        EXPECT_FALSE(pagina.DesenhouDepoisDeFechado) << k;
        EXPECT_FALSE(pagina.Chamadas.empty()) << k;
        EXPECT_EQ(TemRodape(pagina), d.Numero > 0) << k;
        if (d.Numero > 0)
            VerificarRodape(pagina, static_cast<std::int32_t>(k + 1));
        switch (d.Tipo) {
        case pgCapa:
            EXPECT_NE(pagina.ProcurarTexto("PALVORIN"), nullptr);
            break;
        case pgVerso:
            EXPECT_NE(pagina.ProcurarTexto("Como jogar Palvorin"), nullptr);
            break;
        case pgSeparador:
            EXPECT_NE(pagina.ProcurarTexto(d.Primeiro == 0 ? "Puzzles" : "Soluções"), nullptr);
            break;
        case pgSimbolo:
            EXPECT_EQ(pagina.Textos().size(), 19u);
            break;
        case pgPuzzle: {
            std::string cabecalho = "#";
            cabecalho += std::to_string(d.Primeiro + 1);
            EXPECT_NE(pagina.ProcurarTexto(cabecalho), nullptr) << k;
            break;
        }
        case pgSolucoes:
            EXPECT_NE(pagina.ProcurarTexto("Puzzle " + std::to_string(d.Primeiro + 1)), nullptr);
            break;
        case pgLista:
        case pgNotas:
            ADD_FAILURE() << "uma página que o livro A4 não tem: " << k;
            break;
        }
    }
}

TEST(Compositor, DestinoQueFalhaNaQuintaPagina) {
    TDestinoGravador destino(5);
    const TCompositorLivro compositor(Livro(9, 4));
    try {
        compositor.Compor(destino);
        FAIL() << "devia falhar";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "destino cheio");
    }
    ASSERT_EQ(destino.Paginas.size(), 4u);
    // The fourth page, the first puzzle, was drawn to the end.
    VerificarRodape(*destino.Paginas[3], 4);
}

TEST(Compositor, PaginaDePuzzle15x15) {
    TDadosLivro livro = Livro(15, 1);
    livro.Puzzles[0].Palavras.resize(5);
    const auto paginas = Compor(livro);
    const TCanvasGravador& p = *paginas[3];
    const auto t = p.Textos();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t[0].Texto, "#1");
    EXPECT_EQ(t[0].X, 192);
    EXPECT_EQ(t[0].Y, 18);
    EXPECT_EQ(t[0].TamanhoPt, 14);
    EXPECT_TRUE(t[0].Negrito);
    EXPECT_EQ(t[0].Alinhamento, TAlinhamento::alDireita);
    // The small list fits under the full-width board: x from 18 to 192, top at 34.
    const auto linhas = p.Filtrar(opLinha);
    const TChamada& topo = linhas[linhas.size() - 4];
    const TChamada& direita = linhas.back();
    EXPECT_NEAR(topo.X + PtParaMm(1.2) / 2, 18, 1e-9);
    EXPECT_NEAR(topo.Y, 34, 1e-9);
    EXPECT_NEAR(direita.X, 192, 1e-9);
    EXPECT_NEAR(direita.Y2 - PtParaMm(1.2) / 2, 34 + 174, 1e-9);
    // The list starts 8 mm under the board with the first heading.
    EXPECT_NEAR(t[1].Y, 34 + 174 + 8, 1e-9);
    EXPECT_TRUE(t[1].Negrito);
    EXPECT_EQ(t[1].Texto.substr(t[1].Texto.size() - 7), " letras");
}

TEST(Compositor, PaginasDeSolucoes) {
    const struct {
        std::int32_t lado;
        double celula;
        double letraPt;
    } lados[] = {{9, 8, 13.61}, {11, 81.0 / 11, 12.52}, {13, 81.0 / 13, 10.60}, {15, 5.4, 9.18}};
    for (const auto& l : lados) {
        const auto paginas = Compor(Livro(l.lado, 6));
        // Pages: cover, verso, separator, 6 puzzles, emblem, separator, 2 solution pages.
        ASSERT_EQ(paginas.size(), 13u);
        const TCanvasGravador& ultima = *paginas[12];
        const auto t = ultima.Textos();
        EXPECT_EQ(t[0].Texto, "Puzzle 5");
        EXPECT_EQ(t[0].X, 18 + 43.5);
        EXPECT_EQ(t[0].Y, 18);
        EXPECT_EQ(t[0].TamanhoPt, 10);
        EXPECT_EQ(t[0].Alinhamento, TAlinhamento::alCentro);
        const TChamada* sexto = ultima.ProcurarTexto("Puzzle 6");
        ASSERT_NE(sexto, nullptr);
        EXPECT_EQ(sexto->X, 18 + 87 + 43.5);
        EXPECT_EQ(ultima.ProcurarTexto("Puzzle 7"), nullptr);
        EXPECT_NEAR(t[1].TamanhoPt, l.letraPt, 0.005) << l.lado;
        VerificarRodape(ultima, 13);

        // A full page puts the third board in the bottom-left quarter.
        const TCanvasGravador& cheia = *paginas[11];
        const TChamada* terceiro = cheia.ProcurarTexto("Puzzle 3");
        ASSERT_NE(terceiro, nullptr);
        EXPECT_EQ(terceiro->X, 18 + 43.5);
        EXPECT_EQ(terceiro->Y, 18 + 129.5);
        // Frame of the first board: centred in its quarter, 8 mm under the caption.
        const auto linhas = cheia.Filtrar(opLinha);
        const std::size_t porGrelha = 2 * (l.lado - 1) + 4;
        const TChamada& esquerda = linhas[porGrelha - 2];
        EXPECT_NEAR(esquerda.X, 18 + (87 - l.celula * l.lado) / 2, 1e-9) << l.lado;
        EXPECT_NEAR(linhas[porGrelha - 4].Y, 26, 1e-9);
    }
}

TEST(Compositor, Capa) {
    struct {
        std::string titulo;
        std::int32_t puzzles;
        std::vector<std::pair<std::string, double>> linhas;
    } casos[] = {
        {"  Férias  ",
         1,
         {{"TEODORO VALQUIM", 42},
          {"PALVORIN", 92},
          {"Férias", 150},
          {"1 puzzle", 202},
          {"9 × 9", 212}}},
        {" \t ",
         2,
         {{"TEODORO VALQUIM", 42}, {"PALVORIN", 92}, {"2 puzzles", 202}, {"9 × 9", 212}}},
    };
    for (const auto& c : casos) {
        const auto paginas = Compor(Livro(9, c.puzzles, c.titulo));
        const auto t = paginas[0]->Textos();
        ASSERT_EQ(t.size(), c.linhas.size());
        for (std::size_t i = 0; i < t.size(); ++i) {
            EXPECT_EQ(t[i].Texto, c.linhas[i].first);
            EXPECT_EQ(t[i].Y, c.linhas[i].second);
            EXPECT_EQ(t[i].X, 105);
            EXPECT_EQ(t[i].Alinhamento, TAlinhamento::alCentro);
        }
        EXPECT_EQ(t[1].TamanhoPt, 80);
        EXPECT_TRUE(t[1].Negrito);
        EXPECT_FALSE(t.back().Negrito);
    }
}

// Only a book of one level names it: on the cover's size line and left of each puzzle number.
TEST(Compositor, NivelNaCapaENoCabecalho) {
    const TDadosLivro livro = Livro(9, 2, "", TNivelDificuldade::ndMedio);
    const auto paginas = Compor(livro);
    EXPECT_NE(paginas[0]->ProcurarTexto("9 × 9 · nível Médio"), nullptr);
    const auto t = paginas[4]->Textos();
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t[0].Texto, "#2");
    EXPECT_EQ(t[1].Texto, "Médio ·");
    EXPECT_FALSE(t[1].Negrito);
    EXPECT_EQ(t[1].Y, t[0].Y);
    EXPECT_EQ(t[1].Alinhamento, TAlinhamento::alDireita);
    EXPECT_LT(t[1].X, t[0].X);
    // Without a level, no page mentions one.
    for (const auto& pagina : Compor(Livro(9, 2)))
        for (const TChamada& c : pagina->Textos())
            EXPECT_EQ(c.Texto.find("Médio"), std::string::npos) << c.Texto;
}

TEST(Compositor, TituloDe40CaracteresEncolhe) {
    const std::string titulo(40, 'M');
    const auto paginas = Compor(Livro(9, 1, titulo));
    const TChamada* linha = paginas[0]->ProcurarTexto(titulo);
    ASSERT_NE(linha, nullptr);
    // 8.8 mm per point at this canvas's widths: 18 pt is the largest that fits.
    EXPECT_EQ(linha->TamanhoPt, 18);
}

TEST(Compositor, VersoComBlocoLegal) {
    for (const bool acentos : {false, true}) {
        TDadosLivro livro = Livro(9, 3);
        if (acentos)
            livro.Puzzles[2] = ComAcentos(livro.Puzzles[2]);
        const auto paginas = Compor(livro);
        TCanvasGravador& verso = *paginas[1];

        bool temParagrafo = false;
        for (const TChamada& c : verso.Textos())
            temParagrafo |= c.Texto.find("AÇÚCAR") != std::string::npos;
        EXPECT_EQ(temParagrafo, acentos);

        const TChamada* marca = verso.ProcurarTexto("Palvorin");
        ASSERT_NE(marca, nullptr);
        EXPECT_EQ(marca->Y, 205);
        EXPECT_EQ(marca->TamanhoPt, 14);
        EXPECT_TRUE(marca->Negrito);
        const TChamada* aviso =
            verso.ProcurarTexto("© Teodoro Valquim. Alguns direitos reservados.");
        ASSERT_NE(aviso, nullptr);
        EXPECT_EQ(aviso->X, 18);
        EXPECT_EQ(aviso->Y, 216);
        EXPECT_EQ(aviso->TamanhoPt, 12);

        const std::vector<std::string> licenca = QuebrarTexto(verso, TEXTO_LICENCA, 174, 12, false);
        ASSERT_GT(licenca.size(), 1u);
        for (std::size_t i = 0; i < licenca.size(); ++i) {
            const TChamada* linha = verso.ProcurarTexto(licenca[i]);
            ASSERT_NE(linha, nullptr) << licenca[i];
            EXPECT_EQ(linha->X, 18);
            EXPECT_DOUBLE_EQ(linha->Y, 225 + 6.5 * i);
            EXPECT_EQ(linha->TamanhoPt, 12);
        }
        const auto imagens = verso.Filtrar(opImagem);
        ASSERT_EQ(imagens.size(), 1u);
        EXPECT_EQ(imagens[0].Texto, "SELO_CC_BY_NC_ND");
        EXPECT_EQ(imagens[0].X, 18);
        EXPECT_DOUBLE_EQ(imagens[0].Y, 225 + 6.5 * licenca.size() + 4);
        EXPECT_EQ(imagens[0].X2, 30);
        EXPECT_EQ(imagens[0].Y2, 10.546875);
        VerificarRodape(verso, 2);
    }
}

TEST(Compositor, SeparadoresESimbolo) {
    const auto paginas = Compor(Livro(9, 2));
    ASSERT_EQ(paginas.size(), 8u);
    for (const auto& [indice, titulo] : {std::pair{2, "Puzzles"}, std::pair{6, "Soluções"}}) {
        const TCanvasGravador& p = *paginas[static_cast<std::size_t>(indice)];
        ASSERT_EQ(p.Chamadas.size(), 2u);
        const TChamada& texto = p.Chamadas[0];
        EXPECT_EQ(texto.Texto, titulo);
        EXPECT_DOUBLE_EQ(texto.Y, 148.5 - PtParaMm(36) * 1.15 / 2 - 4);
        EXPECT_EQ(texto.TamanhoPt, 36);
        EXPECT_TRUE(texto.Negrito);
        const TChamada& barra = p.Chamadas[1];
        EXPECT_EQ(barra.Operacao, opRectangulo);
        EXPECT_EQ(barra.X, 90);
        EXPECT_EQ(barra.Y, 162.5);
        EXPECT_EQ(barra.X2, 30);
        EXPECT_EQ(barra.Y2, 0.28);
        EXPECT_EQ(barra.Contorno, -1);
        EXPECT_EQ(barra.Preenchimento, 0);
    }
    const TCanvasGravador& simbolo = *paginas[5];
    const auto pretas = simbolo.Filtrar(opRectangulo);
    ASSERT_EQ(pretas.size(), 6u);
    EXPECT_EQ(pretas[0].X, 60);
    EXPECT_EQ(pretas[0].Y, 103.5);
    EXPECT_EQ(pretas[0].X2, 18);
    std::string letras;
    for (const TChamada& c : simbolo.Textos())
        letras += c.Texto;
    EXPECT_EQ(letras, "OMERRARIDEIASEIOSMR");
    EXPECT_NEAR(simbolo.Textos()[0].TamanhoPt, 30.61, 0.005);
}
