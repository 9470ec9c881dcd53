#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinProgressoCli.hpp"
#include "UnitPalvorinTipos.hpp"

#include <vector>

namespace palvorin {

struct TResultadoCorrida {
    std::vector<TPuzzle> Puzzles;
    TRelatorioLivro Relatorio;
};

// Generates the book on ATarefas threads (0: one per core), showing progress; Ctrl-C (SIGINT)
// during the run cancels it at the generator's next check. The previous SIGINT handling is
// restored on return.
TResultadoCorrida CorrerLivro(const TDicionario& ADic, const TConfigLivro& AConfig,
                              std::int32_t ATarefas, TMostradorProgresso& AMostrador);

} // namespace palvorin
