#pragma once

#include "UnitPalvorinGrelha.hpp"
#include "UnitPalvorinTipos.hpp"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace palvorin {

// A black-cell pattern cut into its slots once: the screening, the filler, the counter and the
// puzzle's assembly all read the same slot list and cell tables instead of extracting them
// again.
class TPadraoAnalisado {
public:
    // Raises EInterno when APretas does not hold ALado * ALado cells.
    TPadraoAnalisado(TPadrao APretas, std::int32_t ALado);

    std::int32_t Lado() const { return FLado; }
    const TPadrao& Pretas() const { return FPretas; }
    // In slot order: across slots row by row, then down slots column by column.
    const std::vector<TRanhura>& Ranhuras() const { return FRanhuras; }
    std::int32_t NumRanhuras() const { return static_cast<std::int32_t>(FRanhuras.size()); }
    std::int32_t NumHorizontais() const { return FHorizontais; }
    // Cell index of each letter of slot ARanhura.
    std::span<const std::int32_t> Casas(std::int32_t ARanhura) const {
        return {FCasas.data() + FInicio[ARanhura], FCasas.data() + FInicio[ARanhura + 1]};
    }
    // The across and the down slot through cell ACasa, -1 where there is none.
    const std::array<std::int32_t, 2>& RanhurasDaCasa(std::int32_t ACasa) const {
        return FRanhurasDaCasa[ACasa];
    }
    // Slots of AComprimento cells, in slot order; empty for any length no slot has.
    const std::vector<std::int32_t>& RanhurasDoComprimento(std::int32_t AComprimento) const {
        if (AComprimento < 0 || AComprimento > FLado)
            return FNenhuma;
        return FRanhurasDoComprimento[AComprimento];
    }

private:
    TPadrao FPretas;
    std::int32_t FLado;
    std::vector<TRanhura> FRanhuras;
    std::int32_t FHorizontais = 0;
    std::vector<std::int32_t> FCasas;  // every slot's cells, slot after slot
    std::vector<std::int32_t> FInicio; // where each slot's cells start in FCasas, and the end
    std::vector<std::array<std::int32_t, 2>> FRanhurasDaCasa;
    std::vector<std::vector<std::int32_t>> FRanhurasDoComprimento; // indexed 0 .. Lado
    std::vector<std::int32_t> FNenhuma;
};

} // namespace palvorin
