#pragma once

#include <cstdint>

namespace palvorin {

// PCG32 (XSH RR, 64-bit state). Every random choice of a puzzle comes from one of
// these, so a seed reproduces its puzzle bit for bit on any machine. Its constants, the
// default sequence and the seed mixing below decide every book: raise PALVORIN_REVISAO_GERADOR
// if any of them changes.
class TGeradorAleatorio {
public:
    static constexpr std::uint64_t SEQUENCIA_PADRAO = 54;

    explicit TGeradorAleatorio(std::uint32_t ASemente);

    void Iniciar(std::uint64_t AEstadoInicial, std::uint64_t ASequencia);
    std::uint32_t ProximoU32();
    std::int32_t Limite(std::int32_t ALimite);
    double Real01();

    std::uint64_t Estado() const { return FEstado; }

private:
    std::uint64_t FEstado = 0;
    std::uint64_t FIncremento = 1;
};

// SplitMix64 output function.
std::uint64_t Misturar64(std::uint64_t x);
std::uint32_t DerivarSemente(std::uint32_t A, std::uint32_t B);
// A fresh seed from the monotonic clock.
std::uint32_t SementeDoRelogio();

} // namespace palvorin
