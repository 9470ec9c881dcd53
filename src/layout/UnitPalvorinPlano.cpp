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
           ATipo == TTipoPagina::pgSolucoes;
}

} // namespace

std::vector<TDescPagina> PlanearPaginas(std::int32_t ANumPuzzles) {
    using enum TTipoPagina;
    std::vector<TDescPagina> paginas = {{pgCapa, 0, 0}, {pgVerso, 0, 0}};
    AlinharSeccao(paginas);
    paginas.push_back({pgSeparador, 0, 0});
    for (std::int32_t i = 0; i < ANumPuzzles; ++i)
        paginas.push_back({pgPuzzle, i, 0});
    AlinharSeccao(paginas);
    paginas.push_back({pgSeparador, 1, 0});
    for (std::int32_t i = 0; i < ANumPuzzles; i += SOLUCOES_POR_PAGINA)
        paginas.push_back({pgSolucoes, i, 0});
    for (std::size_t p = 0; p < paginas.size(); ++p)
        if (TemRodape(paginas[p].Tipo))
            paginas[p].Numero = static_cast<std::int32_t>(p + 1);
    return paginas;
}

std::int32_t NumPaginasDoLivro(std::int32_t ANumPuzzles) {
    return static_cast<std::int32_t>(PlanearPaginas(ANumPuzzles).size());
}

bool TemAcentos(const std::vector<TPuzzle>& APuzzles) {
    for (const TPuzzle& puzzle : APuzzles)
        for (const TPalavraColocada& palavra : puzzle.Palavras)
            if (palavra.Texto != palavra.Grelha)
                return true;
    return false;
}

} // namespace palvorin
