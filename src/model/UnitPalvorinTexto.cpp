#include "UnitPalvorinTexto.hpp"

namespace palvorin {

void AcrescentarUtf8(std::string& ADestino, char32_t ACodigo) {
    if (ACodigo > 0x10FFFF || (ACodigo >= 0xD800 && ACodigo <= 0xDFFF))
        ACodigo = CARACTER_SUBSTITUTO;
    if (ACodigo < 0x80) {
        ADestino += static_cast<char>(ACodigo);
    } else if (ACodigo < 0x800) {
        ADestino += static_cast<char>(0xC0 | (ACodigo >> 6));
        ADestino += static_cast<char>(0x80 | (ACodigo & 0x3F));
    } else if (ACodigo < 0x10000) {
        ADestino += static_cast<char>(0xE0 | (ACodigo >> 12));
        ADestino += static_cast<char>(0x80 | ((ACodigo >> 6) & 0x3F));
        ADestino += static_cast<char>(0x80 | (ACodigo & 0x3F));
    } else {
        ADestino += static_cast<char>(0xF0 | (ACodigo >> 18));
        ADestino += static_cast<char>(0x80 | ((ACodigo >> 12) & 0x3F));
        ADestino += static_cast<char>(0x80 | ((ACodigo >> 6) & 0x3F));
        ADestino += static_cast<char>(0x80 | (ACodigo & 0x3F));
    }
}

std::string Utf8DePontos(std::u32string_view APontos) {
    std::string r;
    r.reserve(APontos.size());
    for (const char32_t c : APontos)
        AcrescentarUtf8(r, c);
    return r;
}

std::u32string PontosDeCodigo(std::string_view AUtf8) {
    std::u32string r;
    r.reserve(AUtf8.size());
    std::size_t i = 0;
    const std::size_t n = AUtf8.size();
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(AUtf8[i]);
        std::size_t extra;
        char32_t c;
        char32_t minimo;
        if (b0 < 0x80) {
            r += b0;
            ++i;
            continue;
        } else if (b0 >= 0xC2 && b0 <= 0xDF) {
            extra = 1, c = b0 & 0x1F, minimo = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            extra = 2, c = b0 & 0x0F, minimo = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            extra = 3, c = b0 & 0x07, minimo = 0x10000;
        } else {
            r += CARACTER_SUBSTITUTO;
            ++i;
            continue;
        }
        std::size_t k = 1;
        for (; k <= extra && i + k < n; ++k) {
            const auto b = static_cast<unsigned char>(AUtf8[i + k]);
            if ((b & 0xC0) != 0x80)
                break;
            c = (c << 6) | (b & 0x3F);
        }
        if (k <= extra || c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            // Malformed: replace the lead and the continuation bytes it consumed.
            r += CARACTER_SUBSTITUTO;
            i += k;
            continue;
        }
        r += c;
        i += k;
    }
    return r;
}

std::size_t ContarCaracteres(std::string_view AUtf8) {
    std::size_t n = 0;
    for (const char c : AUtf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

std::size_t ContarUnidadesUtf16(std::string_view AUtf8) {
    std::size_t n = 0;
    for (const char32_t c : PontosDeCodigo(AUtf8))
        n += c >= 0x10000 ? 2 : 1;
    return n;
}

} // namespace palvorin
