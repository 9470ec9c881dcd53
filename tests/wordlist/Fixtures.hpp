#pragma once

#include "UnitPalvorinDicionario.hpp"

#include <memory>
#include <string>
#include <vector>

namespace palvorin::teste {

inline std::unique_ptr<TDicionario> Carregar(const std::vector<std::string>& linhas,
                                             TRelatorioDic* rel = nullptr) {
    TRelatorioDic local;
    return CriarDicionario(linhas, rel ? *rel : local);
}

inline std::vector<std::uint8_t> Bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

} // namespace palvorin::teste
