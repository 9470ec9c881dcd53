#include "UnitPalvorinCairo.hpp"

#include "UnitPalvorinTipos.hpp"

namespace palvorin {

void VerificarCairo(cairo_status_t AEstado, const std::string& AOperacao) {
    if (AEstado != CAIRO_STATUS_SUCCESS)
        throw EPalvorin(AOperacao + ": " + cairo_status_to_string(AEstado));
}

} // namespace palvorin
