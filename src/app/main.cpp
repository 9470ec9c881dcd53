#include "UnitPalvorinArranque.hpp"
#include "UnitPalvorinIcone.hpp"
#include "UnitPalvorinPlataformaQt.hpp"
#include "UnitPalvorinPrograma.hpp"
#include "UnitPalvorinVersao.hpp"

#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string_view>

int main(int argc, char* argv[]) {
    using namespace palvorin;
    IgnorarSinaisDeEscrita();
    if (argc == 2 && std::string_view(argv[1]) == "--versao") {
        std::cout << "palvorin " << VERSAO_PALVORIN << '\n';
        return 0;
    }
    if (!HaEcra([](const char* ANome) { return std::getenv(ANome); })) {
        std::cerr << TEXTO_SEM_ECRA << '\n';
        return 1;
    }
    const TPastaDeExecucao pastaDeExecucao;
    // No other options, not even Qt's own.
    int argcQt = argc > 0 ? 1 : 0;
    const auto app = AbrirAplicacao(argcQt, argv);
    QApplication::setApplicationName("palvorin");
    QGuiApplication::setDesktopFileName("palvorin");
    QApplication::setWindowIcon(IconePrograma());
    CarregarTraducoes(*app);
    AplicarEstilo(*app);
    TPlataformaQt plataforma;
    return CorrerJanela(plataforma, MotorReal());
}
