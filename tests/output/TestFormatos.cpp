// Every format, large print and print-shop pages, laid out with the real font's metrics:
// nothing under 7 pt, nothing off the page or overlapping, the print shop's safe zone.
#include "ConfigLivro.hpp"
#include "Ferramentas.hpp"
#include "FixturasLivro.hpp"
#include "PaginaImagem.hpp"
#include "UnitPalvorinCanvasCairo.hpp"
#include "UnitPalvorinInfoPdf.hpp"
#include "UnitPalvorinPdf.hpp"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <sstream>
#include <vector>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

struct TCaixa {
    double X1, Y1, X2, Y2;
    bool Cruza(const TCaixa& A) const {
        constexpr double folga = 0.01;
        return X1 < A.X2 - folga && A.X1 < X2 - folga && Y1 < A.Y2 - folga && A.Y1 < Y2 - folga;
    }
    bool Dentro(const TCaixa& A) const {
        return X1 >= A.X1 && X2 <= A.X2 && Y1 >= A.Y1 && Y2 <= A.Y2;
    }
    TCaixa Uniao(const TCaixa& A) const {
        return {std::min(X1, A.X1), std::min(Y1, A.Y1), std::max(X2, A.X2), std::max(Y2, A.Y2)};
    }
};

struct TTexto {
    TCaixa Caixa;
    double TamanhoPt;
    bool Negrito;
};

// Records where everything of a page lands, measuring text with the real fonts.
class TCanvasMedidor : public ICanvasPagina {
public:
    explicit TCanvasMedidor(ICanvasPagina& AMedida) : FMedida(AMedida) {}

    void Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt,
               std::int32_t) override {
        const double c = PtParaMm(AEspessuraPt) / 2;
        Linhas.push_back({std::min(X1, X2) - c, std::min(Y1, Y2) - c, std::max(X1, X2) + c,
                          std::max(Y1, Y2) + c});
        Espessuras.push_back(AEspessuraPt);
    }
    void Rectangulo(double X, double Y, double ALargura, double AAltura, double, std::int32_t,
                    std::int32_t) override {
        Outros.push_back({X, Y, X + ALargura, Y + AAltura});
    }
    void Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt, bool ANegrito,
               std::int32_t, TAlinhamento AAlinhamento) override {
        const double largura = FMedida.LarguraTexto(ATexto, ATamanhoPt, ANegrito);
        const double x = AAlinhamento == TAlinhamento::alEsquerda ? X
                         : AAlinhamento == TAlinhamento::alCentro ? X - largura / 2
                                                                  : X - largura;
        Textos.push_back(
            {{x, Y, x + largura, Y + FMedida.AlturaTexto(ATamanhoPt)}, ATamanhoPt, ANegrito});
    }
    double LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) override {
        return FMedida.LarguraTexto(ATexto, ATamanhoPt, ANegrito);
    }
    double AlturaTexto(double ATamanhoPt) override { return FMedida.AlturaTexto(ATamanhoPt); }
    void Imagem(double X, double Y, double ALargura, double AAltura, const std::string&) override {
        Outros.push_back({X, Y, X + ALargura, Y + AAltura});
    }

    // The boards: lines grouped by touching.
    std::vector<TCaixa> Tabuleiros() const {
        std::vector<TCaixa> grupos;
        for (const TCaixa& linha : Linhas) {
            TCaixa grupo = linha;
            for (auto g = grupos.begin(); g != grupos.end();)
                if (g->Cruza(grupo) || grupo.Cruza(*g)) {
                    grupo = grupo.Uniao(*g);
                    g = grupos.erase(g);
                } else {
                    ++g;
                }
            grupos.push_back(grupo);
        }
        return grupos;
    }
    std::vector<TCaixa> Tudo() const {
        std::vector<TCaixa> tudo = Linhas;
        tudo.insert(tudo.end(), Outros.begin(), Outros.end());
        for (const TTexto& t : Textos)
            tudo.push_back(t.Caixa);
        return tudo;
    }

    std::vector<TCaixa> Linhas;
    std::vector<double> Espessuras;
    std::vector<TCaixa> Outros;
    std::vector<TTexto> Textos;

private:
    ICanvasPagina& FMedida;
};

class TDestinoMedidor : public IDestinoPaginas {
public:
    std::shared_ptr<ICanvasPagina> NovaPagina() override {
        Paginas.push_back(std::make_shared<TCanvasMedidor>(*FMedida.Canvas));
        return Paginas.back();
    }
    std::vector<std::shared_ptr<TCanvasMedidor>> Paginas;

private:
    TPaginaImagem FMedida{8};
};

struct TCaso {
    TFormatoLivro Formato;
    bool LetraGrande;
    bool Grafica;
};

