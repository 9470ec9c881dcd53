#include "UnitPalvorinFontes.hpp"

#include "UnitPalvorinRecursos.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H

#include <memory>
#include <string>

namespace palvorin {

namespace {

const char* const RECURSO_NORMAL = "FONTE_SANS_NORMAL";
const char* const RECURSO_NEGRITO = "FONTE_SANS_NEGRITO";

// Keeps the FreeType face and a reference to its library until Cairo drops the face.
struct TDonoFace {
    FT_Library Biblioteca;
    FT_Face Face;
};

const cairo_user_data_key_t CHAVE_DONO{};

void LibertarDono(void* ADono) {
    const std::unique_ptr<TDonoFace> dono(static_cast<TDonoFace*>(ADono));
    FT_Done_Face(dono->Face);
    FT_Done_Library(dono->Biblioteca);
}

// A library handle that is released when it goes out of scope; the faces hold their own
// references to it.
class TBibliotecaFreeType {
public:
    TBibliotecaFreeType() {
        if (FT_Init_FreeType(&FBiblioteca) != 0)
            throw EPalvorin("TFontesLivro: não foi possível iniciar o FreeType");
    }
    ~TBibliotecaFreeType() { FT_Done_Library(FBiblioteca); }
    TBibliotecaFreeType(const TBibliotecaFreeType&) = delete;
    TBibliotecaFreeType& operator=(const TBibliotecaFreeType&) = delete;
    FT_Library Biblioteca() const { return FBiblioteca; }

private:
    FT_Library FBiblioteca = nullptr;
};

TFaceCairo AbrirFace(FT_Library ABiblioteca, const char* ARecurso) {
    const auto bytes = ProcurarRecurso(ARecurso);
    if (!bytes)
        throw EPalvorin(std::string("TFontesLivro: o recurso ") + ARecurso +
                        " não existe no executável");
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(ABiblioteca, bytes->data(), static_cast<FT_Long>(bytes->size()), 0,
                           &face) != 0)
        throw EPalvorin(std::string("TFontesLivro: tipo de letra inválido em ") + ARecurso);
    FT_Reference_Library(ABiblioteca);
    auto dono = std::make_unique<TDonoFace>(TDonoFace{ABiblioteca, face});
    // Unhinted outlines, so text measures the same at every size.
    TFaceCairo faceCairo(cairo_ft_font_face_create_for_ft_face(face, FT_LOAD_NO_HINTING));
    const cairo_status_t estado =
        cairo_font_face_set_user_data(faceCairo.get(), &CHAVE_DONO, dono.get(), LibertarDono);
    if (estado != CAIRO_STATUS_SUCCESS) {
        LibertarDono(dono.release());
        VerificarCairo(estado, "TFontesLivro");
    }
    dono.release();
    return faceCairo;
}

} // namespace

TFontesLivro::TFontesLivro() {
    const TBibliotecaFreeType biblioteca;
    FNormal = AbrirFace(biblioteca.Biblioteca(), RECURSO_NORMAL);
    FNegrito = AbrirFace(biblioteca.Biblioteca(), RECURSO_NEGRITO);
}

TFontesLivro::~TFontesLivro() = default;

cairo_font_face_t* TFontesLivro::Face(bool ANegrito) const {
    return ANegrito ? FNegrito.get() : FNormal.get();
}

} // namespace palvorin
