#include "UnitPalvorinLivro.hpp"

#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinTema.hpp"
#include "UnitPalvorinTentativas.hpp"
#include "UnitPalvorinUsoPalavras.hpp"

#include <algorithm>
#include <chrono>
#include <memory>
#include <oneapi/tbb/info.h>

namespace palvorin {

std::int32_t LimiteRepeticoes(std::int32_t ANumPalavras) {
    return std::max(ANumPalavras / 4, 1);
}

std::int32_t TentativasPorPuzzle(const TConfigLivro& AConfig, const TExecucaoLivro& AExecucao) {
    return AConfig.Nivel() ? AExecucao.TentativasDeNivel : TENTATIVAS_POR_PUZZLE;
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
                              const TConfigLivro& AConfig, std::int32_t ATentativas) {
    std::string texto = "Puzzle " + std::to_string(APosicao + 1);
    if (AFalhouNoGerador)
        return texto + ": não foi possível gerar um puzzle";
    if (AConfig.Nivel())
        return texto + ": nenhum puzzle de nível " + TextoDoNivel(*AConfig.Nivel()) + " em " +
               std::to_string(ATentativas) + " tentativas";
    return texto + ": repete demasiadas palavras de outros puzzles";
}

// A puzzle drawn for a book: any one for a book of any level, else one of the book's level.
bool NivelAceite(const TConfigLivro& AConfig, const TPuzzle& APuzzle) {
    return !AConfig.Nivel() || APuzzle.Dificuldade->Nivel == *AConfig.Nivel();
}

// Positions ahead of the current one whose first attempts the workers may make, per thread:
// enough to keep them busy past a slow puzzle, few enough to keep memory flat.
constexpr std::int32_t ANTECIPACAO_POR_TAREFA = 16;

// The attempts of each position made ahead: the first; in a book of one level, which turns
// down about two puzzles in three, every attempt that forbids no words.
std::int32_t TentativasAntecipadas(const TConfigLivro& AConfig) {
    return AConfig.Nivel() ? TENTATIVA_PROIBIR_USADAS : 1;
}

// Whether an attempt's puzzle takes its position, given the puzzles accepted before it.
bool TomaAPosicao(const TConfigLivro& AConfig, const TPuzzle& APuzzle, const TUsoPalavras& AUso) {
    return !AUso.RepeteDemasiado(APuzzle) && NivelAceite(AConfig, APuzzle);
}

std::shared_ptr<const TOpcoesGerador> ComProibidas(const TOpcoesGerador& ABase,
                                                   const TUsoPalavras& AUso) {
    auto opcoes = std::make_shared<TOpcoesGerador>(ABase);
    opcoes->Preenchimento.Proibidas = AUso.Proibidas();
    return opcoes;
}

// How one position ended.
struct TDesfecho {
    bool Aceite = false;
    bool FalhouNoGerador = false;
    std::int32_t Tentativas = 0;
    TTentativa Ultima;
};

// The attempts at one position, in order, until one takes it. The first few belong to the
// look-ahead; when a later one is needed, the next few go to the workers at once, each batch
// within the attempts that share one forbidden-word array.
TDesfecho ResolverPosicao(TOficinaTentativas& AOficina, const TConfigLivro& AConfig,
                          const TUsoPalavras& AUso, std::int32_t APosicao,
                          const std::shared_ptr<const TOpcoesGerador>& ABase,
                          const TConsultaCancelamento& AConsulta, std::int32_t ATentativas) {
    TDesfecho desfecho;
    std::shared_ptr<const TOpcoesGerador> opcoes = ABase;
    std::int32_t entregues = TentativasAntecipadas(AConfig);
    for (std::int32_t j = 0; j < ATentativas; ++j) {
        if (j == TENTATIVA_PROIBIR_USADAS)
            opcoes = ComProibidas(*ABase, AUso);
        if (j >= entregues) {
            const std::int32_t fimDaFase =
                j < TENTATIVA_PROIBIR_USADAS ? TENTATIVA_PROIBIR_USADAS : ATentativas;
            entregues = std::min(fimDaFase, j + 1 + AOficina.Trabalhadores());
            for (std::int32_t k = j + 1; k < entregues; ++k)
                AOficina.Pedir(APosicao, k, opcoes);
        }
        desfecho.Ultima = AOficina.Obter(APosicao, j, *opcoes, AConsulta);
        desfecho.Tentativas = j + 1;
        if (!desfecho.Ultima.Gerado) {
            desfecho.FalhouNoGerador = true;
            break;
        }
        if (TomaAPosicao(AConfig, desfecho.Ultima.Puzzle, AUso)) {
            desfecho.Aceite = true;
            break;
        }
    }
    AOficina.Esquecer(APosicao);
    return desfecho;
}

std::int32_t NumeroDeTarefas(std::int32_t APedidas) {
    return APedidas <= 0 ? TarefasPorOmissao() : std::min(APedidas, MAX_TAREFAS);
}

} // namespace

