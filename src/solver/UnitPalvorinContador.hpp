#pragma once

#include "UnitPalvorinPadrao.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace palvorin {

// Exhaustive, deterministic count of the ways to write a word list into a pattern, each word
// once. A word's position in the list is its identity: equal texts are different words.
class TContador {
public:
    // APadrao and APalavras are read in place and must outlive the counter.
    TContador(const TPadraoAnalisado& APadrao, const std::vector<std::string>& APalavras,
              std::int32_t AMax, std::int32_t ALimite);

    std::int32_t Correr();
    // The step budget ran out, so the count is only a lower bound.
    bool Interrompido() const { return FInterrompido; }

private:
    bool Compativel(std::int32_t ARanhura, std::int32_t APalavra) const;
    // Fitting words of a slot, counted only until the count reaches ALimiteUtil.
    std::int32_t ContarCompativeis(std::int32_t ARanhura, std::int32_t ALimiteUtil) const;
    void Contar(std::int32_t AProfundidade);
    bool Parar() const { return FContagem >= FMax || FInterrompido; }

    const TPadraoAnalisado& FPadrao;
    const std::vector<std::string>& FPalavras;
    // Word numbers of each length, in list order; a slot tries those of its own length.
    std::vector<std::vector<std::int32_t>> FPorComprimento;
    std::int32_t FNS;
    std::vector<bool> FUsada;
    std::vector<bool> FFeita;
    std::vector<std::int32_t> FLetra;
    std::vector<std::int32_t> FPilha;
    std::int32_t FTopo = 0;
    std::int32_t FMax;
    std::int32_t FLimite;
    std::int32_t FNos = 0;
    std::int32_t FContagem = 0;
    bool FInterrompido = false;
};

// Solutions found, from 0 to AMax; AInterrompido tells whether ALimite steps ran out first.
std::int32_t ContarSolucoes(const TPadraoAnalisado& APadrao,
                            const std::vector<std::string>& APalavras, std::int32_t AMax,
                            std::int32_t ALimite, bool& AInterrompido);

} // namespace palvorin
