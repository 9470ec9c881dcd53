#pragma once

#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinMotor.hpp"
#include "UnitPalvorinPlataforma.hpp"

#include <functional>

namespace palvorin {

// Shows the window and runs the event loop until it closes. SIGINT, SIGTERM and SIGHUP end the
// program cleanly (open boxes close, a run is cancelled, a write under way leaves nothing
// behind), and the exit code is then 128 plus the signal's number, as a shell reports a
// program a signal ended. AAoMostrar runs once the window is shown.
int CorrerJanela(IPlataforma& APlataforma, TMotorLivro AMotor,
                 const std::function<void(TFormMain&)>& AAoMostrar = {});

} // namespace palvorin
