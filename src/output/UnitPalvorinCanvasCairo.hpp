#pragma once

#include "UnitPalvorinCairo.hpp"
#include "UnitPalvorinCanvas.hpp"
#include "UnitPalvorinFontes.hpp"

#include <cstdint>
#include <string>

namespace palvorin {

// Every position, length, line width and font size is rounded to a whole unit of
// 1/DPI_PAGINA inch before it is drawn, so pages are laid out on the same grid whatever
// surface they end up on.
inline constexpr std::int32_t DPI_PAGINA = 300;
// Typographic points: the units of font sizes, line widths and a PDF page.
inline constexpr double PONTOS_POR_POLEGADA = 72;

// The page canvas on one Cairo surface, from the page's top-left corner. Each operation
// sets the colour, line width and font it needs: nothing carries over from one to the next.
class TCanvasCairo : public ICanvasPagina {
public:
    // AUnidadesPorPolegada: the surface's own units per inch (72 for a PDF page).
    TCanvasCairo(cairo_surface_t* ASuperficie, double AUnidadesPorPolegada,
                 const TFontesLivro& AFontes);
    TCanvasCairo(const TCanvasCairo&) = delete;
    TCanvasCairo& operator=(const TCanvasCairo&) = delete;

    void Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt,
               std::int32_t ACinza) override;
    // A rectangle filled and not outlined covers its far edges too, so neighbouring cells
    // meet without a gap.
    void Rectangulo(double X, double Y, double ALargura, double AAltura, double AEspessuraPt,
                    std::int32_t AContorno, std::int32_t APreenchimento) override;
    void Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt, bool ANegrito,
               std::int32_t ACinza, TAlinhamento AAlinhamento) override;
    double LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) override;
    double AlturaTexto(double ATamanhoPt) override;
    void Imagem(double X, double Y, double ALargura, double AAltura,
                const std::string& ANome) override;

    // Nearest whole device unit; an exact half goes to the even neighbour.
    static std::int32_t MmParaUnidades(double AMm);

    // After this the page is closed: any further drawing raises. Returns the state of the
    // drawing, an error when some operation failed.
    cairo_status_t Encerrar();

private:
    cairo_t* Contexto() const;
    void Cinza(std::int32_t ACinza) const;
    void Fonte(double ATamanhoPt, bool ANegrito) const;
    // The font's rounded advance width, in device units, of text already made well-formed
    // UTF-8: Cairo refuses malformed UTF-8 and then stops drawing altogether.
    std::int32_t Largura(const std::string& ATextoSaneado) const;

    TContextoCairo FContexto;
    const TFontesLivro& FFontes;
};

} // namespace palvorin
