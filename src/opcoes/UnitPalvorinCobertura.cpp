#include "UnitPalvorinCobertura.hpp"

#include "UnitPalvorinRecursos.hpp"
#include "UnitPalvorinTipos.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace palvorin {

namespace {

using TCaracteres = std::vector<char32_t>; // sorted

struct TFecharBiblioteca {
    void operator()(FT_Library ABiblioteca) const { FT_Done_FreeType(ABiblioteca); }
};
struct TFecharFace {
    void operator()(FT_Face AFace) const { FT_Done_Face(AFace); }
};
using TBiblioteca = std::unique_ptr<FT_LibraryRec_, TFecharBiblioteca>;
using TFace = std::unique_ptr<FT_FaceRec_, TFecharFace>;

TCaracteres CaracteresDaFonte(FT_Library ABiblioteca, std::string_view ARecurso) {
    const auto bytes = ProcurarRecurso(ARecurso);
    if (!bytes)
        throw EInterno("FontesDoLivroDesenham: o recurso " + std::string(ARecurso) +
                       " não existe no executável");
    FT_Face aberta = nullptr;
    if (FT_New_Memory_Face(ABiblioteca, bytes->data(), static_cast<FT_Long>(bytes->size()), 0,
                           &aberta) != 0)
        throw EInterno("FontesDoLivroDesenham: tipo de letra inválido em " + std::string(ARecurso));
    const TFace face(aberta);
    TCaracteres caracteres;
    FT_UInt glifo = 0;
    for (FT_ULong c = FT_Get_First_Char(face.get(), &glifo); glifo != 0;
         c = FT_Get_Next_Char(face.get(), c, &glifo))
        caracteres.push_back(static_cast<char32_t>(c));
    std::sort(caracteres.begin(), caracteres.end());
    return caracteres;
}

// The characters of the regular and the bold face alike.
TCaracteres CaracteresDoLivro() {
    FT_Library aberta = nullptr;
    if (FT_Init_FreeType(&aberta) != 0)
        throw EInterno("FontesDoLivroDesenham: não foi possível iniciar o FreeType");
    const TBiblioteca biblioteca(aberta);
    const TCaracteres normal = CaracteresDaFonte(biblioteca.get(), recurso::FONTE_SANS_NORMAL);
    const TCaracteres negrito = CaracteresDaFonte(biblioteca.get(), recurso::FONTE_SANS_NEGRITO);
    TCaracteres ambas;
    std::set_intersection(normal.begin(), normal.end(), negrito.begin(), negrito.end(),
                          std::back_inserter(ambas));
    return ambas;
}

} // namespace

bool FontesDoLivroDesenham(char32_t ACaracter) {
    static const TCaracteres caracteres = CaracteresDoLivro();
    return std::binary_search(caracteres.begin(), caracteres.end(), ACaracter);
}

} // namespace palvorin