std::int32_t TarefasPorOmissao() {
    return std::clamp(oneapi::tbb::info::default_concurrency(), 1, MAX_TAREFAS);
}

std::vector<TPuzzle> GerarLivro(const TDicionario& ADic, const TConfigLivro& AConfig,
                                const TProgressoLivro& AProgresso, TRelatorioLivro& ARel,
                                const TExecucaoLivro& AExecucao) {
    TEstadoCorrida corrida(AProgresso);
    ARel = TRelatorioLivro{};
    ARel.Pedidos = AConfig.NumPuzzles();
    corrida.N = AConfig.NumPuzzles();
    corrida.Relogio = AExecucao.Relogio ? AExecucao.Relogio : RelogioEstavel();
    if (AExecucao.Tentativas)
        AExecucao.Tentativas->clear();

    // A theme's words the list lacks join it for this book only.
    const std::optional<TTema>& tema = AConfig.Tema();
    if (tema && tema->Palavras.empty())
        throw EInterno("GerarLivro: o tema não foi lido");
    const std::unique_ptr<TDicionario> comTema =
        tema ? DicionarioComTema(ADic, tema->Palavras) : nullptr;
    const TDicionario& dic = comTema ? *comTema : ADic;
    auto opcoes = std::make_shared<TOpcoesGerador>(
        AConfig.Nivel() ? OpcoesGeradorDeNivel(*AConfig.Nivel()) : OpcoesGeradorPadrao());
    if (tema)
        *opcoes = OpcoesComTema(
            std::move(*opcoes),
            std::make_shared<const TMascarasTema>(MascarasDoTema(dic, tema->Palavras)),
            AConfig.Lado());
    const std::shared_ptr<const TOpcoesGerador> base = std::move(opcoes);
    std::vector<TPuzzle> aceites;
    std::vector<std::string> falhas;
    TUsoPalavras uso(dic);
    const TConsultaCancelamento consulta = [&corrida] { return corrida.Consultar(); };
    {
        const std::int32_t tarefas = NumeroDeTarefas(AExecucao.Tarefas);
        const std::int32_t tentativas = TentativasPorPuzzle(AConfig, AExecucao);
        TOficinaTentativas oficina(dic, AConfig.Lado(), AConfig.Semente(), tarefas - 1);
        const std::int32_t porPosicao = TentativasAntecipadas(AConfig);
        std::int32_t antecipadas = 0; // positions whose first attempts were handed out
        for (std::int32_t i = 0; i < corrida.N; ++i) {
            corrida.Atual = i;
            if (AProgresso)
                corrida.Reportar(i, corrida.Relogio());
            if (corrida.Cancelar) {
                ARel.Cancelado = true;
                break;
            }
            for (; antecipadas < corrida.N && antecipadas <= i + ANTECIPACAO_POR_TAREFA * tarefas;
                 ++antecipadas)
                for (std::int32_t j = 0; j < porPosicao; ++j)
                    oficina.Pedir(antecipadas, j, base);
            TDesfecho desfecho =
                ResolverPosicao(oficina, AConfig, uso, i, base, consulta, tentativas);
            if (corrida.Cancelar) {
                ARel.Cancelado = true;
                break;
            }
            if (AExecucao.Tentativas)
                AExecucao.Tentativas->push_back(desfecho.Tentativas);
            if (desfecho.Aceite) {
                aceites.push_back(std::move(desfecho.Ultima.Puzzle));
                if (desfecho.Ultima.ComRaras)
                    ++ARel.ComRaras;
                uso.Registar(aceites.back());
            } else {
                falhas.push_back(
                    TextoFalhaPosicao(i, desfecho.FalhouNoGerador, AConfig, tentativas));
            }
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
