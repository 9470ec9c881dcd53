#include "UnitPalvorinInfoPdf.hpp"
#include "UnitPalvorinReceita.hpp"
#include "UnitPalvorinTexto.hpp"

#include <cstdlib>
#include <string_view>

using namespace palvorin;

namespace {

// A recipe read back is one the program could have written, and writes back the same.
void LerComoReceita(std::string_view ATexto) {
    std::optional<TReceitaLivro> receita;
    try {
        receita = LerReceita(ATexto);
    } catch (const EPalvorin&) {
        return;
    }
    if (!receita)
        return;
    if (receita->Versao.size() > 32 || receita->Lista.Ficheiro.size() > 4096 ||
        receita->Pedido.Titulo.size() > 1024 || receita->Lista.Sha256.size() != 64 ||
        receita->Lista.Embutida != receita->Lista.Ficheiro.empty())
        std::abort();
    for (const std::string* texto :
         {&receita->Versao, &receita->Lista.Ficheiro, &receita->Pedido.Titulo})
        if (texto->find('\0') != std::string::npos)
            std::abort();
    if (LerReceita(TextoDaReceita(*receita)) != receita)
        std::abort();
}

} // namespace

// The bytes as a PDF's document information, and as a recipe line on their own.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::span<const std::uint8_t> bytes(dados, tamanho);
    const auto info = LerInfoPdf(bytes);
    if (info.size() > 64)
        std::abort();
    for (const auto& [chave, valor] : info) {
        // Decoded to well-formed UTF-8, and bounded whatever the string's encoding.
        if (SanearUtf8(valor) != valor || valor.size() > 4 * 64 * 1024)
            std::abort();
        if (chave == "Keywords")
            LerComoReceita(valor);
    }
    LerComoReceita({reinterpret_cast<const char*>(dados), tamanho});
    return 0;
}
