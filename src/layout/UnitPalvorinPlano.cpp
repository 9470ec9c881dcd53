#include "UnitPalvorinPlano.hpp"

namespace palvorin {

namespace {

// A separator must be the front of a sheet: an odd page number.
void AlinharSeccao(std::vector<TDescPagina>& APaginas) {
    if (APaginas.size() % 2 != 0)
        APaginas.push_back({TTipoPagina::pgSimbolo, 0, 0});
}

bool TemRodape(TTipoPagina ATipo) {
    return ATipo == TTipoPagina::pgVerso || ATipo == TTipoPagina::pgPuzzle ||
           ATipo == TTipoPagina::pgSolucoes || ATipo == TTipoPagina::pgLista;
}

} // namespace

std::vector<TDescPagina> PlanearPaginas(std::int32_t ANumPuzzles, const TOpcoesPlano& AOpcoes) {
    using enum TTipoPagina;
    std::vector<TDescPagina> paginas = {{pgCapa, 0, 0}, {pgVerso, 0, 0}};
    AlinharSeccao(paginas);
    paginas.push_back({pgSeparador, 0, 0});
    // The separator is a right-hand page, so each two-page puzzle starts on a left-hand one.
    for (std::int32_t i = 0; i < ANumPuzzles; ++i) {
        paginas.push_back({pgPuzzle, i, 0});
        if (AOpcoes.PuzzleEmDuasPaginas)
            paginas.push_back({pgLista, i, 0});
    }
    AlinharSeccao(paginas);
    paginas.push_back({pgSeparador, 1, 0});
    for (std::int32_t i = 0; i < ANumPuzzles; i += AOpcoes.SolucoesPorPagina)
        paginas.push_back({pgSolucoes, i, 0});
    if (AOpcoes.PaginasPares && paginas.size() % 2 != 0)
        paginas.push_back({pgNotas, 0, 0});
    for (std::size_t p = 0; p < paginas.size(); ++p)
        if (TemRodape(paginas[p].Tipo))
            paginas[p].Numero = static_cast<std::int32_t>(p + 1);
    return paginas;
}

std::int32_t NumPaginasDoLivro(std::int32_t ANumPuzzles, const TOpcoesPlano& AOpcoes) {
    return static_cast<std::int32_t>(PlanearPaginas(ANumPuzzles, AOpcoes).size());
}

bool TemAcentos(const std::vector<TPuzzle>& APuzzles) {
    for (const TPuzzle& puzzle : APuzzles)
        for (const TPalavraColocada& palavra : puzzle.Palavras)
            if (palavra.Texto != palavra.Grelha)
                return true;
    return false;
}

} // namespace palvorin
