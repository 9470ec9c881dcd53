#include "UnitPalvorinArranque.hpp"
#include "UnitPalvorinIcone.hpp"
#include "UnitPalvorinMain.hpp"
#include "UnitPalvorinPlataformaQt.hpp"

#include <QApplication>
#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[]) {
    using namespace palvorin;
    if (!HaEcra([](const char* ANome) { return std::getenv(ANome); })) {
        std::cerr << "palvorin: não há ecrã onde abrir a janela (DISPLAY e WAYLAND_DISPLAY "
                     "estão vazios).\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("palvorin");
    QGuiApplication::setDesktopFileName("palvorin");
    QApplication::setWindowIcon(IconePrograma());
    CarregarTraducoes(app);
    AplicarEstilo(app);
    TPlataformaQt plataforma;
    TFormMain janela(plataforma, MotorReal());
    janela.show();
    return QApplication::exec();
}
