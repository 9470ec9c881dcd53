#include "UnitPalvorinLivro.hpp"

#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinRandom.hpp"
#include "UnitPalvorinUsoPalavras.hpp"

#include <algorithm>
#include <chrono>

namespace palvorin {

void VerificarConfig(const TConfigLivro& AConfig) {
    if (!TamanhoValido(AConfig.Lado))
        throw EPalvorin("Tamanho do tabuleiro inválido.");
    if (AConfig.NumPuzzles < MIN_PUZZLES || AConfig.NumPuzzles > MAX_PUZZLES)
        throw EPalvorin("Número de puzzles inválido.");
}

std::int32_t LimiteRepeticoes(std::int32_t ANumPalavras) {
    return std::max(ANumPalavras / 4, 1);
}

namespace {

TRelogioMs RelogioEstavel() {
    const auto inicio = std::chrono::steady_clock::now();
    return [inicio] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - inicio)
            .count();
    };
}

// What the progress reports and the cancellation query share during one run.
struct TEstadoCorrida {
    explicit TEstadoCorrida(const TProgressoLivro& AProgressoCorrida)
        : AProgresso(AProgressoCorrida) {}

    std::int32_t N = 0;
    std::int32_t Atual = 0;
    std::int64_t UltimoMs = 0;
    TRelogioMs Relogio;
    bool Cancelar = false;
    const TProgressoLivro& AProgresso;

    void Reportar(std::int32_t AAtual, std::int64_t AAgoraMs) {
        UltimoMs = AAgoraMs;
        AProgresso(AAtual, N, Cancelar);
    }

    // Throttled: the caller hears from inside a puzzle at most once per interval.
    bool Consultar() {
        if (AProgresso && !Cancelar) {
            const std::int64_t agora = Relogio();
            if (agora - UltimoMs >= INTERVALO_PROGRESSO_MS)
                Reportar(Atual, agora);
        }
        return Cancelar;
    }
};

std::string TextoFalhaPosicao(std::int32_t APosicao, bool AFalhouNoGerador) {
    return "Puzzle " + std::to_string(APosicao + 1) +
           (AFalhouNoGerador ? ": não foi possível gerar um puzzle"
                             : ": repete demasiadas palavras de outros puzzles");
}

} // namespace

std::vector<TPuzzle> GerarLivro(const TDicionario& ADic, const TConfigLivro& AConfig,
                                const TProgressoLivro& AProgresso, TRelatorioLivro& ARel,
                                const TRelogioMs& ARelogio) {
    TEstadoCorrida corrida(AProgresso);
    VerificarConfig(AConfig);
    ARel = TRelatorioLivro{};
    ARel.Pedidos = AConfig.NumPuzzles;
    corrida.N = AConfig.NumPuzzles;

    TOpcoesGerador opc = OpcoesGeradorPadrao();
    std::vector<TPuzzle> aceites;
    std::vector<std::string> falhas;
    TUsoPalavras uso(ADic);
    corrida.Relogio = ARelogio ? ARelogio : RelogioEstavel();
    const TConsultaCancelamento consulta = [&corrida] { return corrida.Consultar(); };

    for (std::int32_t i = 0; i < corrida.N; ++i) {
        corrida.Atual = i;
        if (AProgresso)
            corrida.Reportar(i, corrida.Relogio());
        if (corrida.Cancelar) {
            ARel.Cancelado = true;
            break;
        }
        const std::uint32_t sementePosicao =
            DerivarSemente(AConfig.Semente, static_cast<std::uint32_t>(i) + 1);
        bool sucesso = false;
        bool falhou = false;
        bool usaRaras = false;
        opc.Preenchimento.Proibidas.clear();
        TPuzzle puzzle;
        for (std::int32_t j = 0; j < TENTATIVAS_POR_PUZZLE; ++j) {
            if (j == TENTATIVA_PROIBIR_USADAS)
                opc.Preenchimento.Proibidas = uso.Proibidas();
            TEstatisticasGerador estat;
            const std::uint32_t sementeTentativa =
                DerivarSemente(sementePosicao, static_cast<std::uint32_t>(j));
            if (!GerarPuzzle(ADic, AConfig.Lado, sementeTentativa, opc, consulta, puzzle, estat)) {
                falhou = !corrida.Cancelar;
                break;
            }
            if (!uso.RepeteDemasiado(puzzle)) {
                sucesso = true;
                usaRaras = estat.ComRaras > 0;
                break;
            }
        }
        if (corrida.Cancelar) {
            ARel.Cancelado = true;
            break;
        }
        if (sucesso) {
            aceites.push_back(std::move(puzzle));
            if (usaRaras)
                ++ARel.ComRaras;
            uso.Registar(aceites.back());
        } else {
            falhas.push_back(TextoFalhaPosicao(i, falhou));
        }
    }

    if (!ARel.Cancelado && AProgresso) {
        corrida.Cancelar = false;
        corrida.Reportar(corrida.N, corrida.Relogio());
    }
    ARel.Gerados = static_cast<std::int32_t>(aceites.size());
    ARel.Falhas = std::move(falhas);
    return aceites;
}

} // namespace palvorin
