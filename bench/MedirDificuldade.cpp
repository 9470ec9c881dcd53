// The difficulty of generated puzzles: draws puzzles of one side with the built-in list, grades
// each, and prints the distribution of points (from which the level limits are chosen), the
// stalls and techniques needed, the share of each level under the limits in use, how the
// reading cost ranks puzzles against the points, and the processor time of generating against
// grading. With a level, the puzzles are drawn with the options of books of that level.
//   medir_dificuldade LADO PUZZLES [SEMENTE [facil|medio|dificil]]
#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinDificuldade.hpp"
#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinRandom.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <map>
#include <optional>
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

// Spearman's rank correlation, ties given their mean rank.
double Spearman(const std::vector<double>& AX, const std::vector<double>& AY) {
    const auto postos = [](const std::vector<double>& AV) {
        std::vector<std::size_t> ordem(AV.size());
        for (std::size_t i = 0; i < ordem.size(); ++i)
            ordem[i] = i;
        std::sort(ordem.begin(), ordem.end(),
                  [&](std::size_t a, std::size_t b) { return AV[a] < AV[b]; });
        std::vector<double> p(AV.size());
        for (std::size_t i = 0; i < ordem.size();) {
            std::size_t j = i;
            while (j < ordem.size() && AV[ordem[j]] == AV[ordem[i]])
                ++j;
            for (std::size_t k = i; k < j; ++k)
                p[ordem[k]] = (static_cast<double>(i + j) - 1) / 2;
            i = j;
        }
        return p;
    };
    const std::vector<double> px = postos(AX);
    const std::vector<double> py = postos(AY);
    const double n = static_cast<double>(px.size());
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < px.size(); ++i) {
        mx += px[i] / n;
        my += py[i] / n;
    }
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < px.size(); ++i) {
        sxy += (px[i] - mx) * (py[i] - my);
        sxx += (px[i] - mx) * (px[i] - mx);
        syy += (py[i] - my) * (py[i] - my);
    }
    return sxx > 0 && syy > 0 ? sxy / std::sqrt(sxx * syy) : 0;
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
        std::cerr << "Uso: medir_dificuldade LADO PUZZLES [SEMENTE [facil|medio|dificil]]\n";
        return 2;
    }
    const std::int32_t lado = std::stoi(argv[1]);
    const std::int32_t pedidos = std::stoi(argv[2]);
    const auto semente = static_cast<std::uint32_t>(argc > 3 ? std::stoul(argv[3]) : 2027);
    TRelatorioDic relDic;
    const auto dic = CarregarDicionario(".", relDic);
    std::optional<TNivelDificuldade> rumo;
    if (argc > 4) {
        const std::string nome = argv[4];
        rumo = nome == "facil"   ? TNivelDificuldade::ndFacil
               : nome == "medio" ? TNivelDificuldade::ndMedio
                                 : TNivelDificuldade::ndDificil;
    }
    TOpcoesGerador opc = rumo ? OpcoesGeradorDeNivel(*rumo) : OpcoesGeradorPadrao();
    opc.Classificar = false; // graded below, timed apart

    std::vector<std::int32_t> pontos;
    std::vector<double> pontosReais, leituras, paragens;
    std::vector<double> tempoGerar;
    std::vector<double> tempoClassificar;
    std::vector<double> razao;
    std::array<std::int32_t, NUM_TECNICAS> precisaram{};
    std::array<std::int32_t, 3> porNivel{};
    std::array<std::int32_t, 4> comParagens{}; // 0, 1, 2, 3 or more stalls
    std::array<std::int32_t, 4> maiorCadeia{}; // longest chain: 0, 1, 2, 3 or more
    std::int32_t entrada = 0;                  // a length with a single word
    // Levels by the fewest words of one length: 1, 2, 3, 4 or more.
    std::array<std::array<std::int32_t, 3>, 4> porMenorGrupo{};
    std::int32_t discordantes = 0;
    for (std::int32_t i = 1; i <= pedidos; ++i) {
        TPuzzle puzzle;
        TEstatisticasGerador estat;
        const double t0 = CpuMicrossegundos();
        if (!GerarPuzzle(*dic, lado, DerivarSemente(semente, static_cast<std::uint32_t>(i)), opc,
                         {}, puzzle, estat))
            continue;
        const double tGerado = CpuMicrossegundos();
        // A book grades with the pattern and the words the generator already holds.
        TPadrao pretas(puzzle.Letras.size());
        for (std::size_t c = 0; c < pretas.size(); ++c)
            pretas[c] = puzzle.Letras[c] == '#';
        const TPadraoAnalisado padrao(std::move(pretas), lado);
        std::vector<std::string> grelhas;
        for (const TPalavraColocada& w : puzzle.Palavras)
            grelhas.push_back(w.Grelha);
        const double t1 = CpuMicrossegundos();
        const TRegistoResolucao registo = ResolverComoPessoa(padrao, grelhas);
        const std::int32_t p = PontosDaResolucao(registo);
        const TNivelDificuldade nivel = NivelDaResolucao(registo, p);
        const double t2 = CpuMicrossegundos();
        tempoGerar.push_back(tGerado - t0);
        tempoClassificar.push_back(t2 - t1);
        razao.push_back((t2 - t1) / (tGerado - t0));
        pontos.push_back(p);
        pontosReais.push_back(p);
        leituras.push_back(
            LeituraDaResolucao(registo, static_cast<std::int32_t>(puzzle.Palavras.size())));
        paragens.push_back(static_cast<double>(registo.Paragens.size()));
        ++porNivel[static_cast<std::size_t>(nivel)];
        ++comParagens[std::min<std::size_t>(registo.Paragens.size(), 3)];
        std::size_t cadeia = 0;
        for (const TParagem& paragem : registo.Paragens)
            cadeia = std::max(cadeia, paragem.Eliminacoes.size());
        ++maiorCadeia[std::min<std::size_t>(cadeia, 3)];
        std::map<std::size_t, std::int32_t> porComprimento;
        for (const TPalavraColocada& w : puzzle.Palavras)
            ++porComprimento[w.Grelha.size()];
        std::int32_t menor = 99;
        for (const auto& [comprimento, n] : porComprimento)
            menor = std::min(menor, n);
        if (menor == 1)
            ++entrada;
        ++porMenorGrupo[static_cast<std::size_t>(std::min(menor, 4) - 1)]
                       [static_cast<std::size_t>(nivel)];
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
              << (rumo ? ", opções dos livros de nível " + TextoDoNivel(*rumo) : "") << "), "
              << pedidos - static_cast<std::int32_t>(pontos.size()) << " sementes sem puzzle, "
              << discordantes << " não resolvidos ou diferentes da solução\n";
    std::cout << "Técnica mais cara precisa:";
    for (const TDescritorTecnica& d : TECNICAS)
        std::cout << ' ' << d.Nome << ' '
                  << percentagem(precisaram[static_cast<std::size_t>(d.Tecnica)]) << ';';
    std::cout << "\nParagens 0/1/2/3+: " << percentagem(comParagens[0]) << ", "
              << percentagem(comParagens[1]) << ", " << percentagem(comParagens[2]) << ", "
              << percentagem(comParagens[3])
              << "; maior cadeia de eliminações 0/1/2/3+: " << percentagem(maiorCadeia[0]) << ", "
              << percentagem(maiorCadeia[1]) << ", " << percentagem(maiorCadeia[2]) << ", "
              << percentagem(maiorCadeia[3]) << "; com ponto de entrada " << percentagem(entrada)
              << '\n';
    std::cout << "Pontos, percentis 25/33/50/67/75/90/95/99 e máximo:";
    for (const double q : {0.25, 1.0 / 3, 0.50, 2.0 / 3, 0.75, 0.90, 0.95, 0.99, 1.0})
        std::cout << ' ' << Quantil(pontos, q);
    std::cout << '\n';
    std::cout << "Pontos por valor (até 40):";
    for (std::int32_t v = 0; v <= 40; ++v) {
        const auto c = std::count(pontos.begin(), pontos.end(), v);
        if (c > 0)
            std::cout << ' ' << v << ':' << c;
    }
    std::cout << '\n';
    std::cout << "Limites em uso (Fácil sem paragem, Médio até " << PONTOS_MAX_MEDIO << "): Fácil "
              << percentagem(porNivel[0]) << ", Médio " << percentagem(porNivel[1]) << ", Difícil "
              << percentagem(porNivel[2]) << '\n';
    for (std::size_t g = 0; g < porMenorGrupo.size(); ++g) {
        const auto& c = porMenorGrupo[g];
        const std::int32_t total = c[0] + c[1] + c[2];
        std::cout << "Menor grupo " << g + 1 << (g == 3 ? "+" : "") << ": " << percentagem(total)
                  << " dos puzzles; Fácil/Médio/Difícil " << c[0] << '/' << c[1] << '/' << c[2]
                  << '\n';
    }
    std::cout << "Spearman: leitura e pontos " << Spearman(leituras, pontosReais)
              << ", leitura e paragens " << Spearman(leituras, paragens) << '\n';
    std::cout << "Tempo de processador por puzzle (µs), mediana e média: gerar "
              << Quantil(tempoGerar, 0.5) << " e " << Media(tempoGerar) << ", classificar "
              << Quantil(tempoClassificar, 0.5) << " e " << Media(tempoClassificar) << '\n';
    std::cout << "Classificar / gerar: mediana por puzzle " << 100 * Quantil(razao, 0.5)
              << " %, percentil 90 " << 100 * Quantil(razao, 0.9) << " %, das médias "
              << 100 * Media(tempoClassificar) / Media(tempoGerar) << " %\n";
    return 0;
}
