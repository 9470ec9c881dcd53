#include "UnitPalvorinLivro.hpp"

#include "UnitPalvorinDificuldade.hpp"
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

std::int32_t TentativasPorPuzzle(const TConfigLivro& AConfig) {
    return AConfig.Nivel ? TENTATIVAS_POR_PUZZLE_NIVEL : TENTATIVAS_POR_PUZZLE;
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

std::string TextoFalhaPosicao(std::int32_t APosicao, bool AFalhouNoGerador,
                              const TConfigLivro& AConfig) {
    std::string texto = "Puzzle " + std::to_string(APosicao + 1);
    if (AFalhouNoGerador)
        return texto + ": não foi possível gerar um puzzle";
    if (AConfig.Nivel)
        return texto + ": nenhum puzzle de nível " + TextoDoNivel(*AConfig.Nivel) + " em " +
               std::to_string(TentativasPorPuzzle(AConfig)) + " tentativas";
    return texto + ": repete demasiadas palavras de outros puzzles";
}

// A puzzle drawn for a book: any one for a book of any level, else one of the book's level.
bool NivelAceite(const TConfigLivro& AConfig, const TPuzzle& APuzzle) {
    return !AConfig.Nivel || Classificar(APuzzle).Nivel == *AConfig.Nivel;
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
        const std::int32_t tentativas = TentativasPorPuzzle(AConfig);
        for (std::int32_t j = 0; j < tentativas; ++j) {
            if (j == TENTATIVA_PROIBIR_USADAS)
                opc.Preenchimento.Proibidas = uso.Proibidas();
            TEstatisticasGerador estat;
            const std::uint32_t sementeTentativa =
                DerivarSemente(sementePosicao, static_cast<std::uint32_t>(j));
            if (!GerarPuzzle(ADic, AConfig.Lado, sementeTentativa, opc, consulta, puzzle, estat)) {
                falhou = !corrida.Cancelar;
                break;
            }
            if (!uso.RepeteDemasiado(puzzle) && NivelAceite(AConfig, puzzle)) {
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
            falhas.push_back(TextoFalhaPosicao(i, falhou, AConfig));
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
