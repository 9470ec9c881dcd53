#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinTexto.hpp"

#include <bit>
#include <cstdlib>

using namespace palvorin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string texto = TextoDeBytes({dados, tamanho});
    // Whatever comes in, the text inside the program is well-formed UTF-8.
    if (Utf8DePontos(PontosDeCodigo(texto)) != texto)
        std::abort();
    TRelatorioDic rel;
    const auto d = CriarDicionario(DividirLinhas(texto), rel);
    if (rel.Lidas != rel.Aceites + rel.Repetidas + rel.Rejeitadas || rel.Aceites != d->Total())
        std::abort();
    for (std::int32_t i = 1; i < d->Total(); ++i)
        if (!(d->Palavra(i - 1).Grelha < d->Palavra(i).Grelha))
            std::abort();
    // Every word of a length has exactly one first letter.
    for (std::int32_t l = 2; l <= 15; ++l) {
        std::int32_t n = 0;
        for (char c = 'A'; c <= 'Z'; ++c)
            for (const std::uint64_t bloco : d->MascaraDaLetra(l, 0, c))
                n += std::popcount(bloco);
        if (n != d->ContarComprimento(l))
            std::abort();
    }
    return 0;
}
