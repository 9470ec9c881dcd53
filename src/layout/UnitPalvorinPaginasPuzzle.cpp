// The composer's puzzle page and solutions page.
#include "UnitPalvorinLista.hpp"
#include "UnitPalvorinPaginas.hpp"
#include "UnitPalvorinRegras.hpp"
#include "UnitPalvorinTabuleiro.hpp"

#include <algorithm>
#include <string>

namespace palvorin {

namespace {

// Below a 10 pt caption, the board starts 8 mm down; its box leaves 6 mm across and 4 mm
// below.
constexpr double ABAIXO_LEGENDA_MM = 8;
constexpr double LEGENDA_DESENHADA_PT = 10;
constexpr double FOLGA_LARGURA_MM = 6;
constexpr double FOLGA_FUNDO_MM = 4;

// The ruled lines of the notes page, light enough to write over.
constexpr double PAUTA_NOTAS_MM = 10;
constexpr std::int32_t CINZA_PAUTA = 160;

// "#7" for the seventh puzzle.
std::string Cabecalho(std::int32_t ANumero) {
    std::string texto = std::to_string(ANumero);
    texto.insert(texto.begin(), '#');
    return texto;
}

} // namespace

void TCompositorLivro::DesenharCabecalhoPuzzle(ICanvasPagina& ACanvas, std::int32_t AIndice) const {
    const TAreaTexto area = FFormato.Area();
    const double tamanho = FFormato.TamanhoNumeroPt;
    const std::string numero = Cabecalho(AIndice + 1);
    ACanvas.Texto(area.Direita, area.Topo, numero, tamanho, true, CINZA_PRETO,
                  TAlinhamento::alDireita);
    // A book of one level names it left of the number, in the same line but not in bold.
    if (FLivro.Config.Nivel())
        ACanvas.Texto(area.Direita - ACanvas.LarguraTexto(numero + " ", tamanho, true), area.Topo,
                      TextoDoNivel(*FLivro.Config.Nivel()) + " \u00B7", tamanho, false, CINZA_PRETO,
                      TAlinhamento::alDireita);
}

void TCompositorLivro::DesenharPuzzle(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    const TPuzzle& puzzle = FLivro.Puzzles.at(static_cast<std::size_t>(APagina.Primeiro));
    const TAreaTexto area = FFormato.Area();
    DesenharCabecalhoPuzzle(ACanvas, APagina.Primeiro);
    if (FDuasPaginas) {
        // The board alone: as large as the page allows, up to the format's largest cell.
        const double celula =
            std::min(CelulaDoPuzzle(puzzle.Lado, FFormato),
                     (FFormato.FundoListaMm - FFormato.TopoGrelhaMm) / std::max(puzzle.Lado, 1));
        DesenharGrelhaVazia(ACanvas, puzzle.Lado, puzzle.Letras,
                            area.Centro() - celula * puzzle.Lado / 2, FFormato.TopoGrelhaMm, celula,
                            FFormato.Vazia);
    } else {
        const std::vector<TEntradaLista> entradas = MontarLista(puzzle.Palavras);
        TPlanoLista plano;
        const double celula = PlanearPaginaPuzzle(ACanvas, puzzle.Lado, entradas, plano, FFormato);
        DesenharGrelhaVazia(ACanvas, puzzle.Lado, puzzle.Letras,
                            area.Centro() - celula * puzzle.Lado / 2, FFormato.TopoGrelhaMm, celula,
                            FFormato.Vazia);
        DesenharLista(ACanvas, entradas, plano, area.Esquerda,
                      FFormato.TopoGrelhaMm + celula * puzzle.Lado + FFormato.IntervaloListaMm);
    }
    DesenharRodape(ACanvas, APagina.Numero, FFormato);
}

void TCompositorLivro::DesenharPaginaLista(ICanvasPagina& ACanvas,
                                           const TDescPagina& APagina) const {
    const TPuzzle& puzzle = FLivro.Puzzles.at(static_cast<std::size_t>(APagina.Primeiro));
    const std::vector<TEntradaLista> entradas = MontarLista(puzzle.Palavras);
    const TAreaTexto area = FFormato.Area();
    DesenharCabecalhoPuzzle(ACanvas, APagina.Primeiro);
    const TPlanoLista plano =
        PlanearLista(ACanvas, entradas, area.Largura(),
                     FFormato.FundoListaMm - FFormato.TopoGrelhaMm, FFormato.Lista);
    DesenharLista(ACanvas, entradas, plano, area.Esquerda, FFormato.TopoGrelhaMm);
    DesenharRodape(ACanvas, APagina.Numero, FFormato);
}

void TCompositorLivro::DesenharSolucoes(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    const TAreaTexto area = FFormato.Area();
    const double largura = area.Largura() / FFormato.SolucoesColunas;
    const double altura = (FFormato.FundoListaMm - area.Topo) / FFormato.SolucoesLinhas;
    const double abaixoLegenda =
        ABAIXO_LEGENDA_MM * FFormato.TamanhoLegendaPt / LEGENDA_DESENHADA_PT;
    for (std::int32_t i = 0; i < FFormato.SolucoesPorPagina(); ++i) {
        const std::int32_t indice = APagina.Primeiro + i;
        if (indice < 0 || indice >= static_cast<std::int32_t>(FLivro.Puzzles.size()))
            break;
        const TPuzzle& puzzle = FLivro.Puzzles[static_cast<std::size_t>(indice)];
        const double x = area.Esquerda + (i % FFormato.SolucoesColunas) * largura;
        const double y = area.Topo + (i / FFormato.SolucoesColunas) * altura;
        ACanvas.Texto(x + largura / 2, y, "Puzzle " + std::to_string(indice + 1),
                      FFormato.TamanhoLegendaPt, true, CINZA_PRETO, TAlinhamento::alCentro);
        const double celula = std::min({(largura - FOLGA_LARGURA_MM) / puzzle.Lado,
                                        (altura - abaixoLegenda - FOLGA_FUNDO_MM) / puzzle.Lado,
                                        FFormato.CelulaSolucaoMaximaMm});
        DesenharGrelhaResolvida(ACanvas, puzzle.Lado, puzzle.Letras,
                                x + (largura - celula * puzzle.Lado) / 2, y + abaixoLegenda, celula,
                                FFormato.Resolvida);
    }
    DesenharRodape(ACanvas, APagina.Numero, FFormato);
}

void TCompositorLivro::DesenharNotas(ICanvasPagina& ACanvas) const {
    const TAreaTexto area = FFormato.Area();
    ACanvas.Texto(area.Centro(), area.Topo, TITULO_NOTAS, FFormato.TituloRegrasPt, true,
                  CINZA_PRETO, TAlinhamento::alCentro);
    const double passo = PAUTA_NOTAS_MM * FFormato.Escala;
    for (double y = FFormato.TopoGrelhaMm + passo; y <= FFormato.FundoListaMm; y += passo)
        ACanvas.Linha(area.Esquerda, y, area.Direita, y, FFormato.Vazia.FinaPt, CINZA_PAUTA);
}

} // namespace palvorin
