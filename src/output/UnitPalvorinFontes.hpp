#pragma once

#include "UnitPalvorinCairo.hpp"

namespace palvorin {

// Liberation Sans Regular and Bold (metric-compatible with Arial), read from the
// program's resources with FreeType. Cairo may keep a face alive in its caches after
// this object is gone; each face then frees its FreeType data when Cairo lets go of it.
class TFontesLivro {
public:
    TFontesLivro();
    ~TFontesLivro();
    TFontesLivro(const TFontesLivro&) = delete;
    TFontesLivro& operator=(const TFontesLivro&) = delete;

    cairo_font_face_t* Face(bool ANegrito) const;

private:
    TFaceCairo FNormal;
    TFaceCairo FNegrito;
};

} // namespace palvorin
