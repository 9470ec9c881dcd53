#pragma once

// A page canvas over an in-memory picture: one device unit per pixel at 300 units per
// inch, so tests can look at what each operation covers.

#include "UnitPalvorinCanvasCairo.hpp"

#include <cstdint>
#include <cstring>
#include <memory>

namespace palvorin::teste {

struct TCorPixel {
    int R, G, B;
    bool operator==(const TCorPixel&) const = default;
};

class TPaginaImagem {
public:
    explicit TPaginaImagem(int ALado = 600)
        : FImagem(cairo_image_surface_create(CAIRO_FORMAT_RGB24, ALado, ALado)) {
        const TContextoCairo cr(cairo_create(FImagem.get()));
        cairo_set_source_rgb(cr.get(), 1, 1, 1);
        cairo_paint(cr.get());
        // One device unit per pixel.
        Canvas = std::make_unique<TCanvasCairo>(FImagem.get(), DPI_PAGINA, FFontes);
    }

    TCorPixel Pixel(int X, int Y) {
        cairo_surface_flush(FImagem.get());
        const unsigned char* p = cairo_image_surface_get_data(FImagem.get()) +
                                 Y * cairo_image_surface_get_stride(FImagem.get()) + X * 4;
        return {p[2], p[1], p[0]};
    }
    bool Preto(int X, int Y) { return Pixel(X, Y) == TCorPixel{0, 0, 0}; }
    bool Branco(int X, int Y) { return Pixel(X, Y) == TCorPixel{255, 255, 255}; }
    // Ink in one column over a span of rows, in pixels' worth of black.
    double TintaNaColuna(int X, int Y1, int Y2) {
        double tinta = 0;
        for (int y = Y1; y <= Y2; ++y)
            tinta += (255 - Pixel(X, y).G) / 255.0;
        return tinta;
    }
    bool IgualA(TPaginaImagem& AOutra) {
        cairo_surface_flush(FImagem.get());
        cairo_surface_flush(AOutra.FImagem.get());
        const int altura = cairo_image_surface_get_height(FImagem.get());
        const int passo = cairo_image_surface_get_stride(FImagem.get());
        return std::memcmp(cairo_image_surface_get_data(FImagem.get()),
                           cairo_image_surface_get_data(AOutra.FImagem.get()),
                           static_cast<std::size_t>(altura * passo)) == 0;
    }
    std::unique_ptr<TCanvasCairo> Canvas;

private:
    TSuperficieCairo FImagem;
    TFontesLivro FFontes;
};

} // namespace palvorin::teste
