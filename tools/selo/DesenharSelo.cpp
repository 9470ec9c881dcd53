// Draws the CC BY-NC-ND 4.0 licence badge as a 1280 x 450 PNG:
//   desenhar_selo resources/SeloCcByNcNd.png
// The drawing is laid out on the classic 88 x 31 badge grid and scaled up.
#include <cairo.h>
#include <cmath>
#include <cstdio>

namespace {

constexpr int LARGURA_PX = 1280;
constexpr int ALTURA_PX = 450;
constexpr double LARGURA_GRELHA = 88;
constexpr double ALTURA_GRELHA = 31;

void Cinzento(cairo_t* cr) {
    cairo_set_source_rgb(cr, 0xAB / 255.0, 0xB1 / 255.0, 0xAA / 255.0);
}
void Preto(cairo_t* cr) {
    cairo_set_source_rgb(cr, 0, 0, 0);
}
void Branco(cairo_t* cr) {
    cairo_set_source_rgb(cr, 1, 1, 1);
}

void Circulo(cairo_t* cr, double x, double y, double raio, double traco) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, raio, 0, 2 * M_PI);
    Branco(cr);
    cairo_fill_preserve(cr);
    Preto(cr);
    cairo_set_line_width(cr, traco);
    cairo_stroke(cr);
}

void TextoCentrado(cairo_t* cr, double x, double yBase, const char* texto, double tamanho) {
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, tamanho);
    cairo_text_extents_t e;
    cairo_text_extents(cr, texto, &e);
    cairo_move_to(cr, x - e.x_advance / 2, yBase);
    cairo_show_text(cr, texto);
}

// The Creative Commons emblem: "cc" in a ringed white disc.
void EmblemaCc(cairo_t* cr) {
    Circulo(cr, 15.5, 15.5, 13.2, 2.2);
    Preto(cr);
    TextoCentrado(cr, 15.5, 20.2, "cc", 14.5);
}

// Attribution: a figure with head and body.
void IconeBy(cairo_t* cr, double x, double y) {
    Circulo(cr, x, y, 7.2, 1.0);
    Preto(cr);
    cairo_arc(cr, x, y - 3.6, 1.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_rectangle(cr, x - 2.3, y - 1.6, 4.6, 4.2);
    cairo_fill(cr);
    cairo_rectangle(cr, x - 1.5, y + 2.6, 3.0, 2.6);
    cairo_fill(cr);
}

// Non-commercial: a dollar sign struck through.
void IconeNc(cairo_t* cr, double x, double y) {
    Circulo(cr, x, y, 7.2, 1.0);
    Preto(cr);
    TextoCentrado(cr, x, y + 3.6, "$", 10.5);
    cairo_set_line_width(cr, 1.1);
    cairo_move_to(cr, x - 5.1, y - 5.1);
    cairo_line_to(cr, x + 5.1, y + 5.1);
    cairo_stroke(cr);
}

// No derivatives: an equals sign.
void IconeNd(cairo_t* cr, double x, double y) {
    Circulo(cr, x, y, 7.2, 1.0);
    Preto(cr);
    cairo_rectangle(cr, x - 3.6, y - 2.4, 7.2, 1.6);
    cairo_rectangle(cr, x - 3.6, y + 0.8, 7.2, 1.6);
    cairo_fill(cr);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: desenhar_selo FICHEIRO.png\n");
        return 2;
    }
    cairo_surface_t* imagem =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, LARGURA_PX, ALTURA_PX);
    cairo_t* cr = cairo_create(imagem);
    cairo_scale(cr, LARGURA_PX / LARGURA_GRELHA, ALTURA_PX / ALTURA_GRELHA);

    // Grey plate with a black rim.
    cairo_rectangle(cr, 0.5, 0.5, LARGURA_GRELHA - 1, ALTURA_GRELHA - 1);
    Cinzento(cr);
    cairo_fill_preserve(cr);
    Preto(cr);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    // Black band with the licence's elements.
    cairo_rectangle(cr, 27, 21, 60, 9);
    cairo_fill(cr);
    Branco(cr);
    TextoCentrado(cr, 57, 28.4, "BY  NC  ND", 7.2);

    IconeBy(cr, 40.5, 11.5);
    IconeNc(cr, 58.0, 11.5);
    IconeNd(cr, 75.5, 11.5);
    EmblemaCc(cr);

    cairo_destroy(cr);
    const cairo_status_t estado = cairo_surface_write_to_png(imagem, argv[1]);
    cairo_surface_destroy(imagem);
    if (estado != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "desenhar_selo: %s: %s\n", argv[1], cairo_status_to_string(estado));
        return 1;
    }
    return 0;
}
