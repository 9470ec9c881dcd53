#include "UnitPalvorinLetras.hpp"

namespace palvorin {

// Upper-casing one character in, one character out, over Latin-1; other characters
// are refused by LetraAceite anyway and stay as they are.
char32_t Maiuscula(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    return c;
}

bool LetraAceite(char32_t ALetra) {
    if (ALetra >= U'A' && ALetra <= U'Z')
        return true;
    switch (ALetra) {
    case 0xC0:
    case 0xC1:
    case 0xC2:
    case 0xC3: // À Á Â Ã
    case 0xC7: // Ç
    case 0xC8:
    case 0xC9:
    case 0xCA: // È É Ê
    case 0xCD: // Í
    case 0xD3:
    case 0xD4:
    case 0xD5: // Ó Ô Õ
    case 0xDA:
    case 0xDC: // Ú Ü
        return true;
    default:
        return false;
    }
}

char32_t SemAcento(char32_t c) {
    switch (c) {
    case 0xC0:
    case 0xC1:
    case 0xC2:
    case 0xC3:
        return U'A';
    case 0xC7:
        return U'C';
    case 0xC8:
    case 0xC9:
    case 0xCA:
        return U'E';
    case 0xCD:
        return U'I';
    case 0xD3:
    case 0xD4:
    case 0xD5:
        return U'O';
    case 0xDA:
    case 0xDC:
        return U'U';
    default:
        return c;
    }
}

} // namespace palvorin
