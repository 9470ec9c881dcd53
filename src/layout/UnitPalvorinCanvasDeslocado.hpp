#pragma once

#include "UnitPalvorinCanvas.hpp"

#include <memory>

namespace palvorin {

// Another canvas seen moved across by ADeslocamentoMm: a left-hand page is drawn as a
// right-hand one and moved so that its wider margin falls on the binding side.
class TCanvasDeslocado : public ICanvasPagina {
public:
    TCanvasDeslocado(std::shared_ptr<ICanvasPagina> ACanvas, double ADeslocamentoMm)
        : FCanvas(std::move(ACanvas)), FDeslocamento(ADeslocamentoMm) {}

    void Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt,
               std::int32_t ACinza) override {
        FCanvas->Linha(X1 + FDeslocamento, Y1, X2 + FDeslocamento, Y2, AEspessuraPt, ACinza);
    }
    void Rectangulo(double X, double Y, double ALargura, double AAltura, double AEspessuraPt,
                    std::int32_t AContorno, std::int32_t APreenchimento) override {
        FCanvas->Rectangulo(X + FDeslocamento, Y, ALargura, AAltura, AEspessuraPt, AContorno,
                            APreenchimento);
    }
    void Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt, bool ANegrito,
               std::int32_t ACinza, TAlinhamento AAlinhamento) override {
        FCanvas->Texto(X + FDeslocamento, Y, ATexto, ATamanhoPt, ANegrito, ACinza, AAlinhamento);
    }
    double LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) override {
        return FCanvas->LarguraTexto(ATexto, ATamanhoPt, ANegrito);
    }
    double AlturaTexto(double ATamanhoPt) override { return FCanvas->AlturaTexto(ATamanhoPt); }
    void Imagem(double X, double Y, double ALargura, double AAltura,
                const std::string& ANome) override {
        FCanvas->Imagem(X + FDeslocamento, Y, ALargura, AAltura, ANome);
    }

private:
    std::shared_ptr<ICanvasPagina> FCanvas;
    double FDeslocamento;
};

} // namespace palvorin
