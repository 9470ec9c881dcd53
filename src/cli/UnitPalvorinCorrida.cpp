#include "UnitPalvorinCorrida.hpp"

namespace palvorin {

namespace {

volatile std::sig_atomic_t GSinal = 0;

extern "C" void AoReceberSinal(int ASinal) {
    GSinal = ASinal;
}

} // namespace

TGuardaSinais::TGuardaSinais() {
    GSinal = 0;
    for (std::size_t i = 0; i < std::size(SINAIS); ++i) {
        struct sigaction accao {};
        const bool ignorar = SINAIS[i] == SIGXFSZ || SINAIS[i] == SIGPIPE;
        accao.sa_handler = ignorar ? SIG_IGN : AoReceberSinal;
        // Restarted, not failed: stdio gives up on a write cut by EINTR, and stderr would then
        // lose the progress and the cancellation line.
        accao.sa_flags = SA_RESTART;
        sigemptyset(&accao.sa_mask);
        sigaction(SINAIS[i], &accao, &FAnteriores[i]);
    }
}

TGuardaSinais::~TGuardaSinais() {
    for (std::size_t i = 0; i < std::size(SINAIS); ++i)
        sigaction(SINAIS[i], &FAnteriores[i], nullptr);
}

int TGuardaSinais::Sinal() const {
    return GSinal;
}

TResultadoCorrida CorrerLivro(const TDicionario& ADic, const TConfigLivro& AConfig,
                              std::int32_t ATarefas, TMostradorProgresso& AMostrador,
                              const TGuardaSinais& AGuarda) {
    TResultadoCorrida resultado;
    const TProgressoLivro progresso = [&](std::int32_t AAtual, std::int32_t ATotal,
                                          bool& ACancelar) {
        AMostrador.Mostrar(AAtual, ATotal);
        if (AGuarda.Parar())
            ACancelar = true;
    };
    TExecucaoLivro execucao;
    execucao.Tarefas = ATarefas;
    resultado.Puzzles = GerarLivro(ADic, AConfig, progresso, resultado.Relatorio, execucao);
    AMostrador.Terminar();
    return resultado;
}

} // namespace palvorin
