#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace palvorin {

// Shows the book generator's progress on stderr: a one-line bar redrawn in place on a
// terminal (position of total, elapsed time, estimated time left), one plain line per
// puzzle otherwise.
class TMostradorProgresso {
public:
    // AAgoraMs reads a monotonic clock in milliseconds; empty means the steady clock.
    TMostradorProgresso(std::ostream& AErro, bool ATerminal,
                        std::function<std::int64_t()> AAgoraMs = {});

    void Mostrar(std::int32_t AAtual, std::int32_t ATotal);
    // Ends the bar's line, if one is open.
    void Terminar();

private:
    std::string LinhaDaBarra(std::int32_t AAtual, std::int32_t ATotal,
                             std::int64_t ADecorridoMs) const;

    std::ostream& FErro;
    bool FTerminal;
    std::function<std::int64_t()> FAgoraMs;
    std::int64_t FInicioMs;
    std::int32_t FUltimaPosicao = -1;
    std::string FUltimaLinha;
};

// "1:05" for 65 seconds; hours when needed ("1:02:03").
std::string TextoDuracao(std::int64_t AMilissegundos);

} // namespace palvorin
