#include "UnitPalvorinTemaDoLivro.hpp"

#include "UnitPalvorinRefazer.hpp"
#include "UnitPalvorinTema.hpp"
#include "UnitPalvorinTexto.hpp"

#include <algorithm>

namespace palvorin {

namespace {

std::string Identidade(const std::optional<TTema>& ATema) {
    if (!ATema)
        return "sem tema";
    if (ATema->Embutido)
        return "com o tema «" + ATema->Nome + "»";
    return "com o tema do ficheiro «" + ATema->Ficheiro + "» (SHA-256 " + ATema->Sha256 + ")";
}

EPalvorin OutroTema(const std::optional<TTema>& ADoLivro, const std::optional<TTema>& ADado) {
    return EPalvorin("O livro foi feito " + Identidade(ADoLivro) + ", não " + Identidade(ADado) +
                     ": o livro não pode ser refeito.");
}

// The same theme: a built-in one by name, a file by its bytes wherever it now is.
bool MesmoTema(const TTema& A, const TTema& B) {
    if (A.Embutido != B.Embutido)
        return false;
    return A.Embutido ? A.Nome == B.Nome : A.Sha256 == B.Sha256;
}

// The theme as this program has it, if its words are the ones the book was made with (a book
// from before the recipe kept them is taken on its name).
TTema TemaEmbutidoDoLivro(const TTema& ADoLivro) {
    auto tema = TemaEmbutido(ADoLivro.Nome);
    if (!tema)
        throw EPalvorin("O livro foi feito com o tema «" + ADoLivro.Nome +
                        "», que esta versão do programa não tem.");
    if (!ADoLivro.Sha256.empty() && ADoLivro.Sha256 != tema->Sha256)
        throw EPalvorin("O livro foi feito com outras palavras do tema «" + ADoLivro.Nome +
                        "» que as desta versão do programa: o livro não pode ser refeito.");
    return std::move(*tema);
}

// The words from the file found; the name and path the recipe recorded, so that the book made
// again prints and records the theme as the first did.
TTema TemaDeFicheiroDoLivro(const TTema& ADoLivro, const std::filesystem::path& ALivro,
                            TRelatorioDic& ARel) {
    const TFicheiroEncontrado encontrado = ProcurarFicheiroDoLivro(
        ADoLivro.Ficheiro, ADoLivro.Sha256, ALivro, "o tema", "indique-o com --tema");
    TTema tema = TemaDeBytes(encontrado.Bytes, encontrado.Caminho, ARel);
    tema.Nome = ADoLivro.Nome;
    tema.Ficheiro = ADoLivro.Ficheiro;
    return tema;
}

} // namespace

TTema TemaPedido(const std::string& APedido, TRelatorioDic& ARel) {
    if (auto tema = TemaEmbutido(APedido))
        return std::move(*tema);
    std::error_code erro;
    if (!std::filesystem::exists(APedido, erro))
        throw EPalvorin("Tema desconhecido: «" + APedido +
                        "» não é um tema do programa (veja --temas) nem um ficheiro.");
    return LerTemaDeFicheiro(APedido, ARel);
}

std::optional<TTema> TemaDoLivroRefeito(const TReceitaLivro& AReceita,
                                        const std::filesystem::path& ALivro,
                                        const std::optional<std::string>& ADado,
                                        TRelatorioDic& ARel) {
    const std::optional<TTema>& doLivro = AReceita.Pedido.Tema;
    std::optional<TTema> dado;
    if (ADado)
        dado = TemaPedido(*ADado, ARel);
    if (!doLivro) {
        if (dado)
            throw OutroTema(doLivro, dado);
        return std::nullopt;
    }
    if (dado) {
        if (!MesmoTema(*doLivro, *dado))
            throw OutroTema(doLivro, dado);
        if (doLivro->Embutido)
            return TemaEmbutidoDoLivro(*doLivro);
        // A file given under another name still prints the name the book had.
        dado->Nome = doLivro->Nome;
        dado->Ficheiro = doLivro->Ficheiro;
        return dado;
    }
    return doLivro->Embutido ? TemaEmbutidoDoLivro(*doLivro)
                             : TemaDeFicheiroDoLivro(*doLivro, ALivro, ARel);
}

std::string TextoDosTemas() {
    // The sizes in one column, two blanks past the longest name.
    std::size_t coluna = 0;
    for (const std::string_view nome : NomesDosTemasEmbutidos())
        coluna = std::max(coluna, PontosDeCodigo(nome).size() + 2);
    std::string texto;
    for (const std::string_view nome : NomesDosTemasEmbutidos()) {
        const auto tema = TemaEmbutido(nome);
        if (!tema)
            continue;
        texto += "  " + std::string(nome) + std::string(coluna - PontosDeCodigo(nome).size(), ' ') +
                 Plural(static_cast<std::int64_t>(tema->Palavras.size()), "palavra", "palavras") +
                 "\n";
    }
    return texto;
}

} // namespace palvorin
