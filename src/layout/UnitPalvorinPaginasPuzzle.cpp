// The composer's puzzle page and solutions page.
#include "UnitPalvorinLista.hpp"
#include "UnitPalvorinPaginas.hpp"
#include "UnitPalvorinTabuleiro.hpp"

#include <algorithm>
#include <string>

namespace palvorin {

namespace {

constexpr double TAMANHO_NUMERO_PT = 14;
constexpr double TAMANHO_LEGENDA_PT = 10;
constexpr double LARGURA_QUARTO_MM = 87;
constexpr double ALTURA_QUARTO_MM = 129.5;
constexpr double ABAIXO_LEGENDA_MM = 8;
constexpr double CELULA_SOLUCAO_MAXIMA_MM = 8;

// "#7" for the seventh puzzle.
std::string Cabecalho(std::int32_t ANumero) {
    std::string texto = std::to_string(ANumero);
    texto.insert(texto.begin(), '#');
    return texto;
}

} // namespace

void TCompositorLivro::DesenharPuzzle(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    const TPuzzle& puzzle = FLivro.Puzzles.at(static_cast<std::size_t>(APagina.Primeiro));
    const std::vector<TEntradaLista> entradas = MontarLista(puzzle.Palavras);
    TPlanoLista plano;
    const double celula = PlanearPaginaPuzzle(ACanvas, puzzle.Lado, entradas, plano);

    const std::string numero = Cabecalho(APagina.Primeiro + 1);
    ACanvas.Texto(MARGEM_DIREITA_MM, MARGEM_TOPO_MM, numero, TAMANHO_NUMERO_PT, true, CINZA_PRETO,
                  TAlinhamento::alDireita);
    // A book of one level names it left of the number, in the same line but not in bold.
    if (FLivro.Config.Nivel)
        ACanvas.Texto(MARGEM_DIREITA_MM -
                          ACanvas.LarguraTexto(numero + " ", TAMANHO_NUMERO_PT, true),
                      MARGEM_TOPO_MM, TextoDoNivel(*FLivro.Config.Nivel) + " \u00B7",
                      TAMANHO_NUMERO_PT, false, CINZA_PRETO, TAlinhamento::alDireita);
    DesenharGrelhaVazia(ACanvas, puzzle.Lado, puzzle.Letras,
                        (LARGURA_PAGINA_MM - celula * puzzle.Lado) / 2, TOPO_GRELHA_MM, celula);
    DesenharLista(ACanvas, entradas, plano, MARGEM_ESQUERDA_MM,
                  TOPO_GRELHA_MM + celula * puzzle.Lado + INTERVALO_LISTA_MM);
    DesenharRodape(ACanvas, APagina.Numero);
}

void TCompositorLivro::DesenharSolucoes(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    for (std::int32_t i = 0; i < SOLUCOES_POR_PAGINA; ++i) {
        const std::int32_t indice = APagina.Primeiro + i;
        if (indice < 0 || indice >= static_cast<std::int32_t>(FLivro.Puzzles.size()))
            break;
        const TPuzzle& puzzle = FLivro.Puzzles[static_cast<std::size_t>(indice)];
        const double x = MARGEM_ESQUERDA_MM + (i % 2) * LARGURA_QUARTO_MM;
        const double y = MARGEM_TOPO_MM + (i / 2) * ALTURA_QUARTO_MM;
        ACanvas.Texto(x + LARGURA_QUARTO_MM / 2, y, "Puzzle " + std::to_string(indice + 1),
                      TAMANHO_LEGENDA_PT, true, CINZA_PRETO, TAlinhamento::alCentro);
        const double celula =
            std::min({(LARGURA_QUARTO_MM - 6) / puzzle.Lado,
                      (ALTURA_QUARTO_MM - 8 - 4) / puzzle.Lado, CELULA_SOLUCAO_MAXIMA_MM});
        DesenharGrelhaResolvida(ACanvas, puzzle.Lado, puzzle.Letras,
                                x + (LARGURA_QUARTO_MM - celula * puzzle.Lado) / 2,
                                y + ABAIXO_LEGENDA_MM, celula);
    }
    DesenharRodape(ACanvas, APagina.Numero);
}

} // namespace palvorin
