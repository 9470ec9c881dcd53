// From nothing to the window on screen: the word-list load, the controls, the first paint.
#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinMotor.hpp"
#include "UnitPalvorinPlataformaQt.hpp"

#include <QApplication>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

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
