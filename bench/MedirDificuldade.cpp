// The difficulty of generated puzzles: draws puzzles of one side with the built-in list, grades
// each, and prints the distribution of points (whose tertiles set the level thresholds), the
// techniques needed, the share of each level under the thresholds in use, and the processor
// time of generating against grading. With "nivel", the puzzles are drawn with the options of
// books of one level.
//   medir_dificuldade LADO PUZZLES [SEMENTE [nivel]]
#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinDificuldade.hpp"
#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinRandom.hpp"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

using namespace palvorin;

namespace {

// This thread's processor time: a machine shared with other work does not inflate it.
double CpuMicrossegundos() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

template <typename T> T Quantil(std::vector<T> AValores, double AQ) {
    std::sort(AValores.begin(), AValores.end());
    return AValores[static_cast<std::size_t>(AQ * static_cast<double>(AValores.size() - 1))];
}

double Media(const std::vector<double>& AValores) {
    double soma = 0;
    for (const double v : AValores)
        soma += v;
    return soma / static_cast<double>(AValores.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "Uso: medir_dificuldade LADO PUZZLES [SEMENTE [nivel]]\n";
        return 2;
    }
    const std::int32_t lado = std::stoi(argv[1]);
    const std::int32_t pedidos = std::stoi(argv[2]);
    const auto semente = static_cast<std::uint32_t>(argc > 3 ? std::stoul(argv[3]) : 2027);
    TRelatorioDic relDic;
    const auto dic = CarregarDicionario(".", relDic);
    const bool deNivel = argc > 4 && std::string(argv[4]) == "nivel";
    const TOpcoesGerador opc = deNivel ? OpcoesGeradorDeNivel() : OpcoesGeradorPadrao();

    std::vector<std::int32_t> pontos;
    std::vector<double> tempoGerar;
    std::vector<double> tempoClassificar;
    std::vector<double> razao;
    std::array<std::int32_t, NUM_TECNICAS> precisaram{};
    std::array<std::int32_t, 3> porNivel{};
    std::int32_t discordantes = 0;
    for (std::int32_t i = 1; i <= pedidos; ++i) {
        TPuzzle puzzle;
        TEstatisticasGerador estat;
        const double t0 = CpuMicrossegundos();
        if (!GerarPuzzle(*dic, lado, DerivarSemente(semente, static_cast<std::uint32_t>(i)), opc,
                         {}, puzzle, estat))
            continue;
        const double t1 = CpuMicrossegundos();
        const TRegistoResolucao registo = ResolverComoPessoa(puzzle);
        const std::int32_t p =
            PontosDaResolucao(registo, static_cast<std::int32_t>(puzzle.Palavras.size()));
        const TNivelDificuldade nivel = NivelDaResolucao(lado, registo, p);
        const double t2 = CpuMicrossegundos();
        tempoGerar.push_back(t1 - t0);
        tempoClassificar.push_back(t2 - t1);
        razao.push_back((t2 - t1) / (t1 - t0));
        pontos.push_back(p);
        ++porNivel[static_cast<std::size_t>(nivel)];
        if (!registo.Resolvido || registo.Letras != puzzle.Letras)
            ++discordantes;
        // The costliest technique this puzzle needed.
        for (std::size_t t = NUM_TECNICAS; t-- > 0;)
            if (registo.Usos[t] > 0) {
                ++precisaram[t];
                break;
            }
    }
    if (pontos.empty()) {
        std::cerr << "Nenhum puzzle gerado.\n";
        return 1;
    }

    const auto n = static_cast<double>(pontos.size());
    const auto percentagem = [n](std::int32_t AContagem) {
        char texto[16];
        std::snprintf(texto, sizeof texto, "%.1f %%", 100.0 * AContagem / n);
        return std::string(texto);
    };
    std::cout << "Lado " << lado << ": " << pontos.size() << " puzzles (semente " << semente
              << (deNivel ? ", opções dos livros de um nível" : "") << "), " << discordantes
              << " não resolvidos ou diferentes da solução\n";
    std::cout << "Técnica mais cara precisa: comprimento único " << percentagem(precisaram[0])
              << ", ranhura única " << percentagem(precisaram[1]) << ", palavra única "
              << percentagem(precisaram[2]) << ", eliminação " << percentagem(precisaram[3])
              << ", tentativa " << percentagem(precisaram[4]) << '\n';
    std::cout << "Pontos, percentis 5/10/25/33/50/67/75/90/95 e máximo:";
    for (const double q : {0.05, 0.10, 0.25, 1.0 / 3, 0.50, 2.0 / 3, 0.75, 0.90, 0.95, 1.0})
        std::cout << ' ' << Quantil(pontos, q);
    std::cout << '\n';
    const TLimitesNivel limites = LimitesDoLado(lado);
    std::cout << "Limites em uso (Fácil até " << limites.Facil << ", Médio até " << limites.Medio
              << "): Fácil " << percentagem(porNivel[0]) << ", Médio " << percentagem(porNivel[1])
              << ", Difícil " << percentagem(porNivel[2]) << '\n';
    std::cout << "Tempo de processador por puzzle (µs), mediana e média: gerar "
              << Quantil(tempoGerar, 0.5) << " e " << Media(tempoGerar) << ", classificar "
              << Quantil(tempoClassificar, 0.5) << " e " << Media(tempoClassificar) << '\n';
    std::cout << "Classificar / gerar: mediana por puzzle " << 100 * Quantil(razao, 0.5)
              << " %, percentil 90 " << 100 * Quantil(razao, 0.9) << " %, das médias "
              << 100 * Media(tempoClassificar) / Media(tempoGerar) << " %\n";
    return 0;
}
