#pragma once

#include "UnitPalvorinDocumentoPdf.hpp"
#include "UnitPalvorinPaginas.hpp"

#include <memory>
#include <string>

namespace palvorin {

// Pages of a PDF document, each handed out as a canvas at DPI_PAGINA units per inch.
class TDestinoPdf : public IDestinoPaginas {
public:
    explicit TDestinoPdf(TDocumentoPdf& APdf);
    std::shared_ptr<ICanvasPagina> NovaPagina() override;

private:
    TDocumentoPdf& FPdf;
};

// Lays the book out, with the book's recipe in the document information, and writes it to
// ANomeFicheiro as GravarFicheiroInteiro does: on any failure, or when AParar asks to stop
// (then the result is false), a file at that path is left as it was.
bool GravarLivroPdf(const std::string& ANomeFicheiro, const TDadosLivro& ALivro,
                    const TPedidoParagem& AParar = {});

} // namespace palvorin
