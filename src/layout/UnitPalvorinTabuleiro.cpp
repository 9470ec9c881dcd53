#include "UnitPalvorinTabuleiro.hpp"

#include <algorithm>

namespace palvorin {

namespace {

constexpr double PASSO_CELULA_MM = 0.25;
constexpr double LETRA_POR_CELULA = 0.6;

constexpr char CASA_PRETA = '#';

char Casa(const std::string& ALetras, std::int32_t ALado, std::int32_t ALinha,
          std::int32_t AColuna) {
    return ALetras[static_cast<std::size_t>(ALinha * ALado + AColuna)];
}

} // namespace

double CelulaDoPuzzle(std::int32_t ALado, const TFormatoPagina& AFormato) {
    return std::min(AFormato.LarguraUtil() / ALado, AFormato.CelulaMaximaMm);
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
                         double AX, double AY, double ACelula, const TTracosGrelha& ATracos) {
    DesenharGrelha(ACanvas, ALado, ALetras, AX, AY, ACelula, ATracos.FinaPt, ATracos.GrossaPt);
}

void DesenharGrelhaResolvida(ICanvasPagina& ACanvas, std::int32_t ALado, const std::string& ALetras,
                             double AX, double AY, double ACelula, const TTracosGrelha& ATracos) {
    DesenharGrelha(ACanvas, ALado, ALetras, AX, AY, ACelula, ATracos.FinaPt, ATracos.GrossaPt);
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
                           const std::vector<TEntradaLista>& AEntradas, TPlanoLista& APlano,
                           const TFormatoPagina& AFormato) {
    double celula = CelulaDoPuzzle(ALado, AFormato);
    for (;;) {
        const double altura = AFormato.FundoListaMm -
                              (AFormato.TopoGrelhaMm + ALado * celula + AFormato.IntervaloListaMm);
        APlano = PlanearLista(ACanvas, AEntradas, AFormato.LarguraUtil(), altura, AFormato.Lista);
        if (APlano.Cabe || APlano.Colunas == 0 || celula <= AFormato.CelulaMinimaMm)
            return celula;
        celula = std::max(celula - PASSO_CELULA_MM, AFormato.CelulaMinimaMm);
    }
}

} // namespace palvorin
