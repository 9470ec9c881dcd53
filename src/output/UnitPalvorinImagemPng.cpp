#include "UnitPalvorinImagemPng.hpp"

#include "UnitPalvorinTipos.hpp"

#include <cstring>
#include <string>

namespace palvorin {

namespace {

struct TLeitor {
    std::span<const std::uint8_t> Resto;
};

cairo_status_t Ler(void* ALeitor, unsigned char* ADados, unsigned int ATamanho) {
    auto* leitor = static_cast<TLeitor*>(ALeitor);
    if (ATamanho > leitor->Resto.size())
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(ADados, leitor->Resto.data(), ATamanho);
    leitor->Resto = leitor->Resto.subspan(ATamanho);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

TSuperficieCairo PngSobreBranco(std::span<const std::uint8_t> APng) {
    TLeitor leitor{APng};
    const TSuperficieCairo png(cairo_image_surface_create_from_png_stream(Ler, &leitor));
    if (const cairo_status_t estado = cairo_surface_status(png.get());
        estado != CAIRO_STATUS_SUCCESS)
        // The pictures are the program's own: one Cairo cannot read is a fault of the build.
        // (Cairo reports most of libpng's refusals as "no memory", so the cause says little.)
        throw EInterno("PngSobreBranco: imagem ilegível (erro " + std::to_string(estado) +
                       " da biblioteca Cairo)");
    const int largura = cairo_image_surface_get_width(png.get());
    const int altura = cairo_image_surface_get_height(png.get());

    TSuperficieCairo plana(cairo_image_surface_create(CAIRO_FORMAT_RGB24, largura, altura));
    const TContextoCairo cr(cairo_create(plana.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    cairo_set_source_surface(cr.get(), png.get(), 0, 0);
    cairo_paint(cr.get());
    VerificarCairo(cairo_status(cr.get()));
    return plana;
}

} // namespace palvorin
