#include "UnitPalvorinComando.hpp"

#include "UnitPalvorinArgumentos.hpp"
#include "UnitPalvorinCorrida.hpp"
#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinJson.hpp"
#include "UnitPalvorinPdf.hpp"
#include "UnitPalvorinRandom.hpp"
#include "UnitPalvorinTextos.hpp"

namespace palvorin {

namespace {

std::string ResumoDoDicionario(const TRelatorioDic& ARel) {
    return "Dicionário: " + Plural(ARel.Lidas, "palavra lida", "palavras lidas") + ", " +
           Plural(ARel.Aceites, "aceite", "aceites") + " (" +
           Plural(ARel.Comuns, "comum", "comuns") + "), " +
           Plural(ARel.Repetidas, "repetida", "repetidas") + ", " +
           Plural(ARel.Rejeitadas, "rejeitada", "rejeitadas") + ".";
}

std::unique_ptr<TDicionario> CarregarLista(const TArgumentosLivro& AArgs,
                                           const std::filesystem::path& APastaPrograma,
                                           std::ostream& AErro) {
    TRelatorioDic rel;
    if (!AArgs.Dicionario)
        return CarregarDicionario(APastaPrograma, rel);
    auto dic = CarregarDicionarioDeFicheiro(*AArgs.Dicionario, rel);
    AErro << ResumoDoDicionario(rel) << '\n';
    return dic;
}

class TComando {
public:
    TComando(std::ostream& ASaida, std::ostream& AErro) : FSaida(ASaida), FErro(AErro) {}

    int Falhar(const std::string& AMensagem, int ACodigo) {
        FErro << "palvorin-livro: " << AMensagem << '\n';
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
            return SAIDA_SUCESSO;
        }
        std::unique_ptr<TDicionario> dic;
        try {
            dic = CarregarLista(args, APastaPrograma, FErro);
        } catch (const std::exception& e) {
            return Falhar(MensagemDoErro(e), SAIDA_INVALIDO);
        }
        const TConfigLivro config{args.NumPuzzles, args.Lado, args.Titulo,
                                  args.Semente.value_or(SementeDoRelogio()), args.Nivel};
        FErro << "Semente: " << config.Semente << '\n';

        TMostradorProgresso mostrador(FErro, AErroNoTerminal);
        const TResultadoCorrida corrida = CorrerLivro(*dic, config, args.Tarefas, mostrador);
        const TRelatorioLivro& rel = corrida.Relatorio;
        if (rel.Cancelado) {
            FErro << TextoCancelado(rel.Gerados, rel.Pedidos) << '\n';
            return SAIDA_INTERROMPIDO;
        }
        for (const std::string& falha : rel.Falhas)
            FErro << falha << '\n';
        if (rel.Gerados == 0)
            return Falhar(TEXTO_NENHUM_PUZZLE, SAIDA_SEM_PUZZLES);
        if (!args.Json)
            return GravarPdf(args, config, corrida.Puzzles);
        EscreverLivroJson(FSaida, config, rel, corrida.Puzzles);
        FSaida.flush();
        if (!FSaida)
            return Falhar("Não foi possível escrever o livro na saída padrão.", SAIDA_INVALIDO);
        return SAIDA_SUCESSO;
    }

    // To -o FICHEIRO, or to the window's default name in the current folder.
    int GravarPdf(const TArgumentosLivro& AArgs, const TConfigLivro& AConfig,
                  std::vector<TPuzzle> APuzzles) {
        const std::string caminho =
            AArgs.Saida.value_or(NomeFicheiroPadrao(AConfig.Lado, AConfig.NumPuzzles));
        const auto puzzles = static_cast<std::int32_t>(APuzzles.size());
        GravarLivroPdf(caminho, TDadosLivro{AConfig, std::move(APuzzles)});
        FSaida << TextoLivroGerado(puzzles, NumPaginasDoLivro(puzzles)) << '\n'
               << "Ficheiro: " << caminho << '\n';
        return SAIDA_SUCESSO;
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
        return comando.Falhar("Erro: " + MensagemDoErro(e), SAIDA_INVALIDO);
    }
}

} // namespace palvorin
