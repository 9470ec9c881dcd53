#include "UnitPalvorinComando.hpp"

#include "UnitPalvorinAjuda.hpp"
#include "UnitPalvorinArgumentos.hpp"
#include "UnitPalvorinCorrida.hpp"
#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinGravarFicheiro.hpp"
#include "UnitPalvorinJson.hpp"
#include "UnitPalvorinOpcoes.hpp"
#include "UnitPalvorinPdf.hpp"
#include "UnitPalvorinRandom.hpp"
#include "UnitPalvorinRefazer.hpp"
#include "UnitPalvorinSha256.hpp"
#include "UnitPalvorinTemaDoLivro.hpp"
#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinTextos.hpp"

#include <algorithm>
#include <cerrno>
#include <sstream>

namespace palvorin {

namespace {

std::string ResumoDoDicionario(const TRelatorioDic& ARel) {
    return "Dicionário: " + Plural(ARel.Lidas, "palavra lida", "palavras lidas") + ", " +
           Plural(ARel.Aceites, "aceite", "aceites") + " (" +
           Plural(ARel.Comuns, "comum", "comuns") + "), " +
           Plural(ARel.Repetidas, "repetida", "repetidas") + ", " +
           Plural(ARel.Rejeitadas, "rejeitada", "rejeitadas") + ".";
}

// The first refused lines are shown, so a list can be mended without guessing.
constexpr std::size_t RECUSAS_MOSTRADAS = 5;
constexpr std::size_t CARACTERES_POR_RECUSA = 80;

// Text as it can be shown on a terminal: control characters (which could drive it) and
// malformed sequences as U+FFFD. What the user typed or a file held reaches the messages.
std::u32string PontosVisiveis(std::string_view ATexto) {
    std::u32string pontos = PontosDeCodigo(ATexto);
    for (char32_t& c : pontos)
        if (EhControlo(c))
            c = CARACTER_SUBSTITUTO;
    return pontos;
}

std::string TextoVisivel(std::string_view ATexto) {
    return Utf8DePontos(PontosVisiveis(ATexto));
}

// A refused line as it can be shown, cut short when long.
std::string RecusaVisivel(const std::string& ADetalhe) {
    std::u32string pontos = PontosVisiveis(ADetalhe);
    if (pontos.size() > CARACTERES_POR_RECUSA)
        pontos = pontos.substr(0, CARACTERES_POR_RECUSA - 1) + U'\u2026';
    return Utf8DePontos(pontos);
}

void MostrarRecusas(const TRelatorioDic& ARel, std::ostream& AErro) {
    const std::size_t mostradas = std::min(ARel.Detalhe.size(), RECUSAS_MOSTRADAS);
    for (std::size_t i = 0; i < mostradas; ++i)
        AErro << "  " << RecusaVisivel(ARel.Detalhe[i]) << '\n';
    if (const auto outras = ARel.Rejeitadas - static_cast<std::int32_t>(mostradas); outras > 0)
        AErro << "  (e mais " << Plural(outras, "linha rejeitada", "linhas rejeitadas") << ")\n";
}

// The load's summary and its first refused lines, for a list file.
void MostrarCarga(const TRelatorioDic& ARel, std::ostream& AErro) {
    AErro << ResumoDoDicionario(ARel) << '\n';
    MostrarRecusas(ARel, AErro);
}

std::unique_ptr<TDicionario> CarregarLista(const std::optional<std::string>& ADicionario,
                                           const std::filesystem::path& APastaPrograma,
                                           std::ostream& AErro, TListaUsada& ALista) {
    TRelatorioDic rel;
    if (!ADicionario) {
        auto dic = CarregarDicionario(APastaPrograma, rel);
        ALista = rel.Lista;
        return dic;
    }
    auto dic = CarregarDicionarioDeFicheiro(*ADicionario, rel);
    ALista = rel.Lista;
    MostrarCarga(rel, AErro);
    return dic;
}

// The list a book is made again from. Its hash is compared before anything is said of a file:
// the recipe names the file, and the recipe may come from anyone.
std::unique_ptr<TDicionario> CarregarListaDoLivro(const TReceitaLivro& AReceita,
                                                  const std::filesystem::path& ALivro,
                                                  const std::optional<std::string>& ADicionario,
                                                  const std::filesystem::path& APastaPrograma,
                                                  std::ostream& AErro, TListaUsada& ALista) {
    if (!ADicionario && AReceita.Lista.Embutida) {
        auto dic = CarregarLista(std::nullopt, APastaPrograma, AErro, ALista);
        VerificarLista(AReceita, ALista);
        return dic;
    }
    TFicheiroEncontrado encontrada;
    if (ADicionario) {
        encontrada = {*ADicionario, LerFicheiroDaLista(*ADicionario)};
        VerificarLista(AReceita, {false, *ADicionario, Sha256Hex(encontrada.Bytes)});
    } else {
        encontrada = ProcurarListaDoLivro(AReceita, ALivro);
    }
    TRelatorioDic rel;
    auto dic = CarregarDicionarioDeBytes(encontrada.Bytes, encontrada.Caminho, rel);
    ALista = rel.Lista;
    MostrarCarga(rel, AErro);
    return dic;
}

// The theme the book asks for, read; a theme file's load is told as a list's is.
std::optional<TTema> TemaDoLivro(const TArgumentosLivro& AArgs,
                                 const std::optional<TReceitaLivro>& AReceita,
                                 std::ostream& AErro) {
    const std::optional<std::string> dado =
        AArgs.Livro.Tema ? std::optional(AArgs.Livro.Tema->Nome) : std::nullopt;
    TRelatorioDic rel;
    std::optional<TTema> tema = AReceita ? TemaDoLivroRefeito(*AReceita, *AArgs.Refazer, dado, rel)
                                : dado   ? std::optional(TemaPedido(*dado, rel))
                                         : std::nullopt;
    if (tema && !tema->Embutido) {
        AErro << "Tema «" << TextoVisivel(tema->Nome)
              << "»: " << Plural(rel.Aceites, "palavra aceite", "palavras aceites") << ", "
              << Plural(rel.Rejeitadas, "rejeitada", "rejeitadas") << ".\n";
        MostrarRecusas(rel, AErro);
    }
    return tema;
}

// The same file, under any name: a book made again must not replace the book it came from.
bool MesmoFicheiro(const std::filesystem::path& A, const std::filesystem::path& B) {
    std::error_code erro;
    return std::filesystem::equivalent(A, B, erro);
}

class TComando {
public:
    TComando(std::ostream& ASaida, std::ostream& AErro) : FSaida(ASaida), FErro(AErro) {}

