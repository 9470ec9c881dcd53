#include "UnitPalvorinDispositivo.hpp"

#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cmath>
#include <cstdlib>

namespace palvorin {

namespace {

constexpr double PONTOS_POR_POLEGADA = 72;

} // namespace

TContextoDispositivo::TContextoDispositivo(cairo_surface_t* ASuperficie, std::int32_t ADpi,
                                           const TFontesLivro& AFontes)
    : FContexto(cairo_create(ASuperficie)), FFontes(AFontes) {
    VerificarCairo(cairo_status(FContexto.get()));
    cairo_t* cr = FContexto.get();
    cairo_scale(cr, PONTOS_POR_POLEGADA / ADpi, PONTOS_POR_POLEGADA / ADpi);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    // Measuring and drawing use the same unhinted advances.
    cairo_font_options_t* opcoes = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(opcoes, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(opcoes, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(cr, opcoes);
    cairo_font_options_destroy(opcoes);
}

cairo_t* TContextoDispositivo::Contexto() const {
    if (!FContexto)
        throw EPalvorin("TContextoDispositivo: a página já foi encerrada");
    return FContexto.get();
}

void TContextoDispositivo::AplicarCor(TCor ACor) const {
    cairo_set_source_rgb(Contexto(), ((ACor >> 16) & 0xFF) / 255.0, ((ACor >> 8) & 0xFF) / 255.0,
                         (ACor & 0xFF) / 255.0);
}

void TContextoDispositivo::DefinirCaneta(bool ANula, TCor ACor, std::int32_t ALargura) {
    FCanetaNula = ANula;
    FCorCaneta = ACor;
    FLarguraCaneta = ALargura;
}

void TContextoDispositivo::DefinirPincel(bool AOco, TCor ACor) {
    FPincelOco = AOco;
    FCorPincel = ACor;
}

void TContextoDispositivo::DefinirFonte(std::int32_t AAltura, bool ANegrito, TCor ACor) {
    FAlturaFonte = AAltura;
    FFonteNegrito = ANegrito;
    FCorFonte = ACor;
}

void TContextoDispositivo::DefinirModoEsticar(TModoEsticar AModo) {
    FModoEsticar = AModo;
}

void TContextoDispositivo::MoverPara(std::int32_t X, std::int32_t Y) {
    Contexto();
    FPosicao = {X, Y};
}

void TContextoDispositivo::LinhaPara(std::int32_t X, std::int32_t Y) {
    cairo_t* cr = Contexto();
    cairo_move_to(cr, FPosicao.X, FPosicao.Y);
    cairo_line_to(cr, X, Y);
    PintarCaminho();
    FPosicao = {X, Y};
}

// Fills the current path with the brush, strokes it with the pen, and clears it.
void TContextoDispositivo::PintarCaminho() {
    cairo_t* cr = Contexto();
    if (!FPincelOco) {
        AplicarCor(FCorPincel);
        cairo_fill_preserve(cr);
    }
    if (!FCanetaNula && FLarguraCaneta > 0) {
        AplicarCor(FCorCaneta);
        cairo_set_line_width(cr, FLarguraCaneta);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
}

void TContextoDispositivo::Rectangulo(std::int32_t X1, std::int32_t Y1, std::int32_t X2,
                                      std::int32_t Y2) {
    cairo_rectangle(Contexto(), X1, Y1, X2 - X1, Y2 - Y1);
    PintarCaminho();
}

void TContextoDispositivo::PreencherRectangulo(std::int32_t X1, std::int32_t Y1, std::int32_t X2,
                                               std::int32_t Y2, TCor ACor) {
    cairo_t* cr = Contexto();
    cairo_rectangle(cr, X1, Y1, X2 - X1, Y2 - Y1);
    AplicarCor(ACor);
    cairo_fill(cr);
}

void TContextoDispositivo::Poligono(const std::vector<TPontoDispositivo>& APontos) {
    cairo_t* cr = Contexto();
    if (APontos.empty())
        return;
    cairo_move_to(cr, APontos.front().X, APontos.front().Y);
    for (const TPontoDispositivo& p : APontos)
        cairo_line_to(cr, p.X, p.Y);
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    PintarCaminho();
}

void TContextoDispositivo::UsarFonte() {
    cairo_t* cr = Contexto();
    cairo_set_font_face(cr, FFontes.Face(FFonteNegrito));
    cairo_set_font_size(cr, std::abs(FAlturaFonte));
}

std::int32_t TContextoDispositivo::Ascendente() {
    cairo_font_extents_t medidas;
    cairo_font_extents(Contexto(), &medidas);
    return static_cast<std::int32_t>(std::lround(medidas.ascent));
}

void TContextoDispositivo::EscreverTexto(std::int32_t X, std::int32_t Y,
                                         const std::string& ATexto) {
    UsarFonte();
    cairo_t* cr = Contexto();
    AplicarCor(FCorFonte);
    cairo_move_to(cr, X, Y + Ascendente());
    // Cairo refuses malformed UTF-8 and then stops drawing altogether; show U+FFFD instead.
    cairo_show_text(cr, SanearUtf8(ATexto).c_str());
    cairo_new_path(cr);
}

TTamanhoDispositivo TContextoDispositivo::TamanhoTexto(const std::string& ATexto) {
    UsarFonte();
    cairo_t* cr = Contexto();
    cairo_font_extents_t fonte;
    cairo_font_extents(cr, &fonte);
    cairo_text_extents_t texto;
    cairo_text_extents(cr, SanearUtf8(ATexto).c_str(), &texto);
    return {static_cast<std::int32_t>(std::lround(texto.x_advance)),
            static_cast<std::int32_t>(std::lround(fonte.ascent) + std::lround(fonte.descent))};
}

void TContextoDispositivo::EsticarImagem(std::int32_t X1, std::int32_t Y1, std::int32_t X2,
                                         std::int32_t Y2, cairo_surface_t* AImagem) {
    cairo_t* cr = Contexto();
    const int largura = cairo_image_surface_get_width(AImagem);
    const int altura = cairo_image_surface_get_height(AImagem);
    if (X2 <= X1 || Y2 <= Y1 || largura <= 0 || altura <= 0)
        return;
    cairo_save(cr);
    cairo_translate(cr, X1, Y1);
    cairo_scale(cr, static_cast<double>(X2 - X1) / largura, static_cast<double>(Y2 - Y1) / altura);
    cairo_set_source_surface(cr, AImagem, 0, 0);
    cairo_pattern_t* padrao = cairo_get_source(cr);
    cairo_pattern_set_extend(padrao, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(padrao, FModoEsticar == TModoEsticar::meSuave ? CAIRO_FILTER_GOOD
                                                                           : CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr, 0, 0, largura, altura);
    cairo_fill(cr);
    cairo_restore(cr);
}

cairo_status_t TContextoDispositivo::Encerrar() {
    if (!FContexto)
        return CAIRO_STATUS_SUCCESS;
    const cairo_status_t estado = cairo_status(FContexto.get());
    FContexto.reset();
    return estado;
}

} // namespace palvorin
