#include "UnitPalvorinCorrida.hpp"

#include <csignal>

namespace palvorin {

namespace {

volatile std::sig_atomic_t GInterrompido = 0;

extern "C" void AoInterromper(int) {
    GInterrompido = 1;
}

// Routes SIGINT to the cancellation flag while alive.
class TGuardaInterrupcao {
public:
    TGuardaInterrupcao() {
        GInterrompido = 0;
        struct sigaction accao {};
        accao.sa_handler = AoInterromper;
        // Restarted, not failed: stdio gives up on a write cut by EINTR, and stderr would then
        // lose the progress and the cancellation line.
        accao.sa_flags = SA_RESTART;
        sigemptyset(&accao.sa_mask);
        sigaction(SIGINT, &accao, &FAnterior);
    }
    ~TGuardaInterrupcao() { sigaction(SIGINT, &FAnterior, nullptr); }
    TGuardaInterrupcao(const TGuardaInterrupcao&) = delete;
    TGuardaInterrupcao& operator=(const TGuardaInterrupcao&) = delete;

private:
    struct sigaction FAnterior {};
};

} // namespace

TResultadoCorrida CorrerLivro(const TDicionario& ADic, const TConfigLivro& AConfig,
                              std::int32_t ATarefas, TMostradorProgresso& AMostrador) {
    const TGuardaInterrupcao guarda;
    TResultadoCorrida resultado;
    const TProgressoLivro progresso = [&](std::int32_t AAtual, std::int32_t ATotal,
                                          bool& ACancelar) {
        AMostrador.Mostrar(AAtual, ATotal);
        if (GInterrompido)
            ACancelar = true;
    };
    TExecucaoLivro execucao;
    execucao.Tarefas = ATarefas;
    resultado.Puzzles = GerarLivro(ADic, AConfig, progresso, resultado.Relatorio, execucao);
    AMostrador.Terminar();
    return resultado;
}

} // namespace palvorin