    int Falhar(const std::string& AMensagem, int ACodigo) {
        FErro << "palvorin-livro: " << TextoVisivel(AMensagem) << '\n';
        return ACodigo;
    }

    int Executar(const std::vector<std::string>& AArgumentos,
                 const std::filesystem::path& APastaPrograma, bool AErroNoTerminal) {
        TArgumentosLivro args;
        try {
            args = AnalisarArgumentos(AArgumentos);
        } catch (const EPalvorin& e) {
            return Falhar(MensagemDoErro(e), SAIDA_INVALIDO);
        }
        if (args.Ajuda) {
            FSaida << TextoAjuda();
            return Concluir();
        }
        if (args.Versao) {
            FSaida << "palvorin-livro " << VERSAO_PALVORIN << '\n';
            return Concluir();
        }
        if (args.Temas) {
            FSaida << "Temas do programa:\n" << TextoDosTemas();
            return Concluir();
        }
        // From here until the book is in place a signal cancels the run instead of killing it.
        const TGuardaSinais sinais;
        std::optional<TReceitaLivro> receita;
        try {
            if (args.Refazer)
                receita = ReceitaDoLivro(*args.Refazer);
        } catch (const std::exception& e) {
            return Falhar(MensagemDoErro(e), SAIDA_INVALIDO);
        }
        TPedidoLivro pedido = receita ? receita->Pedido : args.Livro;
        if (!receita && !args.Dada("--semente"))
            pedido.Semente = SementeDoRelogio();
        if (receita && args.Dada("--titulo"))
            pedido.Titulo = args.Livro.Titulo;
        // A remade book keeps its pages unless the command asks for others.
        if (receita && args.Dada("--formato"))
            pedido.Formato = args.Livro.Formato;
        pedido.LetraGrande |= args.Livro.LetraGrande;
        pedido.Grafica |= args.Livro.Grafica;
        try {
            pedido.Tema = TemaDoLivro(args, receita, FErro);
        } catch (const std::exception& e) {
            return Falhar(MensagemDoErro(e), SAIDA_INVALIDO);
        }
        const TAnalise analise = AnalisarOpcoes(pedido);
        if (!analise.PodeGerar())
            return Falhar(args.Refazer ? "O livro «" + *args.Refazer + "» não pode ser refeito. " +
                                             analise.Motivo
                                       : analise.Motivo,
                          SAIDA_INVALIDO);
        const TConfigLivro& config = *analise.Config;
        const std::string caminho =
            args.Saida.value_or(NomeFicheiroPadrao(config.Lado(), config.NumPuzzles()));
        if (args.Refazer && !args.Json && MesmoFicheiro(caminho, *args.Refazer))
            return Falhar("O livro refeito ia substituir «" + *args.Refazer +
                              "»; indique outro ficheiro com -o.",
                          SAIDA_INVALIDO);
        // A target that cannot be written fails now, not after a long generation.
        if (!args.Json)
            VerificarDestino(caminho);

        std::unique_ptr<TDicionario> dic;
        TListaUsada lista;
        try {
            dic = receita ? CarregarListaDoLivro(*receita, *args.Refazer, args.Dicionario,
                                                 APastaPrograma, FErro, lista)
                          : CarregarLista(args.Dicionario, APastaPrograma, FErro, lista);
        } catch (const std::exception& e) {
            return Falhar(MensagemDoErro(e), SAIDA_INVALIDO);
        }
        if (!args.Json && !lista.Embutida && MesmoFicheiro(caminho, lista.Ficheiro))
            return Falhar("O livro ia substituir a lista de palavras «" + lista.Ficheiro +
                              "»; indique outro ficheiro com -o.",
                          SAIDA_INVALIDO);
        if (const auto& tema = config.Tema();
            !args.Json && tema && !tema->Embutido && MesmoFicheiro(caminho, tema->Ficheiro))
            return Falhar("O livro ia substituir o tema «" + tema->Ficheiro +
                              "»; indique outro ficheiro com -o.",
                          SAIDA_INVALIDO);
        if (sinais.Parar())
            return Cancelado(sinais, 0, config.NumPuzzles());
        FErro << "Semente: " << config.Semente() << '\n';

        TMostradorProgresso mostrador(FErro, AErroNoTerminal);
        TResultadoCorrida corrida = CorrerLivro(*dic, config, args.Tarefas, mostrador, sinais);
        const TRelatorioLivro& rel = corrida.Relatorio;
        // A signal after the generator's last check still cancels.
        if (rel.Cancelado || sinais.Parar())
            return Cancelado(sinais, rel.Gerados, rel.Pedidos);
        for (const std::string& falha : rel.Falhas)
            FErro << falha << '\n';
        if (rel.Gerados == 0)
            return Falhar(TEXTO_NENHUM_PUZZLE, SAIDA_SEM_PUZZLES);
        if (!args.Json)
            return GravarPdf(caminho, TDadosLivro{config, std::move(corrida.Puzzles), lista},
                             sinais);
        // Through the writer, as a PDF on standard output: a reader that stalls cannot hold
        // off a signal.
        std::ostringstream json;
        EscreverLivroJson(json, config, rel, corrida.Puzzles);
        const std::string texto = std::move(json).str();
        int perguntas = 0;
        if (!GravarFicheiroInteiro(
                NOME_SAIDA_PADRAO,
                {reinterpret_cast<const std::uint8_t*>(texto.data()), texto.size()}, [&] {
                    ++perguntas;
                    return sinais.Parar();
                }))
            return CanceladoAEscrever(sinais, NOME_SAIDA_PADRAO, perguntas, rel.Gerados,
                                      rel.Pedidos);
        return SAIDA_SUCESSO;
    }

