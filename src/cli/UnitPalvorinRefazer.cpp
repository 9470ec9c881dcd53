#include "UnitPalvorinRefazer.hpp"

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinInfoPdf.hpp"
#include "UnitPalvorinLerFicheiro.hpp"
#include "UnitPalvorinSha256.hpp"

#include <optional>
#include <sys/stat.h>
#include <utility>

namespace palvorin {

namespace {

// The bytes at ACaminho when it is a regular file not read before; a device or a pipe is never
// opened, since opening some has effects of its own.
std::optional<std::vector<std::uint8_t>>
BytesDoLugar(const std::filesystem::path& ACaminho,
             std::vector<std::pair<dev_t, ino_t>>& AJaLidos) {
    struct stat estado {};
    if (stat(ACaminho.c_str(), &estado) != 0 || !S_ISREG(estado.st_mode))
        return std::nullopt;
    const std::pair<dev_t, ino_t> id{estado.st_dev, estado.st_ino};
    for (const auto& lido : AJaLidos)
        if (lido == id)
            return std::nullopt;
    AJaLidos.push_back(id);
    try {
        return LerFicheiroInteiro(ACaminho, TAMANHO_MAXIMO_LISTA);
    } catch (const ELeitura&) {
        return std::nullopt;
    }
}

} // namespace

TReceitaLivro ReceitaDoLivro(const std::filesystem::path& ALivro) {
    const std::string nome = "«" + ALivro.string() + "»";
    const auto info = LerInfoDoFicheiroPdf(ALivro);
    const auto palavrasChave = info.find("Keywords");
    std::optional<TReceitaLivro> receita;
    if (palavrasChave != info.end())
        receita = LerReceita(palavrasChave->second);
    if (!receita)
        throw EPalvorin("O ficheiro " + nome + " não traz a receita de um livro do Palvorin.");
    if (receita->Gerador != REVISAO_GERADOR ||
        (receita->Pedido.Tema && receita->GeradorTema != REVISAO_GERADOR_TEMA))
        throw EPalvorin("O livro " + nome + " foi feito pelo Palvorin " + receita->Versao +
                        ", cujo gerador dá outros puzzles: o Palvorin " + VERSAO_PALVORIN +
                        " não o pode refazer.");
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

std::vector<std::filesystem::path> LugaresDoFicheiro(const std::filesystem::path& AGravado,
                                                     const std::filesystem::path& ALivro) {
    const std::filesystem::path nome = AGravado.filename();
    std::vector<std::filesystem::path> lugares;
    if (!nome.empty()) {
        lugares.push_back(ALivro.parent_path() / nome);
        lugares.push_back(nome);
    }
    if (!AGravado.empty())
        lugares.push_back(AGravado);
    return lugares;
}

TFicheiroEncontrado ProcurarFicheiroDoLivro(const std::filesystem::path& AGravado,
                                            const std::string& ASha256,
                                            const std::filesystem::path& ALivro,
                                            std::string_view AQue, std::string_view AIndique) {
    std::vector<std::pair<dev_t, ino_t>> jaLidos;
    for (const std::filesystem::path& lugar : LugaresDoFicheiro(AGravado, ALivro)) {
        auto bytes = BytesDoLugar(lugar, jaLidos);
        if (bytes && Sha256Hex(*bytes) == ASha256)
            return TFicheiroEncontrado{lugar, std::move(*bytes)};
    }
    throw EPalvorin("Não se encontrou " + std::string(AQue) + " que fez o livro («" +
                    AGravado.filename().string() + "», SHA-256 " + ASha256 +
                    ") ao lado do livro, na pasta atual nem em «" + AGravado.string() + "»: " +
                    std::string(AIndique) + ".");
}

TFicheiroEncontrado ProcurarListaDoLivro(const TReceitaLivro& AReceita,
                                         const std::filesystem::path& ALivro) {
    return ProcurarFicheiroDoLivro(AReceita.Lista.Ficheiro, AReceita.Lista.Sha256, ALivro,
                                   "a lista de palavras", "indique-a com --dicionario");
}

} // namespace palvorin
