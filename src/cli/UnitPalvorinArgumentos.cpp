#include "UnitPalvorinArgumentos.hpp"

#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinOpcoes.hpp"
#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinTipos.hpp"

#include <charconv>

namespace palvorin {

namespace {

std::optional<std::uint64_t> Decimal(const std::string& ATexto) {
    if (ATexto.empty() || ATexto.size() > 10)
        return std::nullopt;
    std::uint64_t valor = 0;
    const auto [fim, erro] = std::from_chars(ATexto.data(), ATexto.data() + ATexto.size(), valor);
    if (erro != std::errc{} || fim != ATexto.data() + ATexto.size())
        return std::nullopt;
    return valor;
}

EPalvorin ValorInvalido(const std::string& AOpcao, const std::string& AValor,
                        const std::string& AAjuda) {
    return EPalvorin("Valor inválido para " + AOpcao + ": «" + AValor + "» (" + AAjuda + ").");
}

std::int32_t Lado(const std::string& AValor) {
    const auto v = Decimal(AValor);
    if (!v || !TamanhoValido(static_cast<std::int32_t>(*v)))
        throw ValorInvalido("--lado", AValor, "use 9, 11, 13 ou 15");
    return static_cast<std::int32_t>(*v);
}

std::int32_t NumPuzzles(const std::string& AValor) {
    const auto v = Decimal(AValor);
    if (!v || *v < MIN_PUZZLES || *v > MAX_PUZZLES)
        throw ValorInvalido("--puzzles", AValor,
                            "use " + std::to_string(MIN_PUZZLES) + " a " +
                                std::to_string(MAX_PUZZLES));
    return static_cast<std::int32_t>(*v);
}

std::uint32_t Semente(const std::string& AValor) {
    const auto v = Decimal(AValor);
    if (!v || *v > UINT32_MAX)
        throw ValorInvalido("--semente", AValor, "use um número de 0 a 4294967295");
    return static_cast<std::uint32_t>(*v);
}

// Trimmed of blanks and control characters at both ends, malformed UTF-8 replaced.
std::string Titulo(const std::string& AValor) {
    std::u32string pontos = PontosDeCodigo(AValor);
    const auto branco = [](char32_t c) { return c <= U' '; };
    while (!pontos.empty() && branco(pontos.back()))
        pontos.pop_back();
    std::size_t inicio = 0;
    while (inicio < pontos.size() && branco(pontos[inicio]))
        ++inicio;
    std::string titulo = Utf8DePontos(std::u32string_view(pontos).substr(inicio));
    if (ContarUnidadesUtf16(titulo) > static_cast<std::size_t>(MAX_TITULO))
        throw EPalvorin("O título do livro não pode ter mais de " + std::to_string(MAX_TITULO) +
                        " caracteres.");
    return titulo;
}

} // namespace

TArgumentosLivro AnalisarArgumentos(const std::vector<std::string>& AArgumentos) {
    TArgumentosLivro args;
    bool fixadosPelaReceita = false;
    for (std::size_t i = 0; i < AArgumentos.size(); ++i) {
        std::string opcao = AArgumentos[i];
        std::optional<std::string> valor;
        if (const auto igual = opcao.find('=');
            opcao.rfind("--", 0) == 0 && igual != std::string::npos) {
            valor = opcao.substr(igual + 1);
            opcao.resize(igual);
        }
        if (opcao == "--json" || opcao == "--ajuda" || opcao == "-h" || opcao == "--versao") {
            if (valor)
                throw EPalvorin("A opção " + opcao + " não leva valor.");
            (opcao == "--json" ? args.Json : opcao == "--versao" ? args.Versao : args.Ajuda) = true;
            continue;
        }
        const bool comValor = opcao == "--lado" || opcao == "--puzzles" || opcao == "--titulo" ||
                              opcao == "--semente" || opcao == "--dicionario" || opcao == "-o" ||
                              opcao == "--refazer";
        if (!comValor) {
            if (opcao.rfind("-", 0) == 0)
                throw EPalvorin("Opção desconhecida: " + opcao + ".");
            throw EPalvorin("Argumento inesperado: " + opcao + ".");
        }
        if (!valor) {
            if (i + 1 >= AArgumentos.size())
                throw EPalvorin("Falta o valor da opção " + opcao + ".");
            valor = AArgumentos[++i];
        }
        // The recipe of the book to make again fixes these.
        fixadosPelaReceita |= opcao == "--lado" || opcao == "--puzzles" || opcao == "--semente";
        if (opcao == "--lado")
            args.Lado = Lado(*valor);
        else if (opcao == "--puzzles")
            args.NumPuzzles = NumPuzzles(*valor);
        else if (opcao == "--titulo")
            args.Titulo = Titulo(*valor);
        else if (opcao == "--semente")
            args.Semente = Semente(*valor);
        else if (opcao == "--dicionario")
            args.Dicionario = *valor;
        else if (opcao == "--refazer")
            args.Refazer = *valor;
        else
            args.Saida = *valor;
    }
    if (args.Refazer && fixadosPelaReceita)
        throw EPalvorin("A opção --refazer não se usa com --lado, --puzzles nem --semente: o "
                        "livro já os traz.");
    if (args.Refazer && args.Refazer->empty())
        throw EPalvorin("Falta o valor da opção --refazer.");
    if (args.Json && args.Saida)
        throw EPalvorin("As opções --json e -o não podem ser usadas juntas.");
    if (args.Dicionario && args.Dicionario->empty())
        throw EPalvorin("Falta o valor da opção --dicionario.");
    if (args.Saida && args.Saida->empty())
        throw EPalvorin("Falta o valor da opção -o.");
    return args;
}

std::string TextoAjuda() {
    return "Uso: palvorin-livro [--lado 9|11|13|15] [--puzzles N] [--titulo T] [--semente S]\n"
           "                    [--dicionario FICHEIRO] [-o FICHEIRO.pdf] [--json]\n"
           "       palvorin-livro --refazer LIVRO.pdf [-o NOVO.pdf] [--titulo T]\n"
           "\n"
           "Gera um livro de puzzles de palavras.\n"
           "  --lado        lado do tabuleiro (omissão: 11)\n"
           "  --puzzles     número de puzzles, de 1 a 100 (omissão: 30)\n"
           "  --titulo      título do livro, até 40 caracteres\n"
           "  --semente     semente do livro, de 0 a 4294967295 (omissão: uma nova, do relógio)\n"
           "  --dicionario  lista de palavras a usar em vez da lista do programa\n"
           "  -o            ficheiro PDF a escrever (omissão: Palvorin_LxL_N.pdf)\n"
           "  --json        escreve o livro em JSON na saída padrão em vez de um PDF\n"
           "  --refazer     faz de novo o livro de um PDF do Palvorin, com a receita que ele traz\n"
           "  --versao      mostra a versão do programa\n"
           "  --ajuda, -h   mostra esta ajuda\n"
           "\n"
           "Códigos de saída: 0 sucesso, 1 nenhum puzzle gerado, 2 argumentos ou dados inválidos,\n"
           "130 interrompido (Ctrl-C).\n"
           "\n"
           "Exemplos:\n"
           "  palvorin-livro --lado 13 --puzzles 50 --titulo \"Férias\" -o ferias.pdf\n"
           "      50 puzzles de 13 × 13 com o título «Férias», em ferias.pdf\n"
           "  palvorin-livro --semente 7 --json > livro.json\n"
           "      o livro da semente 7 em JSON (a mesma semente dá sempre o mesmo livro)\n"
           "  palvorin-livro --dicionario palavras.txt --puzzles 10\n"
           "      10 puzzles com uma lista de palavras própria, uma palavra por linha\n"
           "  palvorin-livro --refazer ferias.pdf -o ferias2.pdf --titulo \"Férias 2\"\n"
           "      os mesmos puzzles de ferias.pdf, com outro título\n";
}

} // namespace palvorin
