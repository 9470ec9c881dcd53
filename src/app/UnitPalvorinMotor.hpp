#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinGravarFicheiro.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinPaginas.hpp"

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace palvorin {

// The engine operations the window drives. The program uses the real ones; tests
// put in scripted runs to reach states the real engine gives only by chance.
struct TMotorLivro {
    std::function<std::unique_ptr<TDicionario>(const std::filesystem::path& APasta,
                                               TRelatorioDic& ARel)>
        CarregarDicionario;
    std::function<std::vector<TPuzzle>(const TDicionario& ADic, const TConfigLivro& AConfig,
                                       const TProgressoLivro& AProgresso, TRelatorioLivro& ARel)>
        GerarLivro;
    // Nothing, with the file untouched, when AParar stopped the write.
    std::function<std::optional<TLivroGravado>(const std::filesystem::path& ANomeFicheiro,
                                               const TDadosLivro& ALivro,
                                               const TPedidoParagem& AParar)>
        GravarLivroPdf;
};

TMotorLivro MotorReal();

} // namespace palvorin
