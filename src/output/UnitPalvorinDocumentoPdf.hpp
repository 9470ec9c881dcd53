#pragma once

#include "UnitPalvorinCairo.hpp"
#include "UnitPalvorinCanvasCairo.hpp"
#include "UnitPalvorinFontes.hpp"

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace palvorin {

// The document information; empty fields are left out.
struct TInfoDocumento {
    std::string Titulo;
    std::string Autor;
    std::time_t DataCriacao = 0;
    std::string Criador;
    std::string Assunto;
    std::string PalavrasChave;
};

// A PDF document of pages of one size drawn in memory; nothing touches the disk: Terminar
// hands out the whole document at once.
class TDocumentoPdf {
public:
    // The page size in points; A4 portrait is 595 x 842.
    explicit TDocumentoPdf(const TInfoDocumento& AInfo, double ALarguraPt = 595,
                           double AAlturaPt = 842);
    ~TDocumentoPdf();
    TDocumentoPdf(const TDocumentoPdf&) = delete;
    TDocumentoPdf& operator=(const TDocumentoPdf&) = delete;

    // Closes the current page and appends a blank one, with its canvas.
    std::shared_ptr<TCanvasCairo> NovaPagina();
    std::int32_t NumPaginas() const { return FNumPaginas; }
    // Finishes the document and hands out its bytes.
    const std::vector<std::uint8_t>& Terminar();

private:
    static cairo_status_t Acrescentar(void* ADocumento, const unsigned char* ADados,
                                      unsigned int ATamanho);
    void EncerrarPagina();

    std::vector<std::uint8_t> FBytes;
    TFontesLivro FFontes;
    TSuperficieCairo FSuperficie;
    std::shared_ptr<TCanvasCairo> FPagina;
    std::int32_t FNumPaginas = 0;
};

// The creation date of a document written now: SOURCE_DATE_EPOCH when set, so that
// builds of the same book can be compared byte for byte.
std::time_t DataDeCriacao();

} // namespace palvorin
