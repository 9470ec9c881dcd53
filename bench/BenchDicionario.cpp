// Loading the built-in list from its bytes to ready indexes.
#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinRecursos.hpp"
#include "UnitPalvorinTexto.hpp"

#include <algorithm>
#include <benchmark/benchmark.h>

using namespace palvorin;

static void BM_CarregarListaEmbutida(benchmark::State& estado) {
    for (auto _ : estado) {
        TRelatorioDic rel;
        auto d = CarregarDicionario(".", rel);
        benchmark::DoNotOptimize(d->Total());
    }
    const auto bytes = ProcurarRecurso(recurso::DICIONARIO);
    estado.counters["bytes"] = static_cast<double>(bytes ? bytes->size() : 0);
}
BENCHMARK(BM_CarregarListaEmbutida)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// A list the size of 62,000 lines: the built-in one followed by its words read
// backwards (new board forms, same alphabet), loaded from bytes like the built-in one.
static void BM_Carregar62000Linhas(benchmark::State& estado) {
    const auto recurso = ProcurarRecurso(recurso::DICIONARIO);
    std::string bytes(reinterpret_cast<const char*>(recurso->data()), recurso->size());
    const auto linhas = DividirLinhas(TextoDeBytes(*recurso));
    for (std::size_t i = linhas.size(); i < 62000; ++i) {
        std::u32string w = PontosDeCodigo(linhas[i % linhas.size()]);
        std::reverse(w.begin(), w.end());
        bytes += Utf8DePontos(w) + "\r\n";
    }
    const std::span<const std::uint8_t> dados(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                              bytes.size());
    TRelatorioDic rel;
    for (auto _ : estado) {
        auto d = CriarDicionario(DividirLinhas(TextoDeBytes(dados)), rel);
        benchmark::DoNotOptimize(d->Total());
    }
    estado.counters["linhas"] = rel.Lidas;
    estado.counters["aceites"] = rel.Aceites;
}
BENCHMARK(BM_Carregar62000Linhas)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
