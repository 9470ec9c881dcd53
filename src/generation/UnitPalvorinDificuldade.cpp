#include "UnitPalvorinDificuldade.hpp"

#include <algorithm>
#include <limits>

namespace palvorin {

std::int32_t PontosDaResolucao(const TRegistoResolucao& ARegisto) {
    std::int64_t pontos = static_cast<std::int64_t>(ARegisto.UsosDe(TTecnica::tcTentativa)) *
                          Descritor(TTecnica::tcTentativa).Custo;
    for (const TParagem& paragem : ARegisto.Paragens) {
        pontos += PESO_PARAGEM +
                  static_cast<std::int64_t>(paragem.Pares) * Descritor(TTecnica::tcPar).Custo;
        // Each elimination in a row builds on the ones before it: the longer the chain, the
        // more a person must hold in mind.
        std::int64_t noEncadeamento = 0;
        for (const std::int32_t pesados : paragem.Eliminacoes)
            pontos += ++noEncadeamento * pesados * Descritor(TTecnica::tcEliminacao).Custo;
    }
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(pontos, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t LeituraDaResolucao(const TRegistoResolucao& ARegisto, std::int32_t ANumPalavras) {
    if (ANumPalavras <= 0)
        return 0;
    return static_cast<std::int32_t>(
        (10 * static_cast<std::int64_t>(ARegisto.Comparacoes) + ANumPalavras / 2) / ANumPalavras);
}

TNivelDificuldade NivelDaResolucao(const TRegistoResolucao& ARegisto, std::int32_t APontos) {
    if (!ARegisto.Resolvido || ARegisto.UsosDe(TTecnica::tcTentativa) > 0)
        return TNivelDificuldade::ndDificil;
    if (APontos == 0)
        return TNivelDificuldade::ndFacil;
    if (APontos <= PONTOS_MAX_MEDIO)
        return TNivelDificuldade::ndMedio;
    return TNivelDificuldade::ndDificil;
}

std::int32_t MenorGrupo(const TPadraoAnalisado& APadrao) {
    std::int32_t menor = 0;
    for (std::int32_t comprimento = 0; comprimento <= APadrao.Lado(); ++comprimento) {
        const auto n = static_cast<std::int32_t>(APadrao.RanhurasDoComprimento(comprimento).size());
        if (n > 0 && (menor == 0 || n < menor))
            menor = n;
    }
    return menor;
}

bool PadraoParaNivel(const TPadraoAnalisado& APadrao, TNivelDificuldade ANivel) {
    const std::int32_t menor = MenorGrupo(APadrao);
    switch (ANivel) {
    case TNivelDificuldade::ndFacil:
        return menor == 1;
    case TNivelDificuldade::ndMedio:
        return menor == 2;
    case TNivelDificuldade::ndDificil:
        return menor >= 3;
    }
    return true;
}

namespace {

TDificuldade Graduar(const TRegistoResolucao& ARegisto) {
    const std::int32_t pontos = PontosDaResolucao(ARegisto);
    return {NivelDaResolucao(ARegisto, pontos), pontos};
}

} // namespace

TDificuldade Classificar(const TPadraoAnalisado& APadrao,
                         const std::vector<std::string>& AGrelhas) {
    return Graduar(ResolverComoPessoa(APadrao, AGrelhas));
}

TDificuldade Classificar(const TPuzzle& APuzzle) {
    return Graduar(ResolverComoPessoa(APuzzle));
}

} // namespace palvorin
