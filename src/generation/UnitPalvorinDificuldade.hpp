#pragma once

#include "UnitPalvorinResolucaoHumana.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>

namespace palvorin {

struct TDificuldade {
    TNivelDificuldade Nivel = TNivelDificuldade::ndFacil;
    std::int32_t Pontos = 0;

    bool operator==(const TDificuldade&) const = default;
};

// Words a person looks through per word placed, times ten; each trial weighs as much as
// PESO_TENTATIVA words looked through.
inline constexpr std::int32_t PESO_TENTATIVA = 100;
std::int32_t PontosDaResolucao(const TRegistoResolucao& ARegisto, std::int32_t ANumPalavras);

// Highest points of "Fácil" and of "Médio" for a board side (see docs/dificuldade.md).
struct TLimitesNivel {
    std::int32_t Facil = 0;
    std::int32_t Medio = 0;
};
TLimitesNivel LimitesDoLado(std::int32_t ALado);

// "Difícil" whenever the puzzle needed trial or could not be solved.
TNivelDificuldade NivelDaResolucao(std::int32_t ALado, const TRegistoResolucao& ARegisto,
                                   std::int32_t APontos);

TDificuldade Classificar(const TPuzzle& APuzzle);

} // namespace palvorin
