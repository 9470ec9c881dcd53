// The window's responsiveness: from nothing to the window on screen, and how long the
// interface thread is kept from its events while a book is made.
#include "PlataformaSemDialogo.hpp"
#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinMotor.hpp"
#include "UnitPalvorinPlataformaQt.hpp"

#include <QApplication>
#include <QTimer>
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

// One book of 30 puzzles of the given side, from Gerar to the final line (generation and
// the PDF): how long the interface thread was away from its event loop. A 1 ms timer ticks
// on that thread; a gap between two ticks is the longest the window could not react.
void CorridaIntervalosDaInterface(benchmark::State& AEstado) {
    const auto pdf = std::filesystem::temp_directory_path() /
                     ("palvorin-bench-" + std::to_string(::getpid()) + ".pdf");
    palvorin::teste::TPlataformaSemDialogo plataforma(pdf);
    palvorin::TFormMain janela(plataforma, palvorin::MotorReal());
    janela.show();
    janela.RadioTamanhos[std::size_t(palvorin::IndiceDoTamanho(std::int32_t(AEstado.range(0))))]
        ->click();
    QCoreApplication::processEvents();
    std::vector<TRelogio::time_point> tiques;
    QTimer relogio;
    relogio.setTimerType(Qt::PreciseTimer);
    relogio.setInterval(1);
    QObject::connect(&relogio, &QTimer::timeout, [&] { tiques.push_back(TRelogio::now()); });
    std::vector<double> intervalos;
    for (auto _ : AEstado) {
        tiques.clear();
        relogio.start();
        tiques.push_back(TRelogio::now());
        janela.BitBtnGerar->click();
        while (janela.Gerando())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        tiques.push_back(TRelogio::now());
        relogio.stop();
        for (std::size_t i = 1; i < tiques.size(); ++i)
            intervalos.push_back(
                std::chrono::duration<double, std::milli>(tiques[i] - tiques[i - 1]).count());
    }
    std::filesystem::remove(pdf);
    std::sort(intervalos.begin(), intervalos.end());
    const auto acima =
        std::count_if(intervalos.begin(), intervalos.end(), [](double AMs) { return AMs > 20.0; });
    AEstado.counters["tiques"] = double(intervalos.size());
    AEstado.counters["p50_ms"] = intervalos[intervalos.size() / 2];
    AEstado.counters["p99_ms"] = intervalos[intervalos.size() * 99 / 100];
    AEstado.counters["max_ms"] = intervalos.back();
    AEstado.counters["acima_20ms"] = double(acima);
}
BENCHMARK(CorridaIntervalosDaInterface)
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
