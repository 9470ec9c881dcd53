#include "UnitPalvorinFontes.hpp"

#include "UnitPalvorinRecursos.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>
#include <string_view>

namespace palvorin {

namespace {

// A FreeType library, released when the last face made with it is gone.
class TBibliotecaFreeType {
public:
    TBibliotecaFreeType() {
        if (FT_Init_FreeType(&FBiblioteca) != 0)
            throw EInterno("TFontesLivro: não foi possível iniciar o FreeType");
    }
    ~TBibliotecaFreeType() { FT_Done_FreeType(FBiblioteca); }
    TBibliotecaFreeType(const TBibliotecaFreeType&) = delete;
    TBibliotecaFreeType& operator=(const TBibliotecaFreeType&) = delete;
    FT_Library Biblioteca() const { return FBiblioteca; }

private:
    FT_Library FBiblioteca = nullptr;
};

// Keeps the FreeType face and its library until Cairo drops the face.
struct TDonoFace {
    std::shared_ptr<TBibliotecaFreeType> Biblioteca;
    FT_Face Face;
};

const cairo_user_data_key_t CHAVE_DONO{};

void LibertarDono(void* ADono) {
    const std::unique_ptr<TDonoFace> dono(static_cast<TDonoFace*>(ADono));
    FT_Done_Face(dono->Face);
}

TFaceCairo AbrirFace(const std::shared_ptr<TBibliotecaFreeType>& ABiblioteca,
                     std::string_view ARecurso) {
    const auto bytes = ProcurarRecurso(ARecurso);
    if (!bytes)
        throw EInterno("TFontesLivro: o recurso " + std::string(ARecurso) +
                       " não existe no executável");
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(ABiblioteca->Biblioteca(), bytes->data(),
                           static_cast<FT_Long>(bytes->size()), 0, &face) != 0)
        throw EInterno("TFontesLivro: tipo de letra inválido em " + std::string(ARecurso));
    auto dono = std::make_unique<TDonoFace>(TDonoFace{ABiblioteca, face});
    // Unhinted outlines, so text measures the same at every size.
    TFaceCairo faceCairo(cairo_ft_font_face_create_for_ft_face(face, FT_LOAD_NO_HINTING));
    const cairo_status_t estado =
        cairo_font_face_set_user_data(faceCairo.get(), &CHAVE_DONO, dono.get(), LibertarDono);
    if (estado != CAIRO_STATUS_SUCCESS) {
        LibertarDono(dono.release());
        VerificarCairo(estado);
    }
    dono.release();
    return faceCairo;
}

} // namespace

TFontesLivro::TFontesLivro() {
    const auto biblioteca = std::make_shared<TBibliotecaFreeType>();
    FNormal = AbrirFace(biblioteca, recurso::FONTE_SANS_NORMAL);
    FNegrito = AbrirFace(biblioteca, recurso::FONTE_SANS_NEGRITO);
}

TFontesLivro::~TFontesLivro() = default;

cairo_font_face_t* TFontesLivro::Face(bool ANegrito) const {
    return ANegrito ? FNegrito.get() : FNormal.get();
}

} // namespace palvorin