std::string Nome(const TCaso& ACaso) {
    return IdDoFormato(ACaso.Formato) + (ACaso.LetraGrande ? " letra grande" : "") +
           (ACaso.Grafica ? " gráfica" : "");
}

TConfigLivro Config(const TCaso& ACaso, std::int32_t ALado, std::int32_t APuzzles) {
    return ConfigDoLivro({.NumPuzzles = APuzzles,
                          .Lado = ALado,
                          .Titulo = "Quarenta caracteres de título, WWWWWWWWW",
                          .Semente = 1,
                          .Nivel = TNivelDificuldade::ndDificil,
                          .Formato = ACaso.Formato,
                          .LetraGrande = ACaso.LetraGrande,
                          .Grafica = ACaso.Grafica});
}

// Boards the generator made, the two with the longest lists of each side.
std::vector<TPuzzle> TabuleirosReais(std::int32_t ALado) {
    std::ifstream ficheiro(PALVORIN_TABULEIROS);
    std::vector<TPuzzle> puzzles;
    std::int32_t lado = 0;
    std::string letras;
    while (ficheiro >> lado >> letras)
        if (lado == ALado)
            puzzles.push_back(PuzzleDeLetras(lado, letras));
    return puzzles;
}

TDadosLivro Livro(const TConfigLivro& AConfig) {
    const std::vector<TPuzzle> reais = TabuleirosReais(AConfig.Lado());
    EXPECT_FALSE(reais.empty());
    TDadosLivro livro{AConfig, {}, {}};
    for (std::int32_t i = 0; i < AConfig.NumPuzzles(); ++i)
        livro.Puzzles.push_back(reais[static_cast<std::size_t>(i) % reais.size()]);
    // Printed words with accents, as real books have: the rules then carry one more paragraph.
    if (!livro.Puzzles.empty())
        livro.Puzzles.front() = ComAcentos(livro.Puzzles.front());
    return livro;
}

// Every format, with and without print-shop pages, and large print where it fits.
const std::vector<TCaso> CASOS = [] {
    std::vector<TCaso> casos;
    for (const bool grafica : {false, true})
        for (const bool letraGrande : {false, true})
            for (const TFormatoLivro formato : FormatosLivro)
                if (!letraGrande || LetraGrandeCabe(formato))
                    casos.push_back({formato, letraGrande, grafica});
    return casos;
}();

// The size the PDF carries: type lands on whole 1/300 in, so 7 pt prints at 6.96.
double TamanhoImpresso(double ATamanhoPt) {
    return std::nearbyint(ATamanhoPt * DPI_PAGINA / PONTOS_POR_POLEGADA) * PONTOS_POR_POLEGADA /
           DPI_PAGINA;
}

} // namespace

TEST(Formatos, NadaPequenoCortadoOuSobrepostoEmCadaLado) {
    for (const TCaso& caso : CASOS)
        for (const std::int32_t lado : TamanhosTabuleiro) {
            const TConfigLivro config = Config(caso, lado, 5);
            const TCompositorLivro compositor(Livro(config));
            const TFormatoPagina& f = compositor.Formato();
            TDestinoMedidor destino;
            compositor.Compor(destino);
            ASSERT_EQ(compositor.NumPaginas(), NumPaginasDoLivro(5, config));
            const double margem = caso.Grafica ? DISTANCIA_CORTE_MM : 0;
            const TCaixa pagina{margem, margem, f.LarguraMm - margem, f.AlturaMm - margem};
            // Everything but the footer itself ends above the footer's line.
            const TCaixa acimaDoRodape{0, 0, f.LarguraMm, f.YRodapeMm};
            for (std::size_t p = 0; p < destino.Paginas.size(); ++p) {
                const TCanvasMedidor& medida = *destino.Paginas[p];
                const std::string onde = Nome(caso) + ", lado " + std::to_string(lado) +
                                         ", página " + std::to_string(p + 1);
                for (const TCaixa& c : medida.Tudo()) {
                    EXPECT_TRUE(c.Dentro(pagina))
                        << onde << ": " << c.X1 << "," << c.Y1 << " " << c.X2 << "," << c.Y2;
                    EXPECT_TRUE(c.Y1 == f.YRodapeMm || c.Dentro(acimaDoRodape))
                        << onde << ", sobre o rodapé: " << c.X1 << "," << c.Y1 << " " << c.X2 << ","
                        << c.Y2;
                }
                const std::vector<TCaixa> tabuleiros = medida.Tabuleiros();
                for (std::size_t i = 0; i < medida.Textos.size(); ++i) {
                    const TTexto& t = medida.Textos[i];
                    EXPECT_GE(TamanhoImpresso(t.TamanhoPt), 7) << onde << ", " << t.TamanhoPt;
                    for (std::size_t j = i + 1; j < medida.Textos.size(); ++j)
                        EXPECT_FALSE(t.Caixa.Cruza(medida.Textos[j].Caixa)) << onde << ", " << i;
                    // A letter in its cell, or clear of every board.
                    for (const TCaixa& tabuleiro : tabuleiros)
                        EXPECT_TRUE(t.Caixa.Dentro(tabuleiro) || !t.Caixa.Cruza(tabuleiro))
                            << onde << ", texto " << i;
                }
                if (compositor.Paginas()[p].Tipo == TTipoPagina::pgNotas)
                    continue;
                for (const double e : medida.Espessuras)
                    EXPECT_GE(e, caso.LetraGrande ? 1.0 : caso.Grafica ? 0.75 : 0.4) << onde;
            }
        }
}

