#include "UnitPalvorinDecodificacao.hpp"

#include "UnitPalvorinTexto.hpp"

namespace palvorin {

namespace {

// Windows-1252 bytes 80..9F; the rest of the code page is Latin-1.
constexpr char32_t CP1252_ALTOS[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

std::string DeCp1252(std::span<const std::uint8_t> ABytes) {
    std::string r;
    r.reserve(ABytes.size() + ABytes.size() / 8);
    for (const std::uint8_t b : ABytes)
        AcrescentarUtf8(r, b >= 0x80 && b < 0xA0 ? CP1252_ALTOS[b - 0x80] : char32_t(b));
    return r;
}

} // namespace

bool Utf8Valido(std::span<const std::uint8_t> ABytes, std::size_t AInicio) {
    std::size_t i = AInicio;
    const std::size_t n = ABytes.size();
    while (i < n) {
        const std::uint8_t b = ABytes[i];
        std::size_t seguintes;
        if (b < 0x80)
            seguintes = 0;
        else if (b >= 0xC2 && b <= 0xDF)
            seguintes = 1;
        else if (b >= 0xE0 && b <= 0xEF)
            seguintes = 2;
        else if (b >= 0xF0 && b <= 0xF4)
            seguintes = 3;
        else
            return false;
        if (seguintes > n - i - 1)
            return false;
        for (std::size_t k = 1; k <= seguintes; ++k)
            if ((ABytes[i + k] & 0xC0) != 0x80)
                return false;
        i += seguintes + 1;
    }
    return true;
}

std::string TextoDeBytes(std::span<const std::uint8_t> ABytes) {
    if (ABytes.empty())
        return {};
    if (ABytes.size() >= 2 && ABytes[0] == 0xFF && ABytes[1] == 0xFE)
        return Utf8DeUtf16(ABytes.subspan(2), false);
    if (ABytes.size() >= 2 && ABytes[0] == 0xFE && ABytes[1] == 0xFF)
        return Utf8DeUtf16(ABytes.subspan(2), true);
    const std::size_t inicio =
        ABytes.size() >= 3 && ABytes[0] == 0xEF && ABytes[1] == 0xBB && ABytes[2] == 0xBF ? 3 : 0;
    const auto resto = ABytes.subspan(inicio);
    if (!Utf8Valido(ABytes, inicio))
        return DeCp1252(resto);
    // Well-formed by the lead/continuation rule; overlong forms and encoded
    // surrogates still become U+FFFD so nothing invalid enters the program.
    const std::string_view bruto(reinterpret_cast<const char*>(resto.data()), resto.size());
    return SanearUtf8(bruto);
}

std::vector<std::string> DividirLinhas(std::string_view ATexto) {
    std::vector<std::string> linhas;
    std::size_t ini = 0;
    for (std::size_t i = 0; i < ATexto.size(); ++i) {
        if (ATexto[i] != '\r' && ATexto[i] != '\n')
            continue;
        linhas.emplace_back(ATexto.substr(ini, i - ini));
        if (ATexto[i] == '\r' && i + 1 < ATexto.size() && ATexto[i + 1] == '\n')
            ++i;
        ini = i + 1;
    }
    if (ini < ATexto.size())
        linhas.emplace_back(ATexto.substr(ini));
    return linhas;
}

} // namespace palvorin
