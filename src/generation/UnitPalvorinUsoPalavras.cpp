#include "UnitPalvorinUsoPalavras.hpp"

#include "UnitPalvorinLivro.hpp"

#include <algorithm>

namespace palvorin {

TUsoPalavras::TUsoPalavras(const TDicionario& ADic) : FDic(ADic), FContagem(ADic.Total(), 0) {}

bool TUsoPalavras::RepeteDemasiado(const TPuzzle& ANovo) const {
    std::vector<std::int32_t> partilhadas(FNumPalavras.size(), 0);
    for (const TPalavraColocada& p : ANovo.Palavras) {
        const auto it = FPuzzlesDaGrelha.find(p.Grelha);
        if (it == FPuzzlesDaGrelha.end())
            continue;
        for (const std::int32_t k : it->second)
            ++partilhadas[k];
    }
    const auto palavrasNovo = static_cast<std::int32_t>(ANovo.Palavras.size());
    for (std::size_t k = 0; k < FNumPalavras.size(); ++k)
        if (partilhadas[k] > LimiteRepeticoes(std::min(palavrasNovo, FNumPalavras[k])))
            return true;
    return false;
}

void TUsoPalavras::Registar(const TPuzzle& APuzzle) {
    const auto indicePuzzle = static_cast<std::int32_t>(FNumPalavras.size());
    FNumPalavras.push_back(static_cast<std::int32_t>(APuzzle.Palavras.size()));
    for (const TPalavraColocada& p : APuzzle.Palavras) {
        const std::int32_t indice = FDic.IndiceDaGrelha(p.Grelha);
        if (indice >= 0)
            ++FContagem[indice];
        FPuzzlesDaGrelha[p.Grelha].push_back(indicePuzzle);
    }
}

std::vector<bool> TUsoPalavras::Proibidas() const {
    std::vector<bool> proibidas(FContagem.size(), false);
    for (std::size_t k = 0; k < FContagem.size(); ++k)
        proibidas[k] =
            FContagem[k] >= 1 && FDic.Palavra(static_cast<std::int32_t>(k)).Grelha.size() >=
                                     static_cast<std::size_t>(COMPRIMENTO_PROIBIDAS);
    return proibidas;
}

} // namespace palvorin
