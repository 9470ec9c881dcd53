#pragma once

#include "UnitPalvorinCairo.hpp"
#include "UnitPalvorinFontes.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace palvorin {

// A colour as 0xRRGGBB.
using TCor = std::uint32_t;

struct TPontoDispositivo {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

struct TTamanhoDispositivo {
    std::int32_t Largura = 0;
    std::int32_t Altura = 0;
};

// A device context over one Cairo page, in whole device units (ADpi per inch) from the
// page's top-left corner. It keeps a current pen, brush and font as a GDI context does;
// every operation draws with whatever is current.
class TContextoDispositivo {
public:
    TContextoDispositivo(cairo_surface_t* ASuperficie, std::int32_t ADpi,
                         const TFontesLivro& AFontes);
    TContextoDispositivo(const TContextoDispositivo&) = delete;
    TContextoDispositivo& operator=(const TContextoDispositivo&) = delete;

    // Pen: width 0 or below strokes nothing.
    void DefinirCaneta(bool ANula, TCor ACor, std::int32_t ALargura);
    void DefinirPincel(bool AOco, TCor ACor);
    // AAltura below 0 is the em height; the font draws in ACor on no background.
    void DefinirFonte(std::int32_t AAltura, bool ANegrito, TCor ACor);

    void MoverPara(std::int32_t X, std::int32_t Y);
    void LinhaPara(std::int32_t X, std::int32_t Y);
    // Outline with the pen, interior with the brush.
    void Rectangulo(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2);
    // Fills columns X1..X2-1 and rows Y1..Y2-1 with the colour; pen and brush untouched.
    void PreencherRectangulo(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
                             TCor ACor);
    // (X, Y) is the top-left corner of the first character's cell.
    void EscreverTexto(std::int32_t X, std::int32_t Y, const std::string& ATexto);
    // Width of the text's advances and the height of the font's character cell.
    TTamanhoDispositivo TamanhoTexto(const std::string& ATexto);
    // Stretches an opaque bitmap (RGB24 image surface) into the rectangle X1..X2, Y1..Y2,
    // smoothly filtered.
    void EsticarImagem(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
                       cairo_surface_t* AImagem);

    // After this the page is closed: any further drawing raises. Returns the state of
    // the drawing, an error when some operation failed.
    cairo_status_t Encerrar();

private:
    cairo_t* Contexto() const;
    void AplicarCor(TCor ACor) const;
    void PintarCaminho();
    void UsarFonte();
    std::int32_t Ascendente();

    TContextoCairo FContexto;
    const TFontesLivro& FFontes;
    bool FCanetaNula = true;
    TCor FCorCaneta = 0;
    std::int32_t FLarguraCaneta = 1;
    bool FPincelOco = true;
    TCor FCorPincel = 0xFFFFFF;
    std::int32_t FAlturaFonte = 0;
    bool FFonteNegrito = false;
    TCor FCorFonte = 0;
    TPontoDispositivo FPosicao;
};

} // namespace palvorin
