#include "UnitPalvorinTabuleiro.hpp"

#include <algorithm>

namespace palvorin {

namespace {

constexpr double CELULA_MAXIMA_MM = 12;
constexpr double CELULA_MINIMA_MM = 8;
constexpr double PASSO_CELULA_MM = 0.25;
constexpr double FUNDO_LISTA_MM = 277;
constexpr double FINA_VAZIA_PT = 0.6;
constexpr double GROSSA_VAZIA_PT = 1.2;
constexpr double FINA_RESOLVIDA_PT = 0.4;
constexpr double GROSSA_RESOLVIDA_PT = 0.8;
constexpr double LETRA_POR_CELULA = 0.6;

constexpr char CASA_PRETA = '#';

char Casa(const std::string& ALetras, std::int32_t ALado, std::int32_t ALinha,
          std::int32_t AColuna) {
    return ALetras[static_cast<std::size_t>(ALinha * ALado + AColuna)];
}

} // namespace

double CelulaDoPuzzle(std::int32_t ALado) {
    return std::min(LARGURA_UTIL_MM / ALado, CELULA_MAXIMA_MM);
}

void DesenharMoldura(ICanvasPagina& ACanvas, double AX, double AY, double ALargura, double AAltura,
                     double AEspessuraPt) {
    const double c = PtParaMm(AEspessuraPt) / 2;
    ACanvas.Linha(AX - c, AY, AX + ALargura + c, AY, AEspessuraPt, CINZA_PRETO);
    ACanvas.Linha(AX - c, AY + AAltura, AX + ALargura + c, AY + AAltura, AEspessuraPt, CINZA_PRETO);
    ACanvas.Linha(AX, AY - c, AX, AY + AAltura + c, AEspessuraPt, CINZA_PRETO);
    ACanvas.Linha(AX + ALargura, AY - c, AX + ALargura, AY + AAltura + c, AEspessuraPt,
                  CINZA_PRETO);
}

void DesenharGrelha(ICanvasPagina& ACanvas, std::int32_t ALado, const std::string& ALetras,
                    double AX, double AY, double ACelula, double AFinaPt, double AGrossaPt) {
    for (std::int32_t r = 0; r < ALado; ++r)
        for (std::int32_t k = 0; k < ALado; ++k)
            if (Casa(ALetras, ALado, r, k) == CASA_PRETA)
                ACanvas.Rectangulo(AX + k * ACelula, AY + r * ACelula, ACelula, ACelula, 0,
                                   CINZA_NENHUM, CINZA_PRETO);
    const double lado = ALado * ACelula;
    for (std::int32_t j = 1; j < ALado; ++j) {
        ACanvas.Linha(AX, AY + j * ACelula, AX + lado, AY + j * ACelula, AFinaPt, CINZA_PRETO);
        ACanvas.Linha(AX + j * ACelula, AY, AX + j * ACelula, AY + lado, AFinaPt, CINZA_PRETO);
    }
    DesenharMoldura(ACanvas, AX, AY, lado, lado, AGrossaPt);
}

void DesenharGrelhaVazia(ICanvasPagina& ACanvas, std::int32_t ALado, const std::string& ALetras,
                         double AX, double AY, double ACelula) {
    DesenharGrelha(ACanvas, ALado, ALetras, AX, AY, ACelula, FINA_VAZIA_PT, GROSSA_VAZIA_PT);
}

void DesenharGrelhaResolvida(ICanvasPagina& ACanvas, std::int32_t ALado, const std::string& ALetras,
                             double AX, double AY, double ACelula) {
    DesenharGrelha(ACanvas, ALado, ALetras, AX, AY, ACelula, FINA_RESOLVIDA_PT,
                   GROSSA_RESOLVIDA_PT);
    const double tamanho = MmParaPt(ACelula * LETRA_POR_CELULA);
    const double altura = ACanvas.AlturaTexto(tamanho);
    for (std::int32_t r = 0; r < ALado; ++r)
        for (std::int32_t k = 0; k < ALado; ++k) {
            const char letra = Casa(ALetras, ALado, r, k);
            if (letra != CASA_PRETA)
                ACanvas.Texto(AX + (k + 0.5) * ACelula, AY + r * ACelula + (ACelula - altura) / 2,
                              std::string(1, letra), tamanho, true, CINZA_PRETO,
                              TAlinhamento::alCentro);
        }
}

double PlanearPaginaPuzzle(ICanvasPagina& ACanvas, std::int32_t ALado,
                           const std::vector<TEntradaLista>& AEntradas, TPlanoLista& APlano) {
    double celula = CelulaDoPuzzle(ALado);
    for (;;) {
        const double altura =
            FUNDO_LISTA_MM - (TOPO_GRELHA_MM + ALado * celula + INTERVALO_LISTA_MM);
        APlano = PlanearLista(ACanvas, AEntradas, LARGURA_UTIL_MM, altura);
        if (APlano.Cabe || APlano.Colunas == 0 || celula <= CELULA_MINIMA_MM)
            return celula;
        celula = std::max(celula - PASSO_CELULA_MM, CELULA_MINIMA_MM);
    }
}

} // namespace palvorin
