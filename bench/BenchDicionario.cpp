// Loading the built-in list from its bytes to ready indexes.
#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinRecursos.hpp"

#include <benchmark/benchmark.h>

using namespace palvorin;

static void BM_CarregarListaEmbutida(benchmark::State& estado) {
    for (auto _ : estado) {
        TRelatorioDic rel;
        auto d = CarregarDicionario(".", rel);
        benchmark::DoNotOptimize(d->Total());
    }
    const auto bytes = ProcurarRecurso("DICIONARIO");
    estado.counters["bytes"] = static_cast<double>(bytes ? bytes->size() : 0);
}
BENCHMARK(BM_CarregarListaEmbutida)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
