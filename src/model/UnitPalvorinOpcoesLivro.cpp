#include "UnitPalvorinOpcoesLivro.hpp"

#include "UnitPalvorinTexto.hpp"

#include <algorithm>
#include <limits>

namespace palvorin {

namespace {

std::string Numero(std::int64_t AValor) {
    return std::to_string(AValor);
}

// A switch of the book: given, it turns the field on; on, the recipe records it.
template <bool TPedidoLivro::*ACampo> void Ligar(TArgumentosLivro& AArgumentos, std::string_view) {
    AArgumentos.Livro.*ACampo = true;
}

template <bool TPedidoLivro::*ACampo>
std::optional<std::string> LigadoNaReceita(const TPedidoLivro& APedido) {
    if (!(APedido.*ACampo))
        return std::nullopt;
    return std::string(VALOR_LIGADO);
}

// The rows are in the order the help lists them; the recipe writes its fields in this order
// too, so a row with a recipe field goes after the last such row, or the books change.
std::vector<TOpcaoLivro> CriarOpcoes() {
    using enum TTipoOpcao;
    return {
        {.Nome = "--lado",
         .Tipo = toInteiro,
         .Valores = TamanhosTabuleiro,
         .Ajuda = "lado do tabuleiro, em casas",
         .Omissao = Numero(LADO_OMISSAO),
         .CampoReceita = "lado",
         .RotuloJanela = "&Tamanho",
         .Guardar = [](TArgumentosLivro& a,
                       std::string_view v) { a.Livro.Lado = *InteiroDeTexto(v); },
         .ValorNaReceita = [](const TPedidoLivro& p) -> std::optional<std::string> {
             return Numero(p.Lado);
         }},
        {.Nome = "--puzzles",
         .Tipo = toInteiro,
         .NomeDoValor = "N",
         .Min = MIN_PUZZLES,
         .Max = MAX_PUZZLES,
         .Ajuda = "número de puzzles",
         .Omissao = Numero(PUZZLES_OMISSAO),
         .CampoReceita = "puzzles",
         .RotuloJanela = "&Número de puzzles",
         .Guardar = [](TArgumentosLivro& a,
                       std::string_view v) { a.Livro.NumPuzzles = *InteiroDeTexto(v); },
         .ValorNaReceita = [](const TPedidoLivro& p) -> std::optional<std::string> {
             return Numero(p.NumPuzzles);
         }},
        {.Nome = "--semente",
         .Tipo = toNatural,
         .NomeDoValor = "S",
         .Min = 0,
         .Max = std::numeric_limits<std::uint32_t>::max(),
         .Ajuda = "semente do livro",
         .Omissao = "uma nova, do relógio",
         .Pormenor = "A mesma semente, com a mesma lista de palavras, o mesmo lado e o mesmo "
                     "número de puzzles, dá sempre o mesmo livro.",
         .CampoReceita = "semente",
         .Guardar = [](TArgumentosLivro& a,
                       std::string_view v) { a.Livro.Semente = *NaturalDeTexto(v); },
         .ValorNaReceita = [](const TPedidoLivro& p) -> std::optional<std::string> {
             return Numero(p.Semente);
         }},
        {.Nome = "--dificuldade",
         .Tipo = toNivel,
         .Ajuda = "só puzzles deste nível",
         .Omissao = "de qualquer nível",
         .Pormenor = "O nível mede o raciocínio que um leitor precisa para resolver o puzzle "
                     "sem adivinhar.",
         .CampoReceita = "nivel",
         .RotuloJanela = "Ní&vel",
         .OmissaoNaJanela = "Qualquer",
         .Guardar = [](TArgumentosLivro& a,
                       std::string_view v) { a.Livro.Nivel = NivelDeTexto(v); },
         // A book of any level records nothing.
         .ValorNaReceita = [](const TPedidoLivro& p) -> std::optional<std::string> {
             return p.Nivel ? std::string(NIVEIS[static_cast<std::size_t>(*p.Nivel)].Id)
                            : std::string();
         }},
        {.Nome = "--titulo",
         .Tipo = toTexto,
         .NomeDoValor = "T",
         .Max = MAX_TITULO,
         .Ajuda = "título impresso na capa",
         .Pormenor = "Os espaços e caracteres de controlo nas pontas são retirados. Com --refazer, "
                     "substitui o título do livro original.",
         .CampoReceita = "titulo",
         .MudaAoRefazer = true,
         .RotuloJanela = "Título do &livro",
         .Guardar = [](TArgumentosLivro& a, std::string_view v) { a.Livro.Titulo = v; },
         .ValorNaReceita = [](const TPedidoLivro& p) -> std::optional<std::string> {
             return p.Titulo;
         }},
        {.Nome = "--formato",
         .Tipo = toFormato,
         .Ajuda = "tamanho da página: A4, A5, Carta (8,5 × 11 pol.) ou 6 × 9 pol.",
         .Omissao = IdDoFormato(TFormatoLivro::flA4),
         .Pormenor = "Numa página pequena, um tabuleiro que não cabe com a sua lista ocupa duas "
                     "páginas: o tabuleiro à esquerda e a lista à direita.",
         .CampoReceita = "formato",
         .MudaAoRefazer = true,
         .RotuloJanela = "&Formato",
         .Guardar = [](TArgumentosLivro& a,
                       std::string_view v) { a.Livro.Formato = *FormatoDoId(v); },
         // An A4 book records nothing, as before there were other pages.
         .ValorNaReceita = [](const TPedidoLivro& p) -> std::optional<std::string> {
             if (p.Formato == TFormatoLivro::flA4)
                 return std::nullopt;
             return IdDoFormato(p.Formato);
         }},
        {.Nome = "--letra-grande",
         .Tipo = toInterruptor,
         .Ajuda = "edição em letra grande (A4 e Carta)",
         .Pormenor = "A lista de palavras e as regras em 16 pt ou mais, casas maiores e linhas "
                     "de pelo menos 1 pt; uma lista que não cabe por baixo do tabuleiro vai para a "
                     "página ao lado.",
         .CampoReceita = "letragrande",
         .MudaAoRefazer = true,
         .RotuloJanela = "Letra g&rande",
         .Guardar = Ligar<&TPedidoLivro::LetraGrande>,
         .ValorNaReceita = LigadoNaReceita<&TPedidoLivro::LetraGrande>},
        {.Nome = "--grafica",
         .Tipo = toInterruptor,
         .Ajuda = "páginas para gráfica: número par, medianiz, margens de segurança e só tinta "
                  "preta (precisa do Ghostscript)",
         .Pormenor = "As cores passam a cinzento com o Ghostscript (gs); sem ele, o livro não é "
                     "escrito e a mensagem diz porquê.",
         .CampoReceita = "grafica",
         .MudaAoRefazer = true,
         .RotuloJanela = "Pág&inas para gráfica",
         .Guardar = Ligar<&TPedidoLivro::Grafica>,
         .ValorNaReceita = LigadoNaReceita<&TPedidoLivro::Grafica>},
        {.Nome = "--tema",
         .Tipo = toFicheiro,
         .NomeDoValor = "NOME|FICHEIRO",
         .Max = TAMANHO_MAXIMO_LISTA,
         .Ajuda = "palavras de um assunto primeiro: um tema do programa ou um ficheiro",
         .Omissao = "nenhum",
         .Pormenor =
             "Um tema do programa pelo nome (veja --temas), ou um ficheiro com uma palavra por "
             "linha, no formato da lista de palavras. O gerador tenta as palavras do tema antes "
             "de todas as outras; uma que a lista não tenha entra nela só para este livro. Com "
             "--refazer, o ficheiro do tema é procurado ao lado do livro, na pasta atual e no "
             "caminho que a receita guarda, ou indicado com --tema; tem de ser o mesmo, byte a "
             "byte.",
         .CampoReceita = "tema",
         .MudaAoRefazer = true,
         .RotuloJanela = "T&ema",
         // Kept whole: a recipe may have given the file's SHA-256 first.
         .Guardar =
             [](TArgumentosLivro& a, std::string_view v) {
                 if (!a.Livro.Tema)
                     a.Livro.Tema.emplace();
                 a.Livro.Tema->Nome = v;
             },
         // A built-in theme by its name, a file by its path (its SHA-256 has a field of its own).
         .ValorNaReceita = [](const TPedidoLivro& p) -> std::optional<std::string> {
             if (!p.Tema)
                 return std::nullopt;
             return p.Tema->Embutido ? p.Tema->Nome : p.Tema->Ficheiro;
         }},
        {.Nome = "--temas",
         .Tipo = toInterruptor,
         .Ajuda = "mostra os temas do programa, com o número de palavras de cada um",
         .Guardar = [](TArgumentosLivro& a, std::string_view) { a.Temas = true; }},
        {.Nome = "--dicionario",
         .Tipo = toFicheiro,
         .NomeDoValor = "FICHEIRO",
         .Max = TAMANHO_MAXIMO_LISTA,
         .Ajuda = "lista de palavras a usar em vez da lista do programa",
         .Pormenor =
             "Uma palavra por linha, em UTF-8, UTF-16 com marca de ordem dos bytes, ou "
             "Windows-1252. As linhas começadas por # são comentários, exceto as marcas de "
             "secção: depois de #SECCAO COMUNS vêm as palavras conhecidas, que o gerador usa "
             "primeiro, e depois de #SECCAO RARAS as que só entram quando um tabuleiro não fecha "
             "de outro modo. Numa marca que diga também PREFERIDAS (#SECCAO COMUNS PREFERIDAS) "
             "começam as palavras que o gerador tenta antes das outras da mesma secção. Sem "
             "marcas, todas as palavras são comuns. Uma linha de resumo (palavras lidas, aceites, "
             "repetidas e rejeitadas) vai para o erro padrão.",
         .Guardar = [](TArgumentosLivro& a, std::string_view v) { a.Dicionario = v; }},
        {.Nome = "-o",
         .Tipo = toFicheiro,
         .NomeDoValor = "FICHEIRO.pdf",
         .Ajuda = "ficheiro PDF a escrever, - para a saída padrão",
         .Omissao = "Palvorin_LxL_N.pdf, na pasta atual",
         .Guardar = [](TArgumentosLivro& a, std::string_view v) { a.Saida = v; }},
        {.Nome = "--json",
         .Tipo = toInterruptor,
         .Ajuda = "escreve o livro em JSON na saída padrão em vez de um PDF",
         .Pormenor = "Não se usa com -o.",
         .Guardar = [](TArgumentosLivro& a, std::string_view) { a.Json = true; }},
        {.Nome = "--tarefas",
         .Tipo = toInteiro,
         .NomeDoValor = "N",
         .Min = 1,
         .Max = MAX_TAREFAS,
         .Ajuda = "puzzles gerados em paralelo (o livro é o mesmo com qualquer número)",
         .Omissao = "um por núcleo",
         .Guardar = [](TArgumentosLivro& a,
                       std::string_view v) { a.Tarefas = *InteiroDeTexto(v); }},
        {.Nome = "--refazer",
         .Tipo = toFicheiro,
         .NomeDoValor = "LIVRO.pdf",
         .Ajuda = "faz de novo o livro de um PDF do Palvorin, com a receita que ele traz",
         .Pormenor =
             "Os mesmos puzzles e o mesmo título (ou o de --titulo); com a mesma variável "
             "SOURCE_DATE_EPOCH o ficheiro novo é igual byte a byte ao original. Não se usa com "
             "as opções que a receita fixa. Uma lista de palavras em ficheiro é procurada no "
             "caminho que a receita guarda, ou no de --dicionario. É recusado, com a razão, um PDF "
             "sem receita, uma lista de palavras diferente da que fez o livro, ou um livro feito "
             "por uma versão cujo gerador dá outros puzzles.",
         .Guardar = [](TArgumentosLivro& a, std::string_view v) { a.Refazer = v; }},
        {.Nome = "--versao",
         .Tipo = toInterruptor,
         .Ajuda = "mostra a versão do programa",
         .Guardar = [](TArgumentosLivro& a, std::string_view) { a.Versao = true; }},
        {.Nome = "--ajuda",
         .Sinonimo = "-h",
         .Tipo = toInterruptor,
         .Ajuda = "mostra a ajuda, com exemplos",
         .Guardar = [](TArgumentosLivro& a, std::string_view) { a.Ajuda = true; }},
    };
}

} // namespace

bool TArgumentosLivro::Dada(std::string_view ANome) const {
    return std::ranges::find(Dadas, ANome) != Dadas.end();
}

const std::vector<TOpcaoLivro>& OpcoesLivro() {
    static const std::vector<TOpcaoLivro> opcoes = CriarOpcoes();
    return opcoes;
}

const TOpcaoLivro* ProcurarOpcao(std::string_view ANome) {
    for (const TOpcaoLivro& opcao : OpcoesLivro())
        if (opcao.Nome == ANome || (!opcao.Sinonimo.empty() && opcao.Sinonimo == ANome))
            return &opcao;
    return nullptr;
}

const TOpcaoLivro& Opcao(std::string_view ANome) {
    if (const TOpcaoLivro* opcao = ProcurarOpcao(ANome))
        return *opcao;
    throw EInterno("Opcao: não há a opção " + std::string(ANome));
}

std::string ValoresDaOpcao(const TOpcaoLivro& AOpcao, std::string_view ASeparador,
                           std::string_view AUltimo) {
    std::vector<std::string> valores;
    for (const std::int32_t valor : AOpcao.Valores)
        valores.push_back(Numero(valor));
    if (AOpcao.Tipo == TTipoOpcao::toNivel)
        for (const TDescNivel& nivel : NIVEIS)
            valores.emplace_back(nivel.Id);
    if (AOpcao.Tipo == TTipoOpcao::toFormato)
        for (const TFormatoLivro formato : FormatosLivro)
            valores.push_back(IdDoFormato(formato));
    std::string texto;
    for (std::size_t i = 0; i < valores.size(); ++i) {
        if (i > 0)
            texto += i + 1 == valores.size() ? AUltimo : ASeparador;
        texto += valores[i];
    }
    return texto;
}

bool ValoresListados(const TOpcaoLivro& AOpcao) {
    return !AOpcao.Valores.empty() || AOpcao.Tipo == TTipoOpcao::toNivel ||
           AOpcao.Tipo == TTipoOpcao::toFormato;
}

std::string UsoDaOpcao(const TOpcaoLivro& AOpcao) {
    if (ValoresListados(AOpcao))
        return "use " + ValoresDaOpcao(AOpcao, ", ", " ou ");
    return "use um número de " + Numero(AOpcao.Min) + " a " + Numero(AOpcao.Max);
}

bool ValorAceite(const TOpcaoLivro& AOpcao, std::string_view AValor) {
    const bool doLivro = !AOpcao.CampoReceita.empty();
    const auto naFaixa = [&](std::int64_t AValorLido) {
        if (!AOpcao.Valores.empty())
            return std::ranges::find(AOpcao.Valores, AValorLido) != AOpcao.Valores.end();
        return doLivro || (AValorLido >= AOpcao.Min && AValorLido <= AOpcao.Max);
    };
    switch (AOpcao.Tipo) {
    case TTipoOpcao::toInterruptor:
        return AValor.empty();
    case TTipoOpcao::toInteiro: {
        const auto valor = InteiroDeTexto(AValor);
        return valor && naFaixa(*valor);
    }
    case TTipoOpcao::toNatural: {
        const auto valor = NaturalDeTexto(AValor);
        return valor && naFaixa(*valor);
    }
    case TTipoOpcao::toNivel:
        return NivelDeTexto(AValor).has_value();
    case TTipoOpcao::toFormato:
        return FormatoDoId(AValor).has_value();
    case TTipoOpcao::toTexto:
        return true;
    case TTipoOpcao::toFicheiro:
        return !AValor.empty();
    }
    return false;
}

} // namespace palvorin
