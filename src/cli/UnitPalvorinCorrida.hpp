#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinProgressoCli.hpp"
#include "UnitPalvorinTipos.hpp"

#include <csignal>
#include <vector>

namespace palvorin {

// While alive, SIGINT, SIGTERM and SIGHUP ask the run to stop instead of killing it, so that
// no half-written file is left behind; SIGXFSZ and SIGPIPE are ignored, so that a file too
// large for the limit or a reader gone away fails the write with an error the run reports.
// The previous handling is restored on destruction. One guard at a time.
class TGuardaSinais {
public:
    TGuardaSinais();
    ~TGuardaSinais();
    TGuardaSinais(const TGuardaSinais&) = delete;
    TGuardaSinais& operator=(const TGuardaSinais&) = delete;

    // The signal that asked to stop, 0 while none did.
    int Sinal() const;
    bool Parar() const { return Sinal() != 0; }

private:
    static constexpr int SINAIS[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ, SIGPIPE};
    struct sigaction FAnteriores[std::size(SINAIS)]{};
};

struct TResultadoCorrida {
    std::vector<TPuzzle> Puzzles;
    TRelatorioLivro Relatorio;
};

// Generates the book on ATarefas threads (0: one per core), showing progress; a signal caught
// by AGuarda cancels it at the generator's next check.
TResultadoCorrida CorrerLivro(const TDicionario& ADic, const TConfigLivro& AConfig,
                              std::int32_t ATarefas, TMostradorProgresso& AMostrador,
                              const TGuardaSinais& AGuarda);

} // namespace palvorin
