// Draft: raw technique usage per generated puzzle.
#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinGerador.hpp"
#include "UnitPalvorinRandom.hpp"
#include "UnitPalvorinResolucaoHumana.hpp"

#include <chrono>
#include <ctime>
#include <iostream>

using namespace palvorin;

static std::chrono::nanoseconds::rep Cpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

int main(int argc, char** argv) {
    const std::int32_t lado = std::stoi(argv[1]);
    const std::int32_t n = std::stoi(argv[2]);
    TRelatorioDic reld;
    auto dic = CarregarDicionario(".", reld);
    const TOpcoesGerador opc = OpcoesGeradorPadrao();
    for (std::int32_t i = 1; i <= n; ++i) {
        TPuzzle puzzle;
        TEstatisticasGerador e;
        auto t0 = Cpu();
        if (!GerarPuzzle(*dic, lado, DerivarSemente(2027, i), opc, {}, puzzle, e))
            continue;
        auto t1 = Cpu();
        TRegistoResolucao r = ResolverComoPessoa(puzzle);
        auto t2 = Cpu();
        std::cout << lado << ',' << puzzle.Palavras.size();
        for (auto u : r.Usos)
            std::cout << ',' << u;
        std::cout << ',' << r.Comparacoes << ',' << (r.Resolvido && r.Letras == puzzle.Letras)
                  << ',' << (t1 - t0) / 1000.0 << ','
                  << (t2 - t1) / 1000.0 << '\n';
    }
}
