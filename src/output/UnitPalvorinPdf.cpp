#include "UnitPalvorinPdf.hpp"

#include "UnitPalvorinCinzento.hpp"
#include "UnitPalvorinDocumentoPdf.hpp"
#include "UnitPalvorinGravarFicheiro.hpp"
#include "UnitPalvorinMarca.hpp"

namespace palvorin {

namespace {

// The layout indexes Letras by row and column; a board of the wrong size must not
// get that far.
void VerificarPuzzles(const std::vector<TPuzzle>& APuzzles) {
    for (std::size_t i = 0; i < APuzzles.size(); ++i) {
        const TPuzzle& p = APuzzles[i];
        if (p.Lado < 1 || p.Lado > 100 ||
            p.Letras.size() != static_cast<std::size_t>(p.Lado) * static_cast<std::size_t>(p.Lado))
            throw EPalvorin("O puzzle " + std::to_string(i + 1) + " não tem um tabuleiro válido.");
    }
}

// Pages of a PDF document, each handed out as its canvas.
class TDestinoPdf : public IDestinoPaginas {
public:
    explicit TDestinoPdf(TDocumentoPdf& APdf) : FPdf(APdf) {}
    std::shared_ptr<ICanvasPagina> NovaPagina() override { return FPdf.NovaPagina(); }

private:
    TDocumentoPdf& FPdf;
};

} // namespace

std::optional<TLivroGravado> GravarLivroPdf(const std::string& ANomeFicheiro,
                                            const TDadosLivro& ALivro,
                                            const TPedidoParagem& AParar) {
    if (ALivro.Puzzles.empty())
        throw EPalvorin("Não há puzzles para gravar.");
    VerificarPuzzles(ALivro.Puzzles);
    try {
        const TReceitaLivro receita{ALivro.Config.Pedido(), ALivro.Lista};
        const TCompositorLivro compositor(ALivro);
        TDocumentoPdf pdf({NOME_PROGRAMA, NOME_AUTOR, DataDeCriacao(),
                           NOME_PROGRAMA + " " + VERSAO_PALVORIN, ResumoDaReceita(receita),
                           TextoDaReceita(receita)},
                          compositor.Formato().LarguraPt, compositor.Formato().AlturaPt);
        {
            TDestinoPdf destino(pdf);
            compositor.Compor(destino);
        }
        const std::vector<std::uint8_t>& feito = pdf.Terminar();
        // Converted whole before the target is touched, so it ends new or as it was.
        std::optional<std::vector<std::uint8_t>> cinzento;
        if (ALivro.Config.Grafica() && !(cinzento = PdfEmCinzento(feito, AParar)))
            return std::nullopt;
        const std::vector<std::uint8_t>& bytes = cinzento ? *cinzento : feito;
        if (!GravarFicheiroInteiro(ANomeFicheiro, bytes, AParar))
            return std::nullopt;
        return TLivroGravado{pdf.NumPaginas(), bytes.size()};
    } catch (const ECairo& e) {
        FalharComCausa(ANomeFicheiro, e.what());
    }
}

} // namespace palvorin
