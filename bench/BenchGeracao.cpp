// Puzzle and book generation with the built-in list: puzzles on one thread, books on one and
// on two, and how fast a cancelled book returns.
#include "ConfigLivro.hpp"
#include "ListaEmbutida.hpp"
#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinRandom.hpp"

#include <algorithm>
#include <array>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <random>
#include <thread>

using namespace palvorin;
using palvorin::teste::ConfigDoLivro;
using palvorin::teste::ListaEmbutida;

namespace {

// Each iteration makes one puzzle from a new seed; besides the mean, reports the median time
// and the generator's statistics per puzzle.
void BM_Puzzle(benchmark::State& AEstado) {
    const TDicionario& dic = ListaEmbutida();
    const auto lado = static_cast<std::int32_t>(AEstado.range(0));
    const TOpcoesGerador opc = OpcoesGeradorPadrao();
    std::vector<double> tempos;
    TEstatisticasGerador soma;
    std::int32_t semPuzzle = 0;
    std::uint32_t semente = 0;
    for (auto _ : AEstado) {
        TPuzzle puzzle;
        TEstatisticasGerador e;
        const auto inicio = std::chrono::steady_clock::now();
        const bool ok = GerarPuzzle(dic, lado, DerivarSemente(2026, ++semente), opc, {}, puzzle, e);
        const std::chrono::duration<double> tempo = std::chrono::steady_clock::now() - inicio;
        AEstado.SetIterationTime(tempo.count());
        tempos.push_back(tempo.count() * 1000.0);
        semPuzzle += ok ? 0 : 1;
        soma.Padroes += e.Padroes;
        soma.PadroesRejeitados += e.PadroesRejeitados;
        soma.Preenchimentos += e.Preenchimentos;
        soma.FalhasPreenchimento += e.FalhasPreenchimento;
        soma.NaoUnicos += e.NaoUnicos;
        soma.ContagensInterrompidas += e.ContagensInterrompidas;
    }
    std::sort(tempos.begin(), tempos.end());
    const double n = static_cast<double>(tempos.size());
    AEstado.counters["mediana_ms"] = tempos[tempos.size() / 2];
    AEstado.counters["padroes"] = soma.Padroes / n;
    AEstado.counters["rejeitados"] = soma.PadroesRejeitados / n;
    AEstado.counters["preench"] = soma.Preenchimentos / n;
    AEstado.counters["falhas_preench"] = soma.FalhasPreenchimento / n;
    AEstado.counters["nao_unicos"] = soma.NaoUnicos / n;
    AEstado.counters["interrompidas"] = soma.ContagensInterrompidas / n;
    AEstado.counters["sem_puzzle"] = semPuzzle / n;
}
BENCHMARK(BM_Puzzle)
    ->ArgName("lado")
    ->Arg(9)
    ->Arg(11)
    ->Arg(13)
    ->Arg(15)
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// CPU time of every thread of this process.
double MsDeCpuDoProcesso() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Whole books through GerarLivro on one thread and on two: each iteration makes the same book
// both ways, in alternating order, so both meet the same load on a shared machine. Also the share
// of positions that needed attempt 3 (0-based) or later: those wait until every earlier position
// is settled, which bounds the speed-up. "razao_cpu" compares the CPU time of all threads: above
// 1 is work done ahead and thrown away, or time spent waiting.
void BM_Livro(benchmark::State& AEstado) {
    const TDicionario& dic = ListaEmbutida();
    // Level -1: a book of any level.
    const auto nivel = AEstado.range(2);
    TPedidoLivro pedido{.NumPuzzles = static_cast<std::int32_t>(AEstado.range(0)),
                        .Lado = static_cast<std::int32_t>(AEstado.range(1)),
                        .Nivel = nivel < 0 ? std::nullopt
                                           : std::optional(static_cast<TNivelDificuldade>(nivel))};
    std::array<double, 2> ms{}, cpuMs{};
    std::int32_t gerados = 0, posicoes = 0, tardias = 0;
    for (auto _ : AEstado) {
        ++pedido.Semente;
        const TConfigLivro config = ConfigDoLivro(pedido);
        std::array<std::vector<TPuzzle>, 2> livros;
        for (std::int32_t vez = 0; vez < 2; ++vez) {
            const std::int32_t k = (config.Semente() + vez) % 2; // 0: one thread, 1: two
            TRelatorioLivro rel;
            std::vector<std::int32_t> tentativas;
            TExecucaoLivro execucao;
            execucao.Tarefas = k + 1;
            execucao.Tentativas = &tentativas;
            const auto inicio = std::chrono::steady_clock::now();
            const double cpuInicio = MsDeCpuDoProcesso();
            livros[k] = GerarLivro(dic, config, {}, rel, execucao);
            ms[k] +=
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio)
                    .count();
            cpuMs[k] += MsDeCpuDoProcesso() - cpuInicio;
            if (k == 0) {
                gerados += rel.Gerados;
                posicoes += static_cast<std::int32_t>(tentativas.size());
                tardias += static_cast<std::int32_t>(
                    std::count_if(tentativas.begin(), tentativas.end(),
                                  [](std::int32_t t) { return t > TENTATIVA_PROIBIR_USADAS; }));
            }
        }
        if (livros[0] != livros[1])
            AEstado.SkipWithError("livros diferentes com uma e duas tarefas");
    }
    const auto n = static_cast<double>(AEstado.iterations());
    AEstado.counters["ms_1_tarefa"] = ms[0] / n;
    AEstado.counters["ms_2_tarefas"] = ms[1] / n;
    AEstado.counters["razao"] = ms[1] / ms[0];
    AEstado.counters["razao_cpu"] = cpuMs[1] / cpuMs[0];
    AEstado.counters["gerados"] = gerados / n;
    AEstado.counters["tentativa_3_ou_mais"] = static_cast<double>(tardias) / posicoes;
}
BENCHMARK(BM_Livro)
    ->ArgNames({"puzzles", "lado", "nivel"})
    ->Args({30, 11, -1})
    ->Args({100, 15, -1})
    ->ArgsProduct({{30}, {9, 11, 13, 15}, {0, 1, 2}})
    ->Iterations(6)
    ->Unit(benchmark::kMillisecond);

