#pragma once

#include <cstdint>
#include <string>

namespace palvorin {

// Page drawing is in millimetres from the page's top-left corner; line widths and font
// sizes in points; colours are grey levels 0 (black) to 255 (white), -1 for none.

enum class TAlinhamento { alEsquerda, alCentro, alDireita };

inline constexpr std::int32_t CINZA_NENHUM = -1;
inline constexpr std::int32_t CINZA_PRETO = 0;

double PtParaMm(double APt);
double MmParaPt(double AMm);

// The drawing surface of one page. The layout measures every text it places through
// LarguraTexto and AlturaTexto, so it adapts to whatever face the canvas uses.
class ICanvasPagina {
public:
    virtual ~ICanvasPagina() = default;

    virtual void Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt,
                       std::int32_t ACinza) = 0;
    virtual void Rectangulo(double X, double Y, double ALargura, double AAltura,
                            double AEspessuraPt, std::int32_t AContorno,
                            std::int32_t APreenchimento) = 0;
    // Y is the top of the line's character cell; X is its left end, centre or right end.
    virtual void Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt,
                       bool ANegrito, std::int32_t ACinza, TAlinhamento AAlinhamento) = 0;
    virtual double LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) = 0;
    // Height of one regular line: the character cell of "Ag".
    virtual double AlturaTexto(double ATamanhoPt) = 0;
    virtual void Imagem(double X, double Y, double ALargura, double AAltura,
                        const std::string& ANome) = 0;
};

} // namespace palvorin
