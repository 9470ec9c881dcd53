#include "UnitPalvorinPaginas.hpp"

#include "UnitPalvorinCanvasDeslocado.hpp"
#include "UnitPalvorinMarca.hpp"

#include <string>

namespace palvorin {

namespace {

constexpr std::int32_t CINZA_RODAPE = 128;

} // namespace

TFormatoPagina FormatoSemMedianiz(const TConfigLivro& AConfig) {
    const TFormatoPagina formato = FormatoDaPagina(AConfig.Formato(), AConfig.LetraGrande());
    return AConfig.Grafica() ? ParaGrafica(formato) : formato;
}

TOpcoesPlano OpcoesDoPlano(const TConfigLivro& AConfig) {
    const TFormatoPagina formato = FormatoSemMedianiz(AConfig);
    return {formato.SolucoesPorPagina(), PuzzleEmDuasPaginas(formato, AConfig.Lado()),
            AConfig.Grafica()};
}

std::int32_t NumPaginasDoLivro(std::int32_t ANumPuzzles, const TConfigLivro& AConfig) {
    return NumPaginasDoLivro(ANumPuzzles, OpcoesDoPlano(AConfig));
}

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
    : FLivro(ALivro), FFormato(FormatoSemMedianiz(ALivro.Config)),
      FDuasPaginas(PuzzleEmDuasPaginas(FFormato, ALivro.Config.Lado())),
      FPaginas(PlanearPaginas(static_cast<std::int32_t>(ALivro.Puzzles.size()),
                              OpcoesDoPlano(ALivro.Config))),
      FTemAcentos(TemAcentos(ALivro.Puzzles)) {
    if (ALivro.Config.Grafica())
        FFormato = ComMedianiz(FFormato, NumPaginas());
}

std::int32_t TCompositorLivro::NumPaginas() const {
    return static_cast<std::int32_t>(FPaginas.size());
}

void TCompositorLivro::Compor(IDestinoPaginas& ADestino) const {
    const double deslocamento = FFormato.MargemExteriorMm - FFormato.MargemInteriorMm;
    for (std::size_t p = 0; p < FPaginas.size(); ++p) {
        // The previous page's canvas is released before the next page is asked for.
        const std::shared_ptr<ICanvasPagina> canvas = ADestino.NovaPagina();
        const bool esquerda = p % 2 == 1;
        if (esquerda && deslocamento != 0) {
            TCanvasDeslocado deslocado(canvas, deslocamento);
            DesenharPagina(deslocado, FPaginas[p]);
        } else {
            DesenharPagina(*canvas, FPaginas[p]);
        }
    }
}

void TCompositorLivro::DesenharPagina(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    switch (APagina.Tipo) {
    case TTipoPagina::pgCapa:
        return DesenharCapa(ACanvas);
    case TTipoPagina::pgVerso:
        return DesenharVerso(ACanvas, APagina);
    case TTipoPagina::pgSeparador:
        return DesenharSeparador(ACanvas, APagina);
    case TTipoPagina::pgSimbolo:
        return DesenharSimbolo(ACanvas);
    case TTipoPagina::pgPuzzle:
        return DesenharPuzzle(ACanvas, APagina);
    case TTipoPagina::pgSolucoes:
        return DesenharSolucoes(ACanvas, APagina);
    case TTipoPagina::pgLista:
        return DesenharPaginaLista(ACanvas, APagina);
    case TTipoPagina::pgNotas:
        return DesenharNotas(ACanvas);
    }
}

} // namespace palvorin
