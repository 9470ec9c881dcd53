// The composer's pages without puzzles: cover, verso, separators and the emblem page.
#include "UnitPalvorinMarca.hpp"
#include "UnitPalvorinPaginas.hpp"
#include "UnitPalvorinRegras.hpp"
#include "UnitPalvorinTabuleiro.hpp"
#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinTextoPagina.hpp"

#include <string>

namespace palvorin {

namespace {

constexpr double ALTURA_LINHA_LICENCA_MM = 6.5;
constexpr double TAMANHO_LEGAL_PT = 12;
constexpr double LARGURA_SELO_MM = 30;
constexpr double ALTURA_SELO_MM = 30.0 * 450 / 1280;

constexpr double TAMANHO_SEPARADOR_PT = 36;

const std::string LETRAS_EMBLEMA = "#O#M#ERRARIDEIASEIOS#M#R#";
constexpr std::int32_t LADO_EMBLEMA = 5;
constexpr double CELULA_EMBLEMA_MM = 18;

std::string Maiusculas(std::string ATexto) {
    for (char& c : ATexto)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return ATexto;
}

} // namespace

void TCompositorLivro::DesenharCapa(ICanvasPagina& ACanvas) const {
    TextoCentradoAjustado(ACanvas, 42, Maiusculas(NOME_AUTOR), 24, 24, 1, true);
    TextoCentradoAjustado(ACanvas, 92, Maiusculas(NOME_PROGRAMA), 80, 24, 4, true);
    const std::string titulo = Aparar(FLivro.Config.Titulo);
    if (!titulo.empty())
        TextoCentradoQueCabe(ACanvas, 150, titulo, 34, 16, 2, true);
    TextoCentradoAjustado(
        ACanvas, 202, Plural(static_cast<std::int64_t>(FLivro.Puzzles.size()), "puzzle", "puzzles"),
        16, 16, 1, false);
    std::string tamanho = TextoDoTamanho(FLivro.Config.Lado);
    if (FLivro.Config.Nivel)
        tamanho += " \u00B7 n\u00EDvel " + TextoDoNivel(*FLivro.Config.Nivel);
    TextoCentradoAjustado(ACanvas, 212, tamanho, 16, 16, 1, false);
}

void TCompositorLivro::DesenharVerso(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    DesenharRegras(ACanvas, LinhasDasRegras(FTemAcentos), MARGEM_TOPO_MM);
    ACanvas.Texto(MARGEM_ESQUERDA_MM, 205, TEXTO_MARCA, 14, true, CINZA_PRETO,
                  TAlinhamento::alEsquerda);
    ACanvas.Texto(MARGEM_ESQUERDA_MM, 216, TEXTO_AVISO, TAMANHO_LEGAL_PT, false, CINZA_PRETO,
                  TAlinhamento::alEsquerda);
    double y = 225;
    for (const std::string& linha :
         QuebrarTexto(ACanvas, TEXTO_LICENCA, LARGURA_UTIL_MM, TAMANHO_LEGAL_PT, false)) {
        ACanvas.Texto(MARGEM_ESQUERDA_MM, y, linha, TAMANHO_LEGAL_PT, false, CINZA_PRETO,
                      TAlinhamento::alEsquerda);
        y += ALTURA_LINHA_LICENCA_MM;
    }
    ACanvas.Imagem(MARGEM_ESQUERDA_MM, y + 4, LARGURA_SELO_MM, ALTURA_SELO_MM, NOME_SELO);
    DesenharRodape(ACanvas, APagina.Numero);
}

void TCompositorLivro::DesenharSeparador(ICanvasPagina& ACanvas, const TDescPagina& APagina) const {
    const double h = ACanvas.AlturaTexto(TAMANHO_SEPARADOR_PT);
    ACanvas.Texto(CENTRO_X_MM, CENTRO_Y_MM - h / 2 - 4,
                  APagina.Primeiro == 0 ? TITULO_PUZZLES : TITULO_SOLUCOES, TAMANHO_SEPARADOR_PT,
                  true, CINZA_PRETO, TAlinhamento::alCentro);
    ACanvas.Rectangulo(90, 162.5, 30, 0.28, 0, CINZA_NENHUM, CINZA_PRETO);
}

void TCompositorLivro::DesenharSimbolo(ICanvasPagina& ACanvas) const {
    const double lado = LADO_EMBLEMA * CELULA_EMBLEMA_MM;
    DesenharGrelhaResolvida(ACanvas, LADO_EMBLEMA, LETRAS_EMBLEMA, (LARGURA_PAGINA_MM - lado) / 2,
                            (ALTURA_PAGINA_MM - lado) / 2, CELULA_EMBLEMA_MM);
}

} // namespace palvorin
