#include "UnitPalvorinArgumentos.hpp"

#include "UnitPalvorinOpcoes.hpp"
#include "UnitPalvorinTexto.hpp"

namespace palvorin {

namespace {

// "--lado, --puzzles, --semente nem --dificuldade"
std::string FixadasPelaReceita() {
    std::vector<std::string_view> nomes;
    for (const TOpcaoLivro& opcao : OpcoesLivro())
        if (!opcao.CampoReceita.empty() && !opcao.MudaAoRefazer)
            nomes.push_back(opcao.Nome);
    std::string texto;
    for (std::size_t i = 0; i < nomes.size(); ++i)
        texto += (i == 0 ? "" : i + 1 == nomes.size() ? " nem " : ", ") + std::string(nomes[i]);
    return texto;
}

void GuardarValor(const TOpcaoLivro& AOpcao, const std::string& AValor, TArgumentosLivro& AArgs) {
    if (AOpcao.Tipo == TTipoOpcao::toFicheiro && AValor.empty())
        throw EPalvorin("Falta o valor da opção " + std::string(AOpcao.Nome) + ".");
    if (!ValorAceite(AOpcao, AValor))
        throw EPalvorin("Valor inválido para " + std::string(AOpcao.Nome) + ": «" + AValor + "» (" +
                        UsoDaOpcao(AOpcao) + ").");
    AOpcao.Guardar(AArgs, AValor);
}

void VerificarCombinacoes(const TArgumentosLivro& AArgs) {
    if (AArgs.Refazer)
        for (const TOpcaoLivro& opcao : OpcoesLivro())
            if (!opcao.CampoReceita.empty() && !opcao.MudaAoRefazer && AArgs.Dada(opcao.Nome))
                throw EPalvorin("A opção --refazer não se usa com " + FixadasPelaReceita() +
                                ": o livro já os traz.");
    if (AArgs.Json && AArgs.Saida)
        throw EPalvorin("As opções --json e -o não podem ser usadas juntas.");
}

} // namespace

TArgumentosLivro AnalisarArgumentos(const std::vector<std::string>& AArgumentos) {
    TArgumentosLivro args;
    for (std::size_t i = 0; i < AArgumentos.size(); ++i) {
        std::string nome = AArgumentos[i];
        std::optional<std::string> valor;
        if (const auto igual = nome.find('=');
            nome.rfind("--", 0) == 0 && igual != std::string::npos) {
            valor = nome.substr(igual + 1);
            nome.resize(igual);
        }
        const TOpcaoLivro* opcao = ProcurarOpcao(nome);
        if (!opcao) {
            if (nome.rfind("-", 0) == 0)
                throw EPalvorin("Opção desconhecida: «" + nome + "».");
            throw EPalvorin("Argumento inesperado: «" + nome + "».");
        }
        if (opcao->Tipo == TTipoOpcao::toInterruptor) {
            if (valor)
                throw EPalvorin("A opção " + nome + " não leva valor.");
        } else if (!valor) {
            if (i + 1 >= AArgumentos.size())
                throw EPalvorin("Falta o valor da opção " + nome + ".");
            valor = AArgumentos[++i];
        }
        GuardarValor(*opcao, valor.value_or(""), args);
        args.Dadas.push_back(opcao->Nome);
    }
    VerificarCombinacoes(args);
    // The theme is judged once read: until then it holds only what names it.
    TPedidoLivro semTema = args.Livro;
    semTema.Tema.reset();
    const TAnalise analise = AnalisarOpcoes(semTema);
    if (!analise.PodeGerar())
        throw EPalvorin(analise.Motivo);
    args.Livro.Titulo = analise.Config->Titulo();
    return args;
}

} // namespace palvorin
