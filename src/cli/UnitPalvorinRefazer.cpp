#include "UnitPalvorinRefazer.hpp"

#include "UnitPalvorinInfoPdf.hpp"
#include "UnitPalvorinOpcoes.hpp"

namespace palvorin {

TReceitaLivro ReceitaDoLivro(const std::filesystem::path& ALivro) {
    const std::string nome = "«" + ALivro.string() + "»";
    const auto info = LerInfoDoFicheiroPdf(ALivro);
    const auto palavrasChave = info.find("Keywords");
    std::optional<TReceitaLivro> receita;
    if (palavrasChave != info.end())
        receita = LerReceita(palavrasChave->second);
    if (!receita)
        throw EPalvorin("O ficheiro " + nome + " não traz a receita de um livro do Palvorin.");
    if (receita->Gerador != REVISAO_GERADOR)
        throw EPalvorin("O livro " + nome + " foi feito pelo Palvorin " + receita->Versao +
                        ", cujo gerador dá outros puzzles: o Palvorin " + VERSAO_PALVORIN +
                        " não o pode refazer.");
    if (!AnalisarOpcoes(receita->Config).PodeGerar)
        throw EPalvorin("A receita do livro " + nome + " está danificada.");
    return *receita;
}

void VerificarLista(const TReceitaLivro& AReceita, const TListaUsada& ALista) {
    if (ALista.Sha256 == AReceita.Lista.Sha256)
        return;
    const std::string lista =
        ALista.Embutida ? "A lista de palavras do programa" : "A lista «" + ALista.Ficheiro + "»";
    throw EPalvorin(lista + " não é a que fez o livro (SHA-256 " + ALista.Sha256 + " em vez de " +
                    AReceita.Lista.Sha256 + "): o livro não pode ser refeito.");
}

} // namespace palvorin
