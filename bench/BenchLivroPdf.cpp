// Laying out and writing whole books: the 100-puzzle 15 x 15 book (time) and the
// 30-puzzle 11 x 11 book (file size), from hand-made boards and from generated ones.
#include "ConfigLivro.hpp"
#include "FixturasLivro.hpp"
#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinPdf.hpp"

#include <benchmark/benchmark.h>
#include <filesystem>

using namespace palvorin;

namespace {

TDadosLivro LivroDeTeste(std::int32_t ALado, std::int32_t ANumero) {
    return TDadosLivro{
        .Config = teste::ConfigDoLivro(
            {.NumPuzzles = ANumero, .Lado = ALado, .Titulo = "Livro de referência", .Semente = 1}),
        .Puzzles = teste::PuzzlesDeTeste(ALado, ANumero),
        .Lista = {}};
}

// Generating a hundred 15 x 15 puzzles takes minutes: AGerados generated puzzles are
// repeated to fill the book.
TDadosLivro LivroGerado(std::int32_t ALado, std::int32_t ANumero, std::int32_t AGerados) {
    TRelatorioDic relDic;
    const auto dic = CarregarDicionario(".", relDic);
    TPedidoLivro pedido{
        .NumPuzzles = AGerados, .Lado = ALado, .Titulo = "Livro de referência", .Semente = 2026};
    TRelatorioLivro rel;
    const std::vector<TPuzzle> gerados = GerarLivro(*dic, teste::ConfigDoLivro(pedido), {}, rel);
    pedido.NumPuzzles = ANumero;
    TDadosLivro livro{.Config = teste::ConfigDoLivro(pedido), .Puzzles = {}, .Lista = {}};
    for (std::int32_t i = 0; i < ANumero && !gerados.empty(); ++i)
        livro.Puzzles.push_back(gerados[static_cast<std::size_t>(i) % gerados.size()]);
    return livro;
}

void GravarLivro(benchmark::State& AEstado, const TDadosLivro& ALivro) {
    const std::filesystem::path caminho =
        std::filesystem::temp_directory_path() / "palvorin-bench-livro.pdf";
    for (auto _ : AEstado)
        GravarLivroPdf(caminho.string(), ALivro);
    AEstado.counters["bytes"] = static_cast<double>(std::filesystem::file_size(caminho));
    AEstado.counters["paginas"] =
        NumPaginasDoLivro(static_cast<std::int32_t>(ALivro.Puzzles.size()));
    std::filesystem::remove(caminho);
}

void LivroDe100Puzzles15x15(benchmark::State& AEstado) {
    GravarLivro(AEstado, LivroDeTeste(15, 100));
}
void LivroDe30Puzzles11x11(benchmark::State& AEstado) {
    GravarLivro(AEstado, LivroDeTeste(11, 30));
}
void LivroGeradoDe100Puzzles15x15(benchmark::State& AEstado) {
    static const TDadosLivro livro = LivroGerado(15, 100, 5);
    GravarLivro(AEstado, livro);
}
void LivroGeradoDe30Puzzles11x11(benchmark::State& AEstado) {
    static const TDadosLivro livro = LivroGerado(11, 30, 30);
    GravarLivro(AEstado, livro);
}

} // namespace

BENCHMARK(LivroDe100Puzzles15x15)->Unit(benchmark::kMillisecond);
BENCHMARK(LivroDe30Puzzles11x11)->Unit(benchmark::kMillisecond);
BENCHMARK(LivroGeradoDe100Puzzles15x15)->Unit(benchmark::kMillisecond);
BENCHMARK(LivroGeradoDe30Puzzles11x11)->Unit(benchmark::kMillisecond);
