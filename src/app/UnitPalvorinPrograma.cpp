#include "UnitPalvorinPrograma.hpp"

#include "UnitPalvorinSinaisFim.hpp"

#include <QApplication>

namespace palvorin {

int CorrerJanela(IPlataforma& APlataforma, TMotorLivro AMotor,
                 const std::function<void(TFormMain&)>& AAoMostrar) {
    TFormMain janela(APlataforma, std::move(AMotor), [] { return TSinaisDeFim::Sinal() != 0; });
    const TSinaisDeFim sinais([&janela](int) { janela.Interromper(); });
    janela.show();
    if (AAoMostrar)
        AAoMostrar(janela);
    const int saida = QApplication::exec();
    return TSinaisDeFim::Sinal() != 0 ? 128 + TSinaisDeFim::Sinal() : saida;
}

} // namespace palvorin
