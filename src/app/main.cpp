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
        std::cerr << TEXTO_SEM_ECRA << '\n';
        return 1;
    }
    // The program takes no options, not even Qt's own.
    int argcQt = argc > 0 ? 1 : 0;
    const auto app = AbrirAplicacao(argcQt, argv);
    QApplication::setApplicationName("palvorin");
    QGuiApplication::setDesktopFileName("palvorin");
    QApplication::setWindowIcon(IconePrograma());
    CarregarTraducoes(*app);
    AplicarEstilo(*app);
    TPlataformaQt plataforma;
    TFormMain janela(plataforma, MotorReal());
    janela.show();
    return QApplication::exec();
}