// From a cancel asked for at a random moment of the largest book to GerarLivro's return (manual
// time); the request reaches the engine at its next report. "paragem" is the part from that
// report to the return: the workers' attempts noticing the stop.
void BM_Cancelar(benchmark::State& AEstado) {
    const TDicionario& dic = ListaEmbutida();
    TPedidoLivro livro{.NumPuzzles = 100, .Lado = 15};
    TExecucaoLivro execucao;
    execucao.Tarefas = static_cast<std::int32_t>(AEstado.range(0));
    std::mt19937 sorteio(2026);
    // Within the book's first second, which even two threads on a quiet machine do not finish.
    std::uniform_int_distribution<std::int32_t> esperaMs(50, 700);
    std::vector<double> atrasos, paragens;
    for (auto _ : AEstado) {
        ++livro.Semente;
        const TConfigLivro config = ConfigDoLivro(livro);
        std::atomic<bool> pedido{false};
        std::chrono::steady_clock::time_point momento, ouvido;
        std::jthread relogio([&, ms = esperaMs(sorteio)](std::stop_token AParar) {
            std::mutex m;
            std::unique_lock trinco(m);
            std::condition_variable_any().wait_for(trinco, AParar, std::chrono::milliseconds(ms),
                                                   [] { return false; });
            if (!AParar.stop_requested()) {
                momento = std::chrono::steady_clock::now();
                pedido = true;
            }
        });
        TRelatorioLivro rel;
        GerarLivro(
            dic, config,
            [&](std::int32_t, std::int32_t, bool& ACancelar) {
                if (pedido && !ACancelar) {
                    ACancelar = true;
                    ouvido = std::chrono::steady_clock::now();
                }
            },
            rel, execucao);
        const auto fim = std::chrono::steady_clock::now();
        relogio.request_stop();
        relogio.join();
        if (!rel.Cancelado)
            continue; // the book ended first: no delay to measure
        const std::chrono::duration<double> atraso = fim - momento;
        AEstado.SetIterationTime(atraso.count());
        atrasos.push_back(atraso.count() * 1000.0);
        paragens.push_back(std::chrono::duration<double, std::milli>(fim - ouvido).count());
    }
    if (atrasos.empty())
        return;
    std::sort(atrasos.begin(), atrasos.end());
    std::sort(paragens.begin(), paragens.end());
    AEstado.counters["canceladas"] = static_cast<double>(atrasos.size());
    AEstado.counters["mediana_ms"] = atrasos[atrasos.size() / 2];
    AEstado.counters["maximo_ms"] = atrasos.back();
    AEstado.counters["paragem_mediana_ms"] = paragens[paragens.size() / 2];
    AEstado.counters["paragem_maximo_ms"] = paragens.back();
}
BENCHMARK(BM_Cancelar)
    ->ArgName("tarefas")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
