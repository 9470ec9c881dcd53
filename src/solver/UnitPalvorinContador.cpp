#include "UnitPalvorinContador.hpp"

#include <limits>

namespace palvorin {

namespace {

void VerificarLetras(const std::vector<std::string>& APalavras) {
    for (const std::string& palavra : APalavras)
        for (const char c : palavra)
            if (c < 'A' || c > 'Z')
                throw EInterno("ContarSolucoes: a palavra «" + palavra +
                               "» tem algo que não é A-Z");
}

} // namespace

TContador::TContador(const TPadraoAnalisado& APadrao, const std::vector<std::string>& APalavras,
                     std::int32_t AMax, std::int32_t ALimite)
    : FPadrao(APadrao), FPalavras(APalavras), FNS(APadrao.NumRanhuras()), FMax(AMax),
      FLimite(ALimite) {
    VerificarLetras(APalavras);
    FPorComprimento.resize(static_cast<std::size_t>(APadrao.Lado()) + 1);
    for (std::size_t i = 0; i < APalavras.size(); ++i)
        if (APalavras[i].size() < FPorComprimento.size())
            FPorComprimento[APalavras[i].size()].push_back(static_cast<std::int32_t>(i));
    FUsada.assign(APalavras.size(), false);
    FFeita.assign(FNS, false);
    FLetra.assign(APadrao.Pretas().size(), -1);
    FPilha.assign(FLetra.size(), 0);
}

std::int32_t TContador::Correr() {
    FContagem = 0;
    FNos = 0;
    FInterrompido = false;
    FTopo = 0;
    if (FNS > 0 && FMax > 0)
        Contar(0);
    return FContagem;
}

bool TContador::Compativel(std::int32_t ARanhura, std::int32_t APalavra) const {
    if (FUsada[APalavra])
        return false;
    const std::string& palavra = FPalavras[APalavra];
    const std::span<const std::int32_t> casas = FPadrao.Casas(ARanhura);
    for (std::size_t p = 0; p < casas.size(); ++p) {
        const std::int32_t letra = FLetra[casas[p]];
        if (letra >= 0 && letra != palavra[p] - 'A')
            return false;
    }
    return true;
}

std::int32_t TContador::ContarCompativeis(std::int32_t ARanhura, std::int32_t ALimiteUtil) const {
    std::int32_t c = 0;
    for (const std::int32_t w : FPorComprimento[FPadrao.Ranhuras()[ARanhura].Comprimento])
        if (Compativel(ARanhura, w) && ++c >= ALimiteUtil)
            break;
    return c;
}

void TContador::Contar(std::int32_t AProfundidade) {
    if (Parar())
        return;
    if (++FNos > FLimite) {
        FInterrompido = true;
        return;
    }
    if (AProfundidade == FNS) {
        ++FContagem;
        return;
    }

    // Fail-first, the first slot winning ties; a slot that cannot beat the best is not
    // counted to the end.
    std::int32_t s = -1;
    std::int32_t melhor = std::numeric_limits<std::int32_t>::max();
    for (std::int32_t k = 0; k < FNS; ++k) {
        if (FFeita[k])
            continue;
        const std::int32_t c = ContarCompativeis(k, melhor);
        if (c == 0)
            return;
        if (c < melhor) {
            s = k;
            melhor = c;
            if (c == 1)
                break;
        }
    }

    const std::span<const std::int32_t> casas = FPadrao.Casas(s);
    for (const std::int32_t w : FPorComprimento[casas.size()]) {
        if (!Compativel(s, w))
            continue;
        const std::int32_t marca = FTopo;
        const std::string& palavra = FPalavras[w];
        for (std::size_t p = 0; p < casas.size(); ++p) {
            const std::int32_t x = casas[p];
            if (FLetra[x] < 0) {
                FLetra[x] = palavra[p] - 'A';
                FPilha[FTopo++] = x;
            }
        }
        FUsada[w] = true;
        FFeita[s] = true;
        Contar(AProfundidade + 1);
        FFeita[s] = false;
        FUsada[w] = false;
        while (FTopo > marca)
            FLetra[FPilha[--FTopo]] = -1;
        if (Parar())
            return;
    }
}

std::int32_t ContarSolucoes(const TPadraoAnalisado& APadrao,
                            const std::vector<std::string>& APalavras, std::int32_t AMax,
                            std::int32_t ALimite, bool& AInterrompido) {
    AInterrompido = false;
    if (APalavras.size() != static_cast<std::size_t>(APadrao.NumRanhuras()))
        return 0;
    TContador contador(APadrao, APalavras, AMax, ALimite);
    const std::int32_t contagem = contador.Correr();
    AInterrompido = contador.Interrompido();
    return contagem;
}

} // namespace palvorin
