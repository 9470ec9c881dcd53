#include "UnitPalvorinCanvasVcl.hpp"

#include "UnitPalvorinImagemPng.hpp"
#include "UnitPalvorinRecursos.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace palvorin {

namespace {

constexpr double MM_POR_POLEGADA = 25.4;
constexpr double PONTOS_POR_POLEGADA = 72;

// std::nearbyint in the default rounding mode sends exact halves to the even neighbour.
std::int32_t ArredondarParaPar(double AValor) {
    return static_cast<std::int32_t>(std::nearbyint(AValor));
}

} // namespace

TCor CorCinza(std::int32_t ACinza) {
    return static_cast<TCor>(ACinza) * 0x010101u;
}

TCanvasVcl::TCanvasVcl(std::shared_ptr<TContextoDispositivo> ACanvas, std::int32_t ADpi)
    : FCanvas(std::move(ACanvas)), FDpi(ADpi) {}

std::int32_t TCanvasVcl::MmParaPixels(double AMm) const {
    return ArredondarParaPar(AMm / MM_POR_POLEGADA * FDpi);
}

std::int32_t TCanvasVcl::PtParaPixels(double APt) const {
    return ArredondarParaPar(APt * FDpi / PONTOS_POR_POLEGADA);
}

void TCanvasVcl::AplicarCaneta(double AEspessuraPt, std::int32_t ACinza) {
    if (ACinza == CINZA_NENHUM) {
        FCanvas->DefinirCaneta(true, 0, 0);
        return;
    }
    FCanvas->DefinirCaneta(false, CorCinza(ACinza), std::max(PtParaPixels(AEspessuraPt), 1));
}

void TCanvasVcl::AplicarPincel(std::int32_t ACinza) {
    FCanvas->DefinirPincel(ACinza == CINZA_NENHUM, ACinza == CINZA_NENHUM ? 0 : CorCinza(ACinza));
}

void TCanvasVcl::AplicarFonte(double ATamanhoPt, bool ANegrito, std::int32_t ACinza) {
    FCanvas->DefinirFonte(-PtParaPixels(ATamanhoPt), ANegrito, CorCinza(ACinza));
}

void TCanvasVcl::Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt,
                       std::int32_t ACinza) {
    AplicarCaneta(AEspessuraPt, ACinza);
    FCanvas->MoverPara(MmParaPixels(X1), MmParaPixels(Y1));
    FCanvas->LinhaPara(MmParaPixels(X2), MmParaPixels(Y2));
}

void TCanvasVcl::Rectangulo(double X, double Y, double ALargura, double AAltura,
                            double AEspessuraPt, std::int32_t AContorno,
                            std::int32_t APreenchimento) {
    const std::int32_t x1 = MmParaPixels(X);
    const std::int32_t y1 = MmParaPixels(Y);
    const std::int32_t x2 = MmParaPixels(X + ALargura);
    const std::int32_t y2 = MmParaPixels(Y + AAltura);
    if (AContorno == CINZA_NENHUM && APreenchimento != CINZA_NENHUM) {
        // The far edges are included, so neighbouring cells meet without a gap.
        FCanvas->PreencherRectangulo(x1, y1, x2 + 1, y2 + 1, CorCinza(APreenchimento));
        FCanvas->DefinirPincel(true, 0);
        return;
    }
    AplicarCaneta(AEspessuraPt, AContorno);
    AplicarPincel(APreenchimento);
    FCanvas->Rectangulo(x1, y1, x2, y2);
}

void TCanvasVcl::Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt,
                       bool ANegrito, std::int32_t ACinza, TAlinhamento AAlinhamento) {
    AplicarFonte(ATamanhoPt, ANegrito, ACinza);
    FCanvas->DefinirPincel(true, 0);
    const std::int32_t w = FCanvas->TamanhoTexto(ATexto).Largura;
    std::int32_t x = MmParaPixels(X);
    if (AAlinhamento == TAlinhamento::alCentro)
        x -= w / 2;
    else if (AAlinhamento == TAlinhamento::alDireita)
        x -= w;
    FCanvas->EscreverTexto(x, MmParaPixels(Y), ATexto);
}

double TCanvasVcl::LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) {
    AplicarFonte(ATamanhoPt, ANegrito, CINZA_PRETO);
    return FCanvas->TamanhoTexto(ATexto).Largura / FDpi * MM_POR_POLEGADA;
}

double TCanvasVcl::AlturaTexto(double ATamanhoPt) {
    AplicarFonte(ATamanhoPt, false, CINZA_PRETO);
    return FCanvas->TamanhoTexto("Ag").Altura / FDpi * MM_POR_POLEGADA;
}

void TCanvasVcl::Imagem(double X, double Y, double ALargura, double AAltura,
                        const std::string& ANome) {
    const auto png = ProcurarRecurso(ANome);
    if (!png)
        throw std::runtime_error("Imagem: o recurso " + ANome + " não existe no executável");
    const TSuperficieCairo bitmap = PngSobreBranco(*png);
    FCanvas->EsticarImagem(MmParaPixels(X), MmParaPixels(Y), MmParaPixels(X + ALargura),
                           MmParaPixels(Y + AAltura), bitmap.get());
}

} // namespace palvorin