    // Standard output's lines must have arrived: a failed write there is an error too.
    int Concluir() {
        errno = 0;
        FSaida.flush();
        if (FSaida)
            return SAIDA_SUCESSO;
        const int erro = errno;
        return Falhar("Não foi possível escrever na saída padrão" +
                          (erro != 0 ? ": " + DescricaoDoErro(erro) : std::string()) + ".",
                      SAIDA_INVALIDO);
    }

    // Exit code 128 + the signal, as a shell reports a program that signal ended.
    int Cancelado(const TGuardaSinais& ASinais, std::int32_t AGerados, std::int32_t APedidos) {
        FErro << TextoCancelado(AGerados, APedidos) << '\n';
        return 128 + ASinais.Sinal();
    }

    // The writer asks once before each block: a stop at any question but the first, on standard
    // output, comes after part of the book went out, and that cannot be taken back.
    int CanceladoAEscrever(const TGuardaSinais& ASinais, const std::string& ACaminho,
                           int APerguntas, std::int32_t AGerados, std::int32_t APedidos) {
        if (ACaminho != NOME_SAIDA_PADRAO || APerguntas <= 1)
            return Cancelado(ASinais, AGerados, APedidos);
        FErro << "Escrita cancelada: a saída padrão recebeu só parte do livro.\n";
        return 128 + ASinais.Sinal();
    }

    // To -o FICHEIRO, or to the window's default name in the current folder.
    int GravarPdf(const std::string& ACaminho, const TDadosLivro& ALivro,
                  const TGuardaSinais& ASinais) {
        const auto puzzles = static_cast<std::int32_t>(ALivro.Puzzles.size());
        int perguntas = 0;
        const auto gravado = GravarLivroPdf(ACaminho, ALivro, [&] {
            ++perguntas;
            return ASinais.Parar();
        });
        if (!gravado)
            return CanceladoAEscrever(ASinais, ACaminho, perguntas, puzzles,
                                      ALivro.Config.NumPuzzles());
        // With the book on standard output, the summary goes with the messages.
        std::ostream& resumo = ACaminho == NOME_SAIDA_PADRAO ? FErro : FSaida;
        resumo << TextoLivroGerado(puzzles, gravado->Paginas) << '\n';
        if (ACaminho != NOME_SAIDA_PADRAO)
            resumo << "Ficheiro: " << TextoVisivel(ACaminho) << '\n';
        return Concluir();
    }

private:
    std::ostream& FSaida;
    std::ostream& FErro;
};

} // namespace

int ExecutarPalvorinLivro(const std::vector<std::string>& AArgumentos,
                          const std::filesystem::path& APastaPrograma, std::ostream& ASaida,
                          std::ostream& AErro, bool AErroNoTerminal) {
    TComando comando(ASaida, AErro);
    try {
        return comando.Executar(AArgumentos, APastaPrograma, AErroNoTerminal);
    } catch (const std::exception& e) {
        return comando.Falhar(TextoErro(MensagemDoErro(e)), SAIDA_INVALIDO);
    }
}

} // namespace palvorin
