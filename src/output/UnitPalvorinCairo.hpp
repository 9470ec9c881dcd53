#pragma once

#include "UnitPalvorinTipos.hpp"

#include <cairo.h>
#include <memory>
#include <string>

namespace palvorin {

// Owning handles for Cairo objects, released on every way out.
struct TLibertarSuperficie {
    void operator()(cairo_surface_t* ASuperficie) const { cairo_surface_destroy(ASuperficie); }
};
struct TLibertarContexto {
    void operator()(cairo_t* AContexto) const { cairo_destroy(AContexto); }
};
struct TLibertarFace {
    void operator()(cairo_font_face_t* AFace) const { cairo_font_face_destroy(AFace); }
};

using TSuperficieCairo = std::unique_ptr<cairo_surface_t, TLibertarSuperficie>;
using TContextoCairo = std::unique_ptr<cairo_t, TLibertarContexto>;
using TFaceCairo = std::unique_ptr<cairo_font_face_t, TLibertarFace>;

// A drawing that Cairo could not do; the message is the cause, in Portuguese.
class ECairo : public EPalvorin {
public:
    using EPalvorin::EPalvorin;
};

// Raises ECairo when AEstado is an error.
void VerificarCairo(cairo_status_t AEstado);

} // namespace palvorin
