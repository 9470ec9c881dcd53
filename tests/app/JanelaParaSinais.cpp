// The real program's window for a test that sends it signals: the file is chosen without a
// dialog, and Gerar is clicked once the window shows. Arguments: the PDF's path (none: the
// window stays idle), then "pausa" to hold the writer at its first check until a signal came,
// so that the signal surely falls inside the write.
#include "PlataformaSemDialogo.hpp"
#include "UnitPalvorinArranque.hpp"
#include "UnitPalvorinPrograma.hpp"
#include "UnitPalvorinSinaisFim.hpp"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <iostream>
#include <string_view>
#include <thread>

using namespace palvorin;
using palvorin::teste::TPlataformaSemDialogo;

int main(int argc, char* argv[]) {
    IgnorarSinaisDeEscrita();
    int argcQt = 1;
    QApplication app(argcQt, argv);
    std::optional<std::filesystem::path> caminho;
    if (argc > 1)
        caminho = argv[1];
    TMotorLivro motor = MotorReal();
    if (argc > 2 && std::string_view(argv[2]) == "pausa") {
        motor.GravarLivroPdf = [gravar = motor.GravarLivroPdf](
                                   const std::filesystem::path& ACaminho, const TDadosLivro& ALivro,
                                   const TPedidoParagem& AParar) {
            return gravar(ACaminho, ALivro, [&AParar, primeira = true]() mutable {
                for (int i = 0; primeira && i < 20000 && TSinaisDeFim::Sinal() == 0; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                primeira = false;
                return AParar();
            });
        };
    }
    TPlataformaSemDialogo plataforma(caminho);
    return CorrerJanela(plataforma, std::move(motor), [&](TFormMain& AJanela) {
        AJanela.CheckBoxAbrirPDF->setChecked(false);
        AJanela.EditNumPuzzles->setText("2");
        AJanela.RadioTamanhos[0]->setChecked(true);
        std::cout << "pronta" << std::endl;
        if (caminho)
            QTimer::singleShot(0, &AJanela, [&AJanela] {
                QTest::mouseClick(AJanela.BitBtnGerar, Qt::LeftButton);
            });
    });
}
