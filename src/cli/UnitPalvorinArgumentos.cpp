#include "UnitPalvorinArgumentos.hpp"

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinMarca.hpp"
#include "UnitPalvorinTexto.hpp"

#include <limits>

namespace palvorin {

namespace {

EPalvorin ValorInvalido(const std::string& AOpcao, const std::string& AValor,
                        const std::string& AAjuda) {
    return EPalvorin("Valor inválido para " + AOpcao + ": «" + AValor + "» (" + AAjuda + ").");
}

std::string FaixaDePuzzles() {
    return "de " + std::to_string(MIN_PUZZLES) + " a " + std::to_string(MAX_PUZZLES);
}

std::string FaixaDeSementes() {
    return "de 0 a " + std::to_string(std::numeric_limits<std::uint32_t>::max());
}

std::string FaixaDeTarefas() {
    return "de 1 a " + std::to_string(MAX_TAREFAS);
}

std::int32_t Lado(const std::string& AValor) {
    const auto v = InteiroDeTexto(AValor);
    if (!v || !TamanhoValido(*v))
        throw ValorInvalido("--lado", AValor, "use " + TextoDosTamanhos(", ", " ou "));
    return *v;
}

// Only the syntax here: the range is the options' verdict, the window's message.
std::int32_t NumPuzzles(const std::string& AValor) {
    const auto v = InteiroDeTexto(AValor);
    if (!v)
        throw ValorInvalido("--puzzles", AValor, "use um número " + FaixaDePuzzles());
    return *v;
}

std::uint32_t Semente(const std::string& AValor) {
    const auto v = NaturalDeTexto(AValor);
    if (!v)
        throw ValorInvalido("--semente", AValor, "use um número " + FaixaDeSementes());
    return *v;
}

std::int32_t Tarefas(const std::string& AValor) {
    const auto v = InteiroDeTexto(AValor);
    if (!v || *v < 1 || *v > MAX_TAREFAS)
        throw ValorInvalido("--tarefas", AValor, "use um número " + FaixaDeTarefas());
    return *v;
}

TNivelDificuldade Nivel(const std::string& AValor) {
    if (AValor == "facil" || AValor == "fácil")
        return TNivelDificuldade::ndFacil;
    if (AValor == "medio" || AValor == "médio")
        return TNivelDificuldade::ndMedio;
    if (AValor == "dificil" || AValor == "difícil")
        return TNivelDificuldade::ndDificil;
    throw ValorInvalido("--dificuldade", AValor, "use facil, medio ou dificil");
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
                              opcao == "--refazer" || opcao == "--tarefas" ||
                              opcao == "--dificuldade";
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
        fixadosPelaReceita |= opcao == "--lado" || opcao == "--puzzles" || opcao == "--semente" ||
                              opcao == "--dificuldade";
        if (opcao == "--lado")
            args.Lado = Lado(*valor);
        else if (opcao == "--puzzles")
            args.NumPuzzles = NumPuzzles(*valor);
        else if (opcao == "--titulo")
            args.Titulo = *valor;
        else if (opcao == "--semente")
            args.Semente = Semente(*valor);
        else if (opcao == "--dicionario")
            args.Dicionario = *valor;
        else if (opcao == "--refazer")
            args.Refazer = *valor;
        else if (opcao == "--tarefas")
            args.Tarefas = Tarefas(*valor);
        else if (opcao == "--dificuldade")
            args.Nivel = Nivel(*valor);
        else
            args.Saida = *valor;
    }
    if (args.Refazer && fixadosPelaReceita)
        throw EPalvorin("A opção --refazer não se usa com --lado, --puzzles, --semente nem "
                        "--dificuldade: o livro já os traz.");
    if (args.Refazer && args.Refazer->empty())
        throw EPalvorin("Falta o valor da opção --refazer.");
    if (args.Json && args.Saida)
        throw EPalvorin("As opções --json e -o não podem ser usadas juntas.");
    if (args.Dicionario && args.Dicionario->empty())
        throw EPalvorin("Falta o valor da opção --dicionario.");
    if (args.Saida && args.Saida->empty())
        throw EPalvorin("Falta o valor da opção -o.");
    const TAnalise analise =
        AnalisarOpcoes(TConfigLivro{args.NumPuzzles, args.Lado, args.Titulo.value_or("")});
    if (!analise.PodeGerar)
        throw EPalvorin(analise.Motivo);
    if (args.Titulo)
        args.Titulo = Aparar(*args.Titulo);
    return args;
}

std::string TextoAjuda() {
    const auto linha = [](std::string_view AOpcao, const std::string& ATexto) {
        return "  " + std::string(AOpcao) + std::string(14 - AOpcao.size(), ' ') + ATexto + "\n";
    };
    return "Uso: palvorin-livro [--lado " + TextoDosTamanhos("|", "|") +
           "] [--puzzles N] [--titulo T] [--semente S]\n"
           "                    [--dificuldade facil|medio|dificil] [--dicionario FICHEIRO]\n"
           "                    [-o FICHEIRO.pdf] [--json] [--tarefas N]\n"
           "       palvorin-livro --refazer LIVRO.pdf [-o NOVO.pdf] [--titulo T]\n"
           "\n"
           "Gera um livro de puzzles de palavras.\n" +
           linha("--lado", "lado do tabuleiro (omissão: " + std::to_string(LADO_OMISSAO) + ")") +
           linha("--puzzles", "número de puzzles, " + FaixaDePuzzles() +
                                  " (omissão: " + std::to_string(PUZZLES_OMISSAO) + ")") +
           linha("--titulo", "título do livro, até " + std::to_string(MAX_TITULO) + " caracteres") +
           linha("--semente",
                 "semente do livro, " + FaixaDeSementes() + " (omissão: uma nova, do relógio)") +
           linha("--dificuldade", "só puzzles deste nível (omissão: de qualquer nível)") +
           linha("--dicionario", "lista de palavras a usar em vez da lista do programa (até " +
                                     std::to_string(TAMANHO_MAXIMO_LISTA / (1024 * 1024)) +
                                     " MB)") +
           linha("-o", "ficheiro PDF a escrever, - para a saída padrão") +
           linha("", "(omissão: " + NOME_PROGRAMA + "_LxL_N.pdf)") +
           linha("--json", "escreve o livro em JSON na saída padrão em vez de um PDF") +
           linha("--tarefas", "puzzles gerados em paralelo, " + FaixaDeTarefas() +
                                  " (omissão: um por núcleo);") +
           linha("", "o livro é o mesmo com qualquer número") +
           linha("--refazer",
                 "faz de novo o livro de um PDF do Palvorin, com a receita que ele traz") +
           linha("--versao", "mostra a versão do programa") +
           linha("--ajuda, -h", "mostra esta ajuda") +
           "\n"
           "Códigos de saída: 0 sucesso, 1 nenhum puzzle gerado, 2 argumentos ou dados inválidos,\n"
           "130 interrompido (Ctrl-C), 143 e 129 terminado (SIGTERM, SIGHUP).\n"
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
