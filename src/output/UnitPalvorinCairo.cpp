#include "UnitPalvorinCairo.hpp"

namespace palvorin {

void VerificarCairo(cairo_status_t AEstado) {
    switch (AEstado) {
    case CAIRO_STATUS_SUCCESS:
        return;
    case CAIRO_STATUS_NO_MEMORY:
        throw ECairo("não há memória suficiente");
    case CAIRO_STATUS_WRITE_ERROR:
        throw ECairo("erro de escrita");
    default:
        // Cairo's own texts are English; its number is enough to look the rest up.
        throw ECairo("o desenho das páginas falhou (erro " + std::to_string(AEstado) +
                     " da biblioteca Cairo)");
    }
}

} // namespace palvorin
