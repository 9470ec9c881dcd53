#include "UnitPalvorinDificuldade.hpp"

namespace palvorin {

std::int32_t PontosDaResolucao(const TRegistoResolucao& ARegisto, std::int32_t ANumPalavras) {
    const std::int64_t esforco =
        static_cast<std::int64_t>(ARegisto.Comparacoes) +
        static_cast<std::int64_t>(PESO_TENTATIVA) * ARegisto.UsosDe(TTecnica::tcTentativa);
    if (ANumPalavras <= 0)
        return 0;
    return static_cast<std::int32_t>((10 * esforco + ANumPalavras / 2) / ANumPalavras);
}

TLimitesNivel LimitesDoLado(std::int32_t ALado) {
    // Tertiles of 3,000 generated puzzles per side (bench/MedirDificuldade.cpp).
    switch (ALado) {
    case 9:
        return {34, 41};
    case 11:
        return {52, 63};
    case 13:
        return {66, 79};
    default:
        return {83, 98};
    }
}

TNivelDificuldade NivelDaResolucao(std::int32_t ALado, const TRegistoResolucao& ARegisto,
                                   std::int32_t APontos) {
    if (!ARegisto.Resolvido || ARegisto.UsosDe(TTecnica::tcTentativa) > 0)
        return TNivelDificuldade::ndDificil;
    const TLimitesNivel limites = LimitesDoLado(ALado);
    if (APontos <= limites.Facil)
        return TNivelDificuldade::ndFacil;
    if (APontos <= limites.Medio)
        return TNivelDificuldade::ndMedio;
    return TNivelDificuldade::ndDificil;
}

TDificuldade Classificar(const TPuzzle& APuzzle) {
    const TRegistoResolucao registo = ResolverComoPessoa(APuzzle);
    const std::int32_t pontos =
        PontosDaResolucao(registo, static_cast<std::int32_t>(APuzzle.Palavras.size()));
    return {NivelDaResolucao(APuzzle.Lado, registo, pontos), pontos};
}

} // namespace palvorin
