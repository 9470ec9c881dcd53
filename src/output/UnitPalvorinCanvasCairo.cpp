#include "UnitPalvorinCanvasCairo.hpp"

#include "UnitPalvorinImagemPng.hpp"
#include "UnitPalvorinRecursos.hpp"
#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinTipos.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace palvorin {

namespace {

constexpr double MM_POR_POLEGADA = 25.4;

// std::nearbyint in the default rounding mode sends exact halves to the even neighbour.
std::int32_t ArredondarParaPar(double AValor) {
    return static_cast<std::int32_t>(std::nearbyint(AValor));
}

std::int32_t PtParaUnidades(double APt) {
    return ArredondarParaPar(APt * DPI_PAGINA / PONTOS_POR_POLEGADA);
}

double UnidadesParaMm(std::int32_t AUnidades) {
    return AUnidades / static_cast<double>(DPI_PAGINA) * MM_POR_POLEGADA;
}

std::int32_t Arredondar(double AValor) {
    return static_cast<std::int32_t>(std::lround(AValor));
}

} // namespace

TCanvasCairo::TCanvasCairo(cairo_surface_t* ASuperficie, double AUnidadesPorPolegada,
                           const TFontesLivro& AFontes)
    : FContexto(cairo_create(ASuperficie)), FFontes(AFontes) {
    VerificarCairo(cairo_status(FContexto.get()));
    cairo_t* cr = FContexto.get();
    cairo_scale(cr, AUnidadesPorPolegada / DPI_PAGINA, AUnidadesPorPolegada / DPI_PAGINA);
    // Butt caps and mitre joins: the board frames' lengthened strokes close corners squarely.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    // Measuring and drawing use the same unhinted advances.
    cairo_font_options_t* opcoes = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(opcoes, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(opcoes, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(cr, opcoes);
    cairo_font_options_destroy(opcoes);
}

std::int32_t TCanvasCairo::MmParaUnidades(double AMm) {
    return ArredondarParaPar(AMm / MM_POR_POLEGADA * DPI_PAGINA);
}

cairo_t* TCanvasCairo::Contexto() const {
    if (!FContexto)
        throw EInterno("TCanvasCairo: a página já foi encerrada");
    return FContexto.get();
}

void TCanvasCairo::Cinza(std::int32_t ACinza) const {
    const double nivel = (ACinza & 0xFF) / 255.0;
    cairo_set_source_rgb(Contexto(), nivel, nivel, nivel);
}

void TCanvasCairo::Fonte(double ATamanhoPt, bool ANegrito) const {
    cairo_t* cr = Contexto();
    cairo_set_font_face(cr, FFontes.Face(ANegrito));
    cairo_set_font_size(cr, std::abs(PtParaUnidades(ATamanhoPt)));
}

std::int32_t TCanvasCairo::Largura(const std::string& ATextoSaneado) const {
    cairo_text_extents_t medidas;
    cairo_text_extents(Contexto(), ATextoSaneado.c_str(), &medidas);
    return Arredondar(medidas.x_advance);
}

void TCanvasCairo::Linha(double X1, double Y1, double X2, double Y2, double AEspessuraPt,
                         std::int32_t ACinza) {
    cairo_t* cr = Contexto();
    if (ACinza == CINZA_NENHUM)
        return;
    cairo_move_to(cr, MmParaUnidades(X1), MmParaUnidades(Y1));
    cairo_line_to(cr, MmParaUnidades(X2), MmParaUnidades(Y2));
    Cinza(ACinza);
    // Anything thinner than one device unit is drawn one unit wide.
    cairo_set_line_width(cr, std::max(PtParaUnidades(AEspessuraPt), 1));
    cairo_stroke(cr);
}

void TCanvasCairo::Rectangulo(double X, double Y, double ALargura, double AAltura,
                              double AEspessuraPt, std::int32_t AContorno,
                              std::int32_t APreenchimento) {
    cairo_t* cr = Contexto();
    const std::int32_t x1 = MmParaUnidades(X);
    const std::int32_t y1 = MmParaUnidades(Y);
    const std::int32_t x2 = MmParaUnidades(X + ALargura);
    const std::int32_t y2 = MmParaUnidades(Y + AAltura);
    if (AContorno == CINZA_NENHUM) {
        if (APreenchimento == CINZA_NENHUM)
            return;
        cairo_rectangle(cr, x1, y1, x2 + 1 - x1, y2 + 1 - y1);
        Cinza(APreenchimento);
        cairo_fill(cr);
        return;
    }
    cairo_rectangle(cr, x1, y1, x2 - x1, y2 - y1);
    if (APreenchimento != CINZA_NENHUM) {
        Cinza(APreenchimento);
        cairo_fill_preserve(cr);
    }
    Cinza(AContorno);
    cairo_set_line_width(cr, std::max(PtParaUnidades(AEspessuraPt), 1));
    cairo_stroke(cr);
}

void TCanvasCairo::Texto(double X, double Y, const std::string& ATexto, double ATamanhoPt,
                         bool ANegrito, std::int32_t ACinza, TAlinhamento AAlinhamento) {
    cairo_t* cr = Contexto();
    Fonte(ATamanhoPt, ANegrito);
    const std::string texto = SanearUtf8(ATexto);
    std::int32_t x = MmParaUnidades(X);
    if (AAlinhamento == TAlinhamento::alCentro)
        x -= Largura(texto) / 2;
    else if (AAlinhamento == TAlinhamento::alDireita)
        x -= Largura(texto);
    cairo_font_extents_t fonte;
    cairo_font_extents(cr, &fonte);
    Cinza(ACinza);
    // Y is the top of the character cell: the baseline lies one rounded ascent below.
    cairo_move_to(cr, x, MmParaUnidades(Y) + Arredondar(fonte.ascent));
    cairo_show_text(cr, texto.c_str());
    cairo_new_path(cr);
}

double TCanvasCairo::LarguraTexto(const std::string& ATexto, double ATamanhoPt, bool ANegrito) {
    Fonte(ATamanhoPt, ANegrito);
    return UnidadesParaMm(Largura(SanearUtf8(ATexto)));
}

double TCanvasCairo::AlturaTexto(double ATamanhoPt) {
    Fonte(ATamanhoPt, false);
    cairo_font_extents_t fonte;
    cairo_font_extents(Contexto(), &fonte);
    return UnidadesParaMm(Arredondar(fonte.ascent) + Arredondar(fonte.descent));
}

void TCanvasCairo::Imagem(double X, double Y, double ALargura, double AAltura,
                          const std::string& ANome) {
    const auto png = ProcurarRecurso(ANome);
    if (!png)
        throw EInterno("Imagem: o recurso " + ANome + " não existe no executável");
    const TSuperficieCairo imagem = PngSobreBranco(*png);
    cairo_t* cr = Contexto();
    const std::int32_t x1 = MmParaUnidades(X);
    const std::int32_t y1 = MmParaUnidades(Y);
    const std::int32_t x2 = MmParaUnidades(X + ALargura);
    const std::int32_t y2 = MmParaUnidades(Y + AAltura);
    const int largura = cairo_image_surface_get_width(imagem.get());
    const int altura = cairo_image_surface_get_height(imagem.get());
    if (x2 <= x1 || y2 <= y1 || largura <= 0 || altura <= 0)
        return;
    cairo_save(cr);
    cairo_translate(cr, x1, y1);
    cairo_scale(cr, static_cast<double>(x2 - x1) / largura, static_cast<double>(y2 - y1) / altura);
    cairo_set_source_surface(cr, imagem.get(), 0, 0);
    cairo_pattern_t* padrao = cairo_get_source(cr);
    cairo_pattern_set_extend(padrao, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(padrao, CAIRO_FILTER_GOOD);
    cairo_rectangle(cr, 0, 0, largura, altura);
    cairo_fill(cr);
    cairo_restore(cr);
}

cairo_status_t TCanvasCairo::Encerrar() {
    if (!FContexto)
        return CAIRO_STATUS_SUCCESS;
    const cairo_status_t estado = cairo_status(FContexto.get());
    FContexto.reset();
    return estado;
}

} // namespace palvorin
