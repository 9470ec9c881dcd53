#pragma once

// Tests write patterns as cells and a side; the engine takes them already cut into slots.
#include "UnitPalvorinContador.hpp"
#include "UnitPalvorinPadrao.hpp"
#include "UnitPalvorinPreenchedor.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace palvorin::teste {

inline std::int32_t ContarSolucoes(const TPadrao& APretas, std::int32_t ALado,
                                   const std::vector<std::string>& APalavras, std::int32_t AMax,
                                   std::int32_t ALimite, bool& AInterrompido) {
    return palvorin::ContarSolucoes(TPadraoAnalisado(APretas, ALado), APalavras, AMax, ALimite,
                                    AInterrompido);
}

inline bool PreencherPadrao(const TDicionario& ADic, const TPadrao& APretas, std::int32_t ALado,
                            TGeradorAleatorio& AGer, const TOpcoesPreenchimento& AOpc,
                            TPuzzle& APuzzle, const TConsultaCancelamento& ACancelado = {}) {
    return palvorin::PreencherPadrao(ADic, TPadraoAnalisado(APretas, ALado), AGer, AOpc, APuzzle,
                                     ACancelado);
}

inline std::int32_t ContarRanhurasDeComprimento(const TPadrao& APretas, std::int32_t ALado,
                                                std::int32_t AComprimento) {
    std::int32_t n = 0;
    for (const TRanhura& r : ExtrairRanhuras(APretas, ALado))
        if (r.Comprimento == AComprimento)
            ++n;
    return n;
}

} // namespace palvorin::teste
