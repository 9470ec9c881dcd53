#include "UnitPalvorinPaginas.hpp"

#include "UnitPalvorinMarca.hpp"

#include <string>

namespace palvorin {

namespace {

constexpr std::int32_t CINZA_RODAPE = 128;

} // namespace

void DesenharRodape(ICanvasPagina& ACanvas, std::int32_t ANumero, const TFormatoPagina& AFormato) {
    if (ANumero <= 0)
        return;
    const TAreaTexto area = AFormato.Area();
    ACanvas.Texto(area.Esquerda, AFormato.YRodapeMm, NOME_PROGRAMA + " | " + NOME_AUTOR,
                  AFormato.TamanhoRodapePt, false, CINZA_RODAPE, TAlinhamento::alEsquerda);
    ACanvas.Texto(area.Direita, AFormato.YRodapeMm, std::to_string(ANumero),
                  AFormato.TamanhoRodapePt, false, CINZA_RODAPE, TAlinhamento::alDireita);
}

TCompositorLivro::TCompositorLivro(const TDadosLivro& ALivro)
    : FLivro(ALivro), FFormato(FormatoA4()),
      FPaginas(PlanearPaginas(static_cast<std::int32_t>(ALivro.Puzzles.size()))),
      FTemAcentos(TemAcentos(ALivro.Puzzles)) {}

std::int32_t TCompositorLivro::NumPaginas() const {
    return static_cast<std::int32_t>(FPaginas.size());
}

void TCompositorLivro::Compor(IDestinoPaginas& ADestino) const {
    for (const TDescPagina& pagina : FPaginas) {
        // The previous page's canvas is released before the next page is asked for.
        const std::shared_ptr<ICanvasPagina> canvas = ADestino.NovaPagina();
        DesenharPagina(*canvas, pagina);
    }
}

void TCompositorLivro::DesenharPagina(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    switch (APagina.Tipo) {
    case TTipoPagina::pgCapa:
        DesenharCapa(ACanvas);
        break;
    case TTipoPagina::pgVerso:
        DesenharVerso(ACanvas, APagina);
        break;
    case TTipoPagina::pgSeparador:
        DesenharSeparador(ACanvas, APagina);
        break;
    case TTipoPagina::pgSimbolo:
        DesenharSimbolo(ACanvas);
        break;
    case TTipoPagina::pgPuzzle:
        DesenharPuzzle(ACanvas, APagina);
        break;
    case TTipoPagina::pgSolucoes:
        DesenharSolucoes(ACanvas, APagina);
        break;
    }
}

} // namespace palvorin
