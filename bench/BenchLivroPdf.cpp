// Laying out and writing whole books: the 100-puzzle 15 x 15 book (time) and the
// 30-puzzle 11 x 11 book (file size).
#include "FixturasLivro.hpp"
#include "UnitPalvorinPdf.hpp"

#include <benchmark/benchmark.h>
#include <filesystem>

using namespace palvorin;

namespace {

TDadosLivro LivroDeTeste(std::int32_t ALado, std::int32_t ANumero) {
    TDadosLivro livro;
    livro.Config = {ANumero, ALado, "Livro de referência", 1};
    livro.Puzzles = teste::PuzzlesDeTeste(ALado, ANumero);
    return livro;
}

void GravarLivro(benchmark::State& AEstado, std::int32_t ALado, std::int32_t ANumero) {
    const TDadosLivro livro = LivroDeTeste(ALado, ANumero);
    const std::filesystem::path caminho =
        std::filesystem::temp_directory_path() / "palvorin-bench-livro.pdf";
    for (auto _ : AEstado)
        GravarLivroPdf(caminho.string(), livro);
    AEstado.counters["bytes"] = static_cast<double>(std::filesystem::file_size(caminho));
    AEstado.counters["paginas"] = NumPaginasDoLivro(ANumero);
    std::filesystem::remove(caminho);
}

void LivroDe100Puzzles15x15(benchmark::State& AEstado) {
    GravarLivro(AEstado, 15, 100);
}
void LivroDe30Puzzles11x11(benchmark::State& AEstado) {
    GravarLivro(AEstado, 11, 30);
}

} // namespace

BENCHMARK(LivroDe100Puzzles15x15)->Unit(benchmark::kMillisecond);
BENCHMARK(LivroDe30Puzzles11x11)->Unit(benchmark::kMillisecond);
