#include "UnitPalvorinTexto.hpp"

#include <charconv>

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

char32_t LerPontoUtf8(std::string_view AUtf8, std::size_t& APos) {
    const std::size_t n = AUtf8.size();
    const auto b0 = static_cast<unsigned char>(AUtf8[APos]);
    std::size_t extra;
    char32_t c;
    char32_t minimo;
    if (b0 < 0x80) {
        ++APos;
        return b0;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1, c = b0 & 0x1F, minimo = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2, c = b0 & 0x0F, minimo = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3, c = b0 & 0x07, minimo = 0x10000;
    } else {
        ++APos;
        return CARACTER_SUBSTITUTO;
    }
    std::size_t k = 1;
    for (; k <= extra && APos + k < n; ++k) {
        const auto b = static_cast<unsigned char>(AUtf8[APos + k]);
        if ((b & 0xC0) != 0x80)
            break;
        c = (c << 6) | (b & 0x3F);
    }
    // A malformed sequence is replaced as a whole: the lead and the continuation
    // bytes it consumed.
    APos += k;
    if (k <= extra || c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return CARACTER_SUBSTITUTO;
    return c;
}

std::u32string PontosDeCodigo(std::string_view AUtf8) {
    std::u32string r;
    r.reserve(AUtf8.size());
    for (std::size_t i = 0; i < AUtf8.size();)
        r += LerPontoUtf8(AUtf8, i);
    return r;
}

std::string SanearUtf8(std::string_view AUtf8) {
    std::string r;
    r.reserve(AUtf8.size());
    for (std::size_t i = 0; i < AUtf8.size();) {
        const std::size_t inicio = i;
        while (i < AUtf8.size() && static_cast<unsigned char>(AUtf8[i]) < 0x80)
            ++i;
        if (i > inicio) {
            r.append(AUtf8.substr(inicio, i - inicio));
            continue;
        }
        const char32_t c = LerPontoUtf8(AUtf8, i);
        if (c == CARACTER_SUBSTITUTO)
            AcrescentarUtf8(r, c);
        else
            r.append(AUtf8.substr(inicio, i - inicio));
    }
    return r;
}

namespace {
bool EhBrancoOuControlo(char32_t c) {
    return c == U' ' || EhControlo(c);
}
} // namespace

bool EhControlo(char32_t c) {
    return c < U' ' || (c >= 0x7F && c <= 0x9F);
}

std::string Aparar(std::string_view AUtf8) {
    const std::u32string pontos = PontosDeCodigo(AUtf8);
    std::size_t inicio = 0;
    std::size_t fim = pontos.size();
    while (inicio < fim && EhBrancoOuControlo(pontos[inicio]))
        ++inicio;
    while (fim > inicio && EhBrancoOuControlo(pontos[fim - 1]))
        --fim;
    return Utf8DePontos(std::u32string_view(pontos).substr(inicio, fim - inicio));
}

std::string Utf8DeUtf16(std::span<const std::uint8_t> ABytes, bool AGrandeFim) {
    std::string r;
    r.reserve(ABytes.size());
    const std::size_t pares = ABytes.size() / 2;
    auto unidade = [&](std::size_t k) -> char32_t {
        const std::uint8_t a = ABytes[2 * k], b = ABytes[2 * k + 1];
        return AGrandeFim ? (char32_t(a) << 8 | b) : (char32_t(b) << 8 | a);
    };
    for (std::size_t k = 0; k < pares; ++k) {
        const char32_t u = unidade(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < pares) {
            const char32_t v = unidade(k + 1);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                AcrescentarUtf8(r, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                ++k;
                continue;
            }
        }
        // A lone surrogate becomes U+FFFD (AcrescentarUtf8 refuses surrogates).
        AcrescentarUtf8(r, u);
    }
    if (ABytes.size() % 2 != 0)
        AcrescentarUtf8(r, CARACTER_SUBSTITUTO);
    return r;
}

std::size_t ContarUnidadesUtf16(std::string_view AUtf8) {
    std::size_t n = 0;
    for (const char32_t c : PontosDeCodigo(AUtf8))
        n += c >= 0x10000 ? 2 : 1;
    return n;
}

int ValorHexadecimal(char ADigito) {
    if (ADigito >= '0' && ADigito <= '9')
        return ADigito - '0';
    if (ADigito >= 'A' && ADigito <= 'F')
        return ADigito - 'A' + 10;
    if (ADigito >= 'a' && ADigito <= 'f')
        return ADigito - 'a' + 10;
    return -1;
}

std::string Plural(std::int64_t AContagem, std::string_view ASingular, std::string_view APlural) {
    return std::to_string(AContagem) + " " + std::string(AContagem == 1 ? ASingular : APlural);
}

namespace {

template <typename TInteiro> std::optional<TInteiro> NumeroDeTexto(std::string_view ATexto) {
    const std::string texto = Aparar(ATexto);
    std::string_view digitos = texto;
    // from_chars takes a leading "-" but not a "+".
    const bool mais = !digitos.empty() && digitos.front() == '+';
    if (mais)
        digitos.remove_prefix(1);
    if (digitos.empty() || (mais && digitos.front() == '-'))
        return std::nullopt;
    TInteiro valor = 0;
    const auto [fim, erro] =
        std::from_chars(digitos.data(), digitos.data() + digitos.size(), valor);
    if (erro != std::errc() || fim != digitos.data() + digitos.size())
        return std::nullopt;
    return valor;
}

} // namespace

std::optional<std::int32_t> InteiroDeTexto(std::string_view ATexto) {
    return NumeroDeTexto<std::int32_t>(ATexto);
}

std::optional<std::uint32_t> NaturalDeTexto(std::string_view ATexto) {
    return NumeroDeTexto<std::uint32_t>(ATexto);
}

} // namespace palvorin