TEST(Formatos, LetraGrandeNasListasERegras) {
    for (const TCaso& caso : CASOS) {
        if (!caso.LetraGrande)
            continue;
        for (const std::int32_t lado : TamanhosTabuleiro) {
            const TCompositorLivro compositor(Livro(Config(caso, lado, 2)));
            TDestinoMedidor destino;
            compositor.Compor(destino);
            for (std::size_t p = 0; p < destino.Paginas.size(); ++p) {
                const TTipoPagina tipo = compositor.Paginas()[p].Tipo;
                if (tipo != TTipoPagina::pgPuzzle && tipo != TTipoPagina::pgLista)
                    continue;
                // Everything but the footer: the number, the list, its headings.
                const auto& textos = destino.Paginas[p]->Textos;
                for (std::size_t i = 0; i + 2 < textos.size(); ++i)
                    EXPECT_GE(textos[i].TamanhoPt, 16) << Nome(caso) << " " << lado << " " << p;
            }
            // The verso's rules, up to the legal block.
            const auto& verso = destino.Paginas[1]->Textos;
            EXPECT_GE(verso.front().TamanhoPt, 16);
            EXPECT_GE(verso[1].TamanhoPt, 16);
        }
    }
}

TEST(Formatos, PuzzleEmDuasPaginasComecaAEsquerda) {
    // 15 x 15 on A5 and large-print 13 x 13 cannot hold their lists; 9 x 9 on A5 can.
    const struct {
        TCaso Caso;
        std::int32_t Lado;
        bool Duas;
    } casos[] = {
        {{TFormatoLivro::flA5, false, false}, 15, true},
        {{TFormatoLivro::flA5, false, false}, 9, false},
        {{TFormatoLivro::flA4, true, false}, 13, true},
        {{TFormatoLivro::flA4, true, false}, 9, false},
        {{TFormatoLivro::flA4, false, false}, 15, false},
    };
    for (const auto& c : casos) {
        const TCompositorLivro compositor(Livro(Config(c.Caso, c.Lado, 3)));
        std::int32_t listas = 0;
        const auto& paginas = compositor.Paginas();
        for (std::size_t p = 0; p < paginas.size(); ++p) {
            if (paginas[p].Tipo != TTipoPagina::pgLista)
                continue;
            ++listas;
            // The board on the left-hand page before it, the same puzzle.
            EXPECT_EQ(p % 2, 0u) << "a página " << p + 1 << " é da direita";
            EXPECT_EQ(paginas[p - 1].Tipo, TTipoPagina::pgPuzzle);
            EXPECT_EQ(paginas[p - 1].Primeiro, paginas[p].Primeiro);
        }
        EXPECT_EQ(listas, c.Duas ? 3 : 0) << Nome(c.Caso) << " " << c.Lado;
    }
}

TEST(Formatos, SolucoesPorPaginaLegiveis) {
    // Four to a page where the letters stay at 7 pt or more, else two.
    const struct {
        TCaso Caso;
        std::int32_t PorPagina;
    } casos[] = {
        {{TFormatoLivro::flA4, false, false}, 4}, {{TFormatoLivro::flCarta, false, false}, 4},
        {{TFormatoLivro::flA5, false, false}, 2}, {{TFormatoLivro::fl6x9, false, false}, 2},
        {{TFormatoLivro::flA4, true, false}, 2},
    };
    for (const auto& c : casos) {
        const TCompositorLivro compositor(Livro(Config(c.Caso, 15, 9)));
        std::int32_t paginas = 0;
        for (const TDescPagina& d : compositor.Paginas())
            paginas += d.Tipo == TTipoPagina::pgSolucoes;
        EXPECT_EQ(paginas, (9 + c.PorPagina - 1) / c.PorPagina) << Nome(c.Caso);
        TDestinoMedidor destino;
        compositor.Compor(destino);
        for (std::size_t p = 0; p < destino.Paginas.size(); ++p) {
            if (compositor.Paginas()[p].Tipo != TTipoPagina::pgSolucoes)
                continue;
            for (const TTexto& t : destino.Paginas[p]->Textos)
                EXPECT_GE(t.TamanhoPt, c.Caso.LetraGrande ? 12 : 7) << Nome(c.Caso);
        }
    }
}

