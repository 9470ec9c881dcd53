#pragma once

#include "UnitPalvorinCanvas.hpp"
#include "UnitPalvorinDispositivo.hpp"

#include <cstdint>
#include <memory>

namespace palvorin {

// The page canvas over a device context: millimetres, points and grey levels turned into
// whole device units. Every operation sets up the pen, brush or font it needs.
class TCanvasVcl : public ICanvasPagina {
public:
    TCanvasVcl(std::shared_ptr<TContextoDispositivo> ACanvas, std::int32_t ADpi);

    void Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt,
               std::int32_t ACinza) override;
    void Rectangulo(double X, double Y, double ALargura, double AAltura, double AEspessuraPt,
                    std::int32_t AContorno, std::int32_t APreenchimento) override;
    void Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt, bool ANegrito,
               std::int32_t ACinza, TAlinhamento AAlinhamento) override;
    double LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) override;
    double AlturaTexto(double ATamanhoPt) override;
    void Imagem(double X, double Y, double ALargura, double AAltura,
                const std::string& ANome) override;

    // Nearest whole device unit; an exact half goes to the even neighbour.
    std::int32_t MmParaPixels(double AMm) const;

private:
    void AplicarCaneta(double AEspessuraPt, std::int32_t ACinza);
    void AplicarPincel(std::int32_t ACinza);
    void AplicarFonte(double ATamanhoPt, bool ANegrito, std::int32_t ACinza);
    std::int32_t PtParaPixels(double APt) const;

    std::shared_ptr<TContextoDispositivo> FCanvas;
    double FDpi;
};

// Red, green and blue all equal to the grey level.
TCor CorCinza(std::int32_t ACinza);

} // namespace palvorin
