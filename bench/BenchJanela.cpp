// The window's responsiveness: from nothing to the window on screen, and how often the
// status line is repainted while a book is being generated.
#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinMotor.hpp"
#include "UnitPalvorinPlataformaQt.hpp"

#include <QApplication>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace {

using TRelogio = std::chrono::steady_clock;

void JanelaAparece(benchmark::State& AEstado) {
    palvorin::TPlataformaQt plataforma;
    for (auto _ : AEstado) {
        palvorin::TFormMain janela(plataforma, palvorin::MotorReal());
        janela.show();
        while (janela.windowHandle() == nullptr || !janela.windowHandle()->isExposed())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // the first paint
        benchmark::DoNotOptimize(janela.LabelResumo->text());
    }
}
BENCHMARK(JanelaAparece)->Unit(benchmark::kMillisecond);

// The real desktop, except that the file is chosen without a dialog and not opened, and
// that every event pass (where pending repaints happen) is timed.
class TPlataformaCronometrada : public palvorin::TPlataformaQt {
public:
    explicit TPlataformaCronometrada(std::filesystem::path ACaminho)
        : FCaminho(std::move(ACaminho)) {}
    std::optional<std::filesystem::path> EscolherFicheiroPdf(const std::string&) override {
        return FCaminho;
    }
    void AbrirDocumento(const std::filesystem::path&) override {}
    void ProcessarMensagens() override {
        Passagens.push_back(TRelogio::now());
        TPlataformaQt::ProcessarMensagens();
    }

    std::vector<TRelogio::time_point> Passagens;

private:
    std::filesystem::path FCaminho;
};

// One book of 30 puzzles of the given side: the gaps between the event
// passes of the run, in which the progress bar and the status line are repainted. The last
// pass paints "A gravar o PDF..."; the writing after it is not generation.
void CorridaRepintaOEstado(benchmark::State& AEstado) {
    const auto pdf = std::filesystem::temp_directory_path() /
                     ("palvorin-bench-" + std::to_string(::getpid()) + ".pdf");
    TPlataformaCronometrada plataforma(pdf);
    palvorin::TFormMain janela(plataforma, palvorin::MotorReal());
    janela.show();
    janela.RadioTamanhos[std::size_t(palvorin::IndiceDoTamanho(std::int32_t(AEstado.range(0))))]
        ->click();
    QCoreApplication::processEvents();
    std::vector<double> intervalos;
    for (auto _ : AEstado) {
        plataforma.Passagens.clear();
        janela.BitBtnGerar->click();
        const auto& p = plataforma.Passagens;
        for (std::size_t i = 1; i < p.size(); ++i)
            intervalos.push_back(
                std::chrono::duration<double, std::milli>(p[i] - p[i - 1]).count());
    }
    std::filesystem::remove(pdf);
    if (intervalos.empty())
        return;
    std::sort(intervalos.begin(), intervalos.end());
    const auto acima =
        std::count_if(intervalos.begin(), intervalos.end(), [](double AMs) { return AMs > 40.0; });
    AEstado.counters["passagens"] = double(intervalos.size() + 1);
    AEstado.counters["p50_ms"] = intervalos[intervalos.size() / 2];
    AEstado.counters["p90_ms"] = intervalos[intervalos.size() * 9 / 10];
    AEstado.counters["p99_ms"] = intervalos[intervalos.size() * 99 / 100];
    AEstado.counters["max_ms"] = intervalos.back();
    AEstado.counters["acima_40ms"] = double(acima);
}
BENCHMARK(CorridaRepintaOEstado)
    ->Arg(9)
    ->Arg(11)
    ->Arg(13)
    ->Arg(15)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
