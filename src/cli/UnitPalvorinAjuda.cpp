#include "UnitPalvorinAjuda.hpp"

#include "UnitPalvorinComando.hpp"
#include "UnitPalvorinOpcoesLivro.hpp"

#include <algorithm>
#include <csignal>
#include <vector>

namespace palvorin {

namespace {

struct TCodigoSaida {
    std::string Codigos;
    std::string_view Curto;  // for --ajuda
    std::string_view Manual; // for the manual page
};

// A signal ends the command with 128 + its number, as a shell reports a program it ended.
std::vector<TCodigoSaida> CodigosSaida() {
    return {
        {std::to_string(SAIDA_SUCESSO), "sucesso", "O livro foi feito."},
        {std::to_string(SAIDA_SEM_PUZZLES), "nenhum puzzle gerado",
         "Não foi possível gerar nenhum puzzle; nada foi escrito."},
        {std::to_string(SAIDA_INVALIDO), "argumentos ou dados inválidos",
         "Argumentos ou dados inválidos, lista de palavras ilegível, livro que não se pode "
         "refazer, ou erro ao escrever; nada foi escrito."},
        {std::to_string(128 + SIGINT), "interrompido (Ctrl-C)",
         "Interrompido com Ctrl-C; nada foi escrito."},
        {std::to_string(128 + SIGTERM) + " e " + std::to_string(128 + SIGHUP),
         "terminado (SIGTERM, SIGHUP)", "Terminado por SIGTERM ou SIGHUP; nada foi escrito."},
    };
}

constexpr std::size_t LARGURA = 79;
constexpr std::size_t COLUNA_AJUDA = 16;

// "9|11|13|15", "N"; empty for an option without a value.
std::string NomeDoValor(const TOpcaoLivro& AOpcao) {
    if (ValoresListados(AOpcao))
        return ValoresDaOpcao(AOpcao, "|", "|");
    return std::string(AOpcao.NomeDoValor);
}

// What the option does, its values or limits, and its default: one sentence without the stop.
std::string Descricao(const TOpcaoLivro& AOpcao) {
    std::string texto(AOpcao.Ajuda);
    switch (AOpcao.Tipo) {
    case TTipoOpcao::toInteiro:
    case TTipoOpcao::toNatural:
    case TTipoOpcao::toNivel:
        texto += ValoresListados(AOpcao)
                     ? ": " + ValoresDaOpcao(AOpcao, ", ", " ou ")
                     : ", de " + std::to_string(AOpcao.Min) + " a " + std::to_string(AOpcao.Max);
        break;
    case TTipoOpcao::toFormato:
        break;
    case TTipoOpcao::toTexto:
        if (AOpcao.Max > 0)
            texto += ", até " + std::to_string(AOpcao.Max) + " caracteres";
        break;
    case TTipoOpcao::toFicheiro:
        if (AOpcao.Max > 0)
            texto += " (até " + std::to_string(AOpcao.Max / (1024 * 1024)) + " MB)";
        break;
    case TTipoOpcao::toInterruptor:
        break;
    }
    if (!AOpcao.Omissao.empty())
        texto += " (omissão: " + AOpcao.Omissao + ")";
    return texto;
}

std::size_t Colunas(std::string_view ATexto) {
    std::size_t colunas = 0;
    for (const char c : ATexto) // UTF-8: the lead bytes only
        colunas += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return colunas;
}

// APalavras in lines of at most LARGURA columns, the first starting at column AInicio and
// the others indented by AIndentacao.
std::string Quebrar(const std::vector<std::string>& APalavras, std::size_t AInicio,
                    std::size_t AIndentacao) {
    std::string texto;
    std::size_t coluna = AInicio;
    for (std::size_t i = 0; i < APalavras.size(); ++i) {
        const std::size_t colunas = Colunas(APalavras[i]);
        if (i > 0 && coluna + 1 + colunas > LARGURA) {
            texto += '\n';
            texto.append(AIndentacao, ' ');
            coluna = AIndentacao;
        } else if (i > 0) {
            texto += ' ';
            ++coluna;
        }
        texto += APalavras[i];
        coluna += colunas;
    }
    return texto;
}

std::string Quebrar(std::string_view ATexto, std::size_t AInicio, std::size_t AIndentacao) {
    std::vector<std::string> palavras;
    for (std::size_t i = 0; i <= ATexto.size();) {
        const std::size_t fim = std::min(ATexto.find(' ', i), ATexto.size());
        palavras.emplace_back(ATexto.substr(i, fim - i));
        i = fim + 1;
    }
    return Quebrar(palavras, AInicio, AIndentacao);
}

bool NaSinopse(const TOpcaoLivro& AOpcao) {
    return AOpcao.Nome != "--refazer" && AOpcao.Nome != "--ajuda" && AOpcao.Nome != "--versao" &&
           AOpcao.Nome != "--temas";
}

bool NaSinopseDeRefazer(const TOpcaoLivro& AOpcao) {
    return NaSinopse(AOpcao) && (AOpcao.CampoReceita.empty() || AOpcao.MudaAoRefazer);
}

std::vector<std::string> Uso(std::string APrimeira, bool (*AIncluir)(const TOpcaoLivro&)) {
    std::vector<std::string> palavras = {std::move(APrimeira)};
    for (const TOpcaoLivro& opcao : OpcoesLivro()) {
        if (!AIncluir(opcao))
            continue;
        std::string palavra = "[";
        palavra += opcao.Nome;
        if (const std::string valor = NomeDoValor(opcao); !valor.empty())
            palavra += " " + valor;
        palavras.push_back(palavra + "]");
    }
    return palavras;
}

// Roff: every minus of an option's name (a word that starts with one, such as
// --letra-grande) written as such, not as a hyphen, so that it can be copied; a line that
// would start with a control character is protected.
std::string Roff(std::string_view ATexto) {
    std::string texto;
    bool opcao = false;
    for (std::size_t i = 0; i < ATexto.size(); ++i) {
        if (i == 0 || ATexto[i - 1] == ' ' || ATexto[i - 1] == '(')
            opcao = ATexto[i] == '-';
        if (ATexto[i] == '-' && opcao)
            texto += "\\-";
        else if (ATexto[i] == '\\')
            texto += "\\e";
        else
            texto += ATexto[i];
    }
    if (!texto.empty() && (texto.front() == '.' || texto.front() == '\''))
        texto.insert(0, "\\&");
    return texto;
}

// One sentence a line, as roff sources are written.
std::string RoffFrases(std::string_view ATexto) {
    std::string texto;
    std::size_t inicio = 0;
    while (inicio < ATexto.size()) {
        std::size_t fim = ATexto.find(". ", inicio);
        fim = fim == std::string_view::npos ? ATexto.size() : fim + 1;
        texto += Roff(ATexto.substr(inicio, fim - inicio)) + "\n";
        inicio = fim + 1;
    }
    return texto;
}

std::string Maiuscula(std::string ATexto) {
    if (!ATexto.empty() && ATexto.front() >= 'a' && ATexto.front() <= 'z')
        ATexto.front() = static_cast<char>(ATexto.front() - 'a' + 'A');
    return ATexto;
}

std::string RoffOpcao(const TOpcaoLivro& AOpcao) {
    std::string texto = "\\fB" + Roff(AOpcao.Nome) + "\\fR";
    if (!AOpcao.Sinonimo.empty())
        texto += ", \\fB" + Roff(AOpcao.Sinonimo) + "\\fR";
    if (const std::string valor = NomeDoValor(AOpcao); !valor.empty())
        texto += " \\fI" + Roff(valor) + "\\fR";
    return texto;
}

} // namespace

std::string TextoAjuda() {
    const std::string uso = "Uso: ";
    const std::string outro = std::string(uso.size() + 2, ' ');
    std::string texto =
        Quebrar(Uso(uso + "palvorin-livro", NaSinopse), 0, uso.size() + 15) + "\n" +
        Quebrar(Uso(outro + "palvorin-livro --refazer LIVRO.pdf", NaSinopseDeRefazer), 0,
                uso.size() + 15) +
        "\n" + outro + "palvorin-livro --temas | --versao | --ajuda\n\n" +
        "Gera um livro de puzzles de palavras.\n";
    for (const TOpcaoLivro& opcao : OpcoesLivro()) {
        std::string nome = "  " + std::string(opcao.Nome);
        if (!opcao.Sinonimo.empty())
            nome += ", " + std::string(opcao.Sinonimo);
        nome += nome.size() < COLUNA_AJUDA ? std::string(COLUNA_AJUDA - nome.size(), ' ') : " ";
        texto += nome + Quebrar(Descricao(opcao), nome.size(), COLUNA_AJUDA) + "\n";
    }
    texto += "\nAs opções com valor aceitam também a forma --opção=valor.\n\n";
    std::string codigos = "Códigos de saída:";
    const auto saidas = CodigosSaida();
    for (std::size_t i = 0; i < saidas.size(); ++i)
        codigos += " " + saidas[i].Codigos + " " + std::string(saidas[i].Curto) +
                   (i + 1 == saidas.size() ? "." : ",");
    texto += Quebrar(codigos, 0, 0) + "\n";
    return texto + "\n"
                   "Exemplos:\n"
                   "  palvorin-livro --lado 13 --puzzles 50 --titulo \"Férias\" -o ferias.pdf\n"
                   "      50 puzzles de 13 × 13 com o título «Férias», em ferias.pdf\n"
                   "  palvorin-livro --semente 7 --json > livro.json\n"
                   "      o livro da semente 7 em JSON (a mesma semente dá sempre o mesmo "
                   "livro)\n"
                   "  palvorin-livro --dicionario palavras.txt --puzzles 10\n"
                   "      10 puzzles com uma lista de palavras própria, uma palavra por linha\n"
                   "  palvorin-livro --tema Animais --lado 11 -o animais.pdf\n"
                   "      30 puzzles de 11 × 11 sobre animais, em animais.pdf\n"
                   "  palvorin-livro --refazer ferias.pdf -o ferias2.pdf --titulo \"Férias 2\"\n"
                   "      os mesmos puzzles de ferias.pdf, com outro título\n";
}

std::string SinopseManual() {
    const auto linha = [](const std::string& AInicio, bool (*AIncluir)(const TOpcaoLivro&)) {
        std::string texto = ".B palvorin\\-livro\n";
        texto += AInicio;
        for (const TOpcaoLivro& opcao : OpcoesLivro())
            if (AIncluir(opcao)) {
                texto += '[';
                texto += RoffOpcao(opcao);
                texto += "]\n";
            }
        return texto;
    };
    // Option names must not be split at a hyphen.
    std::string texto = ".nh\n" + linha("", NaSinopse);
    texto += ".br\n";
    texto += linha("\\fB\\-\\-refazer\\fR \\fILIVRO.pdf\\fR\n", NaSinopseDeRefazer);
    texto += ".br\n.B palvorin\\-livro\n\\fB\\-\\-temas\\fR | \\fB\\-\\-versao\\fR | "
             "\\fB\\-\\-ajuda\\fR\n.hy\n";
    return texto;
}

std::string OpcoesManual() {
    std::string texto;
    for (const TOpcaoLivro& opcao : OpcoesLivro()) {
        texto += ".TP\n" + RoffOpcao(opcao) + "\n" + RoffFrases(Maiuscula(Descricao(opcao)) + ".");
        if (!opcao.Pormenor.empty())
            texto += RoffFrases(opcao.Pormenor);
    }
    return texto +
           ".PP\nAs opções com valor aceitam também a forma\n.IB \\-\\-opção = valor\\fR.\n";
}

std::string SaidasManual() {
    std::string texto;
    for (const TCodigoSaida& saida : CodigosSaida())
        texto += ".TP\n.B " + saida.Codigos + "\n" + RoffFrases(saida.Manual);
    return texto;
}

} // namespace palvorin