TEST(Formatos, GraficaTemPaginasParesEMargensEspelhadas) {
    for (const TFormatoLivro formato : FormatosLivro)
        for (const std::int32_t puzzles : {1, 2, 3, 8}) {
            const TConfigLivro config = Config({formato, false, true}, 11, puzzles);
            const TCompositorLivro compositor(Livro(config));
            EXPECT_EQ(compositor.NumPaginas() % 2, 0) << IdDoFormato(formato) << " " << puzzles;
            const TFormatoPagina& f = compositor.Formato();
            EXPECT_NEAR(f.MargemInteriorMm - f.MargemExteriorMm, 0.375 * 25.4, 1e-9);
            // The footer's number sits at the outside edge: right on a right-hand page,
            // left... on a left-hand page the whole page moves towards the outside.
            TDestinoMedidor destino;
            compositor.Compor(destino);
            const auto esquerda = [&](std::size_t p) {
                double x = f.LarguraMm;
                for (const TCaixa& c : destino.Paginas[p]->Tudo())
                    x = std::min(x, c.X1);
                return x;
            };
            // The verso (page 2, left-hand) and a puzzle page (page 4, left-hand) start at
            // the outside margin; the first puzzle section page (3, right-hand) at the inside.
            EXPECT_NEAR(esquerda(1), f.MargemExteriorMm, 1e-9);
            EXPECT_GE(esquerda(2), f.MargemInteriorMm - 1e-9);
        }
    EXPECT_EQ(MedianizMm(150), 0.375 * 25.4);
    EXPECT_EQ(MedianizMm(151), 0.5 * 25.4);
    EXPECT_EQ(MedianizMm(828), 0.875 * 25.4);
}

TEST(Formatos, GraficaSoComTintaPreta) {
    const TPastaTemporaria pasta;
    GravarLivroPdf(pasta / "cor.pdf", Livro(Config({TFormatoLivro::flA5, false, false}, 9, 3)));
    const TConfigLivro config = Config({TFormatoLivro::flA5, false, true}, 9, 3);
    GravarLivroPdf(pasta / "cinzento.pdf", Livro(config));
    // Ghostscript's ink coverage: C M Y K per page. Cairo's RGB black is four inks.
    const auto tintas = [&](const std::string& ANome) {
        const TSaida saida = Executar("gs -q -o - -sDEVICE=inkcov " + Citar(pasta / ANome));
        EXPECT_EQ(saida.Codigo, 0) << saida.Texto;
        std::istringstream linhas(saida.Texto);
        double c = 0, m = 0, y = 0, k = 0, soma[4] = {0, 0, 0, 0};
        std::string resto;
        while (linhas >> c >> m >> y >> k && std::getline(linhas, resto)) {
            soma[0] += c, soma[1] += m, soma[2] += y, soma[3] += k;
        }
        return std::vector<double>(soma, soma + 4);
    };
    const std::vector<double> cor = tintas("cor.pdf");
    EXPECT_GT(cor[0] + cor[1] + cor[2], 0);
    const std::vector<double> cinzento = tintas("cinzento.pdf");
    EXPECT_EQ(cinzento[0] + cinzento[1] + cinzento[2], 0);
    EXPECT_GT(cinzento[3], 0);

    // Still the book: its pages, its size and its recipe.
    const TSaida info = Executar("pdfinfo " + Citar(pasta / "cinzento.pdf"));
    EXPECT_NE(info.Texto.find("Pages:           " + std::to_string(NumPaginasDoLivro(3, config))),
              std::string::npos)
        << info.Texto;
    EXPECT_NE(info.Texto.find("419.53 x 595.28 pts"), std::string::npos) << info.Texto;
    const auto campos = LerInfoDoFicheiroPdf(pasta / "cinzento.pdf");
    ASSERT_TRUE(campos.contains("Keywords"));
    EXPECT_NE(campos.at("Keywords").find("formato=a5; grafica=sim"), std::string::npos);
}

TEST(Formatos, GraficaSemGhostscriptNaoTocaNoFicheiro) {
    const TPastaTemporaria pasta;
    const auto destino = pasta / "livro.pdf";
    std::ofstream(destino) << "antigo";
    const std::string caminho = std::getenv("PATH");
    setenv("PATH", (pasta / "vazia").c_str(), 1);
    const TConfigLivro config = Config({TFormatoLivro::flA4, false, true}, 9, 1);
    try {
        GravarLivroPdf(destino, Livro(config));
        ADD_FAILURE() << "devia falhar";
    } catch (const EPalvorin& e) {
        EXPECT_NE(std::string(e.what()).find("Ghostscript"), std::string::npos) << e.what();
    }
    setenv("PATH", caminho.c_str(), 1);
    EXPECT_EQ(LerFicheiro(destino), "antigo");
}
