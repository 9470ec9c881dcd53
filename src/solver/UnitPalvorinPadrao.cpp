#include "UnitPalvorinPadrao.hpp"

#include <utility>

namespace palvorin {

TPadraoAnalisado::TPadraoAnalisado(TPadrao APretas, std::int32_t ALado)
    : FPretas(std::move(APretas)), FLado(ALado) {
    if (!PadraoTemLadoPorLado(FPretas, FLado))
        throw EInterno("TPadraoAnalisado: o padrão não tem Lado * Lado casas");
    FRanhuras = ExtrairRanhuras(FPretas, FLado);
    FRanhurasDaCasa.assign(FPretas.size(), {-1, -1});
    FRanhurasDoComprimento.resize(static_cast<std::size_t>(FLado) + 1);
    FInicio.reserve(FRanhuras.size() + 1);
    for (std::int32_t i = 0; i < NumRanhuras(); ++i) {
        const TRanhura& r = FRanhuras[i];
        FHorizontais += r.Horizontal ? 1 : 0;
        FInicio.push_back(static_cast<std::int32_t>(FCasas.size()));
        for (std::int32_t k = 0; k < r.Comprimento; ++k) {
            const std::int32_t casa = CasaDaRanhura(r, k, FLado);
            FCasas.push_back(casa);
            FRanhurasDaCasa[casa][r.Horizontal ? 0 : 1] = i;
        }
        FRanhurasDoComprimento[r.Comprimento].push_back(i);
    }
    FInicio.push_back(static_cast<std::int32_t>(FCasas.size()));
}

} // namespace palvorin
