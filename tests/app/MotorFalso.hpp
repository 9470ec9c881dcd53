#pragma once

#include "UnitPalvorinMotor.hpp"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace palvorin::teste {

// A book generator that keeps GerarLivro's protocol (a report at each position,
// throttled reports inside it, the final report whose cancel is ignored) with
// a scripted outcome per position. It runs on the window's worker thread.
struct TGeracaoFalsa {
    int ReportesPorPuzzle = 2;
    // After every report that did not stop the run.
    std::function<void()> AposReporte;
    // When a report asked it to stop, before it returns.
    std::function<void()> AoParar;
    std::vector<int> PosicoesFalhadas;
    std::optional<std::string> Erro;
    std::vector<TConfigLivro> Chamadas;

    std::vector<TPuzzle> operator()(const TConfigLivro& AConfig, const TProgressoLivro& AProgresso,
                                    TRelatorioLivro& ARel) {
        Chamadas.push_back(AConfig);
        ARel = TRelatorioLivro{};
        ARel.Pedidos = AConfig.NumPuzzles();
        std::vector<TPuzzle> puzzles;
        bool cancelar = false;
        const auto reportar = [&](int APosicao, bool& ACancelar) {
            AProgresso(APosicao, AConfig.NumPuzzles(), ACancelar);
            if (!ACancelar && AposReporte)
                AposReporte();
        };
        for (int i = 0; i < AConfig.NumPuzzles() && !cancelar; ++i) {
            reportar(i, cancelar);
            for (int r = 0; r < ReportesPorPuzzle && !cancelar; ++r)
                reportar(i, cancelar);
            if (cancelar) {
                if (AoParar)
                    AoParar();
                break;
            }
            if (Erro && i == AConfig.NumPuzzles() - 1)
                throw EPalvorin(*Erro);
            if (std::find(PosicoesFalhadas.begin(), PosicoesFalhadas.end(), i) !=
                PosicoesFalhadas.end()) {
                ARel.Falhas.push_back("Puzzle " + std::to_string(i + 1) +
                                      ": não foi possível gerar um puzzle");
                continue;
            }
            TPuzzle puzzle;
            puzzle.Lado = AConfig.Lado();
            puzzle.Letras = std::string(std::size_t(AConfig.Lado() * AConfig.Lado()), '#');
            puzzles.push_back(puzzle);
        }
        ARel.Cancelado = cancelar;
        if (!cancelar) {
            bool ignorado = false;
            reportar(AConfig.NumPuzzles(), ignorado);
        }
        ARel.Gerados = int(puzzles.size());
        return puzzles;
    }
};

struct TGravacaoFalsa {
    std::optional<std::string> Erro;
    std::function<void()> AntesDeGravar;
    std::vector<std::pair<std::filesystem::path, TDadosLivro>> Chamadas;
    int Paradas = 0; // writes AParar abandoned
    // The pages the write reports; absent: those the layout plans.
    std::optional<std::int32_t> Paginas;

    std::optional<TLivroGravado> operator()(const std::filesystem::path& ACaminho,
                                            const TDadosLivro& ALivro,
                                            const TPedidoParagem& AParar) {
        if (AntesDeGravar)
            AntesDeGravar();
        if (AParar && AParar()) {
            ++Paradas;
            return std::nullopt;
        }
        Chamadas.emplace_back(ACaminho, ALivro);
        if (Erro)
            throw EPalvorin(*Erro);
        return TLivroGravado{Paginas.value_or(NumPaginasDoLivro(
                                 static_cast<std::int32_t>(ALivro.Puzzles.size()), ALivro.Config)),
                             0};
    }
};

// The two scripts as the engine's generating and writing; the word list is not loaded.
inline TMotorLivro MotorFalso(TGeracaoFalsa& AGeracao, TGravacaoFalsa& AGravacao) {
    TMotorLivro motor;
    motor.GerarLivro = [&AGeracao](const TDicionario&, const TConfigLivro& AConfig,
                                   const TProgressoLivro& AProgresso, TRelatorioLivro& ARel) {
        return AGeracao(AConfig, AProgresso, ARel);
    };
    motor.GravarLivroPdf = [&AGravacao](const std::filesystem::path& ACaminho,
                                        const TDadosLivro& ALivro, const TPedidoParagem& AParar) {
        return AGravacao(ACaminho, ALivro, AParar);
    };
    return motor;
}

} // namespace palvorin::teste
