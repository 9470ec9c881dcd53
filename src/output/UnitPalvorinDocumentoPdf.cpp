#include "UnitPalvorinDocumentoPdf.hpp"

#include "UnitPalvorinGravarFicheiro.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cairo-pdf.h>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace palvorin {

namespace {

// ISO 8601 in UTC, as Cairo takes it.
std::string DataIso(std::time_t AData) {
    std::tm utc{};
    gmtime_r(&AData, &utc);
    char texto[32];
    std::strftime(texto, sizeof texto, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return texto;
}

} // namespace

std::time_t DataDeCriacao() {
    if (const char* epoca = std::getenv("SOURCE_DATE_EPOCH")) {
        long long segundos = 0;
        const char* fim = epoca + std::strlen(epoca);
        const auto [resto, erro] = std::from_chars(epoca, fim, segundos);
        if (erro == std::errc() && resto == fim && resto != epoca && segundos >= 0)
            return static_cast<std::time_t>(segundos);
    }
    return std::time(nullptr);
}

TDocumentoPdf::TDocumentoPdf(const TInfoDocumento& AInfo, double ALarguraPt, double AAlturaPt)
    : FSuperficie(cairo_pdf_surface_create_for_stream(Acrescentar, this, ALarguraPt, AAlturaPt)) {
    VerificarCairo(cairo_surface_status(FSuperficie.get()));
    const std::pair<cairo_pdf_metadata_t, std::string> campos[] = {
        {CAIRO_PDF_METADATA_TITLE, AInfo.Titulo},
        {CAIRO_PDF_METADATA_AUTHOR, AInfo.Autor},
        {CAIRO_PDF_METADATA_SUBJECT, AInfo.Assunto},
        {CAIRO_PDF_METADATA_KEYWORDS, AInfo.PalavrasChave},
        {CAIRO_PDF_METADATA_CREATOR, AInfo.Criador},
        {CAIRO_PDF_METADATA_CREATE_DATE, DataIso(AInfo.DataCriacao)}};
    for (const auto& [campo, valor] : campos)
        if (!valor.empty())
            cairo_pdf_surface_set_metadata(FSuperficie.get(), campo, valor.c_str());
}

TDocumentoPdf::~TDocumentoPdf() {
    if (FPagina)
        FPagina->Encerrar();
}

cairo_status_t TDocumentoPdf::Acrescentar(void* ADocumento, const unsigned char* ADados,
                                          unsigned int ATamanho) {
    auto* documento = static_cast<TDocumentoPdf*>(ADocumento);
    documento->FBytes.insert(documento->FBytes.end(), ADados, ADados + ATamanho);
    return CAIRO_STATUS_SUCCESS;
}

void TDocumentoPdf::EncerrarPagina() {
    if (!FPagina)
        return;
    const std::shared_ptr<TCanvasCairo> pagina = std::move(FPagina);
    VerificarCairo(pagina->Encerrar());
    cairo_surface_show_page(FSuperficie.get());
    VerificarCairo(cairo_surface_status(FSuperficie.get()));
}

std::shared_ptr<TCanvasCairo> TDocumentoPdf::NovaPagina() {
    EncerrarPagina();
    FPagina = std::make_shared<TCanvasCairo>(FSuperficie.get(), PONTOS_POR_POLEGADA, FFontes);
    ++FNumPaginas;
    return FPagina;
}

const std::vector<std::uint8_t>& TDocumentoPdf::Terminar() {
    EncerrarPagina();
    cairo_surface_finish(FSuperficie.get());
    VerificarCairo(cairo_surface_status(FSuperficie.get()));
    return FBytes;
}

} // namespace palvorin
