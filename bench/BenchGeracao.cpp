// Puzzle and book generation with the built-in list, one thread.
#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinRandom.hpp"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace palvorin;

namespace {

const TDicionario& ListaEmbutida() {
    static const std::unique_ptr<TDicionario> dic = [] {
        TRelatorioDic rel;
        return CarregarDicionario(".", rel);
    }();
    return *dic;
}

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

void BM_Livro(benchmark::State& AEstado) {
    const TDicionario& dic = ListaEmbutida();
    // Level -1: a book of any level.
    const auto nivel = AEstado.range(2);
    TConfigLivro config{
        static_cast<std::int32_t>(AEstado.range(0)), static_cast<std::int32_t>(AEstado.range(1)),
        "", 0, nivel < 0 ? std::nullopt : std::optional(static_cast<TNivelDificuldade>(nivel))};
    std::int32_t gerados = 0;
    for (auto _ : AEstado) {
        ++config.Semente;
        TRelatorioLivro rel;
        benchmark::DoNotOptimize(GerarLivro(dic, config, {}, rel));
        gerados += rel.Gerados;
    }
    AEstado.counters["gerados"] = benchmark::Counter(gerados, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Livro)
    ->ArgNames({"puzzles", "lado", "nivel"})
    ->ArgsProduct({{30}, {9, 11, 13, 15}, {-1, 0, 1, 2}})
    ->Args({100, 15, -1})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
