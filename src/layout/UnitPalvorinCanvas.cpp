#include "UnitPalvorinCanvas.hpp"

namespace palvorin {

double PtParaMm(double APt) {
    return APt * 25.4 / 72;
}

double MmParaPt(double AMm) {
    return AMm * 72 / 25.4;
}

} // namespace palvorin
