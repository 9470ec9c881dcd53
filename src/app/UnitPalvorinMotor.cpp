#include "UnitPalvorinMotor.hpp"

#include "UnitPalvorinPdf.hpp"

namespace palvorin {

TMotorLivro MotorReal() {
    TMotorLivro motor;
    motor.CarregarDicionario = [](const std::filesystem::path& APasta, TRelatorioDic& ARel) {
        return palvorin::CarregarDicionario(APasta, ARel);
    };
    motor.GerarLivro = [](const TDicionario& ADic, const TConfigLivro& AConfig,
                          const TProgressoLivro& AProgresso, TRelatorioLivro& ARel) {
        return palvorin::GerarLivro(ADic, AConfig, AProgresso, ARel);
    };
    motor.GravarLivroPdf = [](const std::filesystem::path& ANomeFicheiro, const TDadosLivro& ALivro,
                              const TPedidoParagem& AParar) {
        return palvorin::GravarLivroPdf(ANomeFicheiro.string(), ALivro, AParar);
    };
    return motor;
}

} // namespace palvorin
