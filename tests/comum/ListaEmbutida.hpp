#pragma once

// The program's built-in word list, loaded once; for tests and benchmarks that link the
// program's resources.
#include "UnitPalvorinDicionario.hpp"

#include <memory>

namespace palvorin::teste {

inline const TDicionario& ListaEmbutida() {
    static const std::unique_ptr<TDicionario> dic = [] {
        TRelatorioDic rel;
        return CarregarDicionario(".", rel);
    }();
    return *dic;
}

} // namespace palvorin::teste
