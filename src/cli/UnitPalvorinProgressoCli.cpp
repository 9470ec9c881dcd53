#include "UnitPalvorinProgressoCli.hpp"

#include "UnitPalvorinTextos.hpp"

#include <chrono>

namespace palvorin {

namespace {

constexpr std::int32_t LARGURA_BARRA = 30;

std::int64_t AgoraEstavelMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string DoisDigitos(std::int64_t AValor) {
    std::string texto = std::to_string(AValor);
    if (texto.size() < 2)
        texto.insert(texto.begin(), '0');
    return texto;
}

} // namespace

std::string TextoDuracao(std::int64_t AMilissegundos) {
    const std::int64_t s = std::max<std::int64_t>(AMilissegundos, 0) / 1000;
    if (s >= 3600)
        return std::to_string(s / 3600) + ":" + DoisDigitos(s / 60 % 60) + ":" +
               DoisDigitos(s % 60);
    return std::to_string(s / 60) + ":" + DoisDigitos(s % 60);
}

TMostradorProgresso::TMostradorProgresso(std::ostream& AErro, bool ATerminal,
                                         std::function<std::int64_t()> AAgoraMs)
    : FErro(AErro), FTerminal(ATerminal),
      FAgoraMs(AAgoraMs ? std::move(AAgoraMs) : std::function<std::int64_t()>(AgoraEstavelMs)),
      FInicioMs(FAgoraMs()) {}

std::string TMostradorProgresso::LinhaDaBarra(std::int32_t AAtual, std::int32_t ATotal,
                                              std::int64_t ADecorridoMs) const {
    const std::int32_t cheias = ATotal > 0 ? LARGURA_BARRA * AAtual / ATotal : 0;
    std::string linha = "[";
    linha.append(cheias, '#').append(LARGURA_BARRA - cheias, '-');
    linha += "] " + std::to_string(AAtual) + " de " + std::to_string(ATotal) + " · decorrido " +
             TextoDuracao(ADecorridoMs);
    // The time left is estimated from the puzzles finished so far.
    if (AAtual > 0 && AAtual < ATotal)
        linha += " · falta " + TextoDuracao(ADecorridoMs * (ATotal - AAtual) / AAtual);
    return linha;
}

void TMostradorProgresso::Mostrar(std::int32_t AAtual, std::int32_t ATotal) {
    if (!FTerminal) {
        if (AAtual != FUltimaPosicao && AAtual < ATotal)
            FErro << TextoProgresso(AAtual, ATotal) << '\n' << std::flush;
        FUltimaPosicao = AAtual;
        return;
    }
    const std::string linha = LinhaDaBarra(AAtual, ATotal, FAgoraMs() - FInicioMs);
    if (linha == FUltimaLinha)
        return;
    // Pad over the tail of a longer previous line.
    const std::size_t largura = std::max(linha.size(), FUltimaLinha.size());
    FErro << '\r' << linha << std::string(largura - linha.size(), ' ') << std::flush;
    FUltimaLinha = linha;
}

void TMostradorProgresso::Terminar() {
    if (FTerminal && !FUltimaLinha.empty())
        FErro << '\n' << std::flush;
    FUltimaLinha.clear();
}

} // namespace palvorin
