#pragma once

#include "UnitPalvorinCanvas.hpp"
#include "UnitPalvorinFormato.hpp"
#include "UnitPalvorinPlano.hpp"
#include "UnitPalvorinReceita.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <memory>
#include <vector>

namespace palvorin {

// The sink of pages: appends a blank page and hands out its canvas.
class IDestinoPaginas {
public:
    virtual ~IDestinoPaginas() = default;
    virtual std::shared_ptr<ICanvasPagina> NovaPagina() = 0;
};

// The book to lay out. The layout reads Config.Lado, Config.Titulo, Config.Nivel and the theme's
// name only, and counts the puzzles it is given, not the number requested; Config and Lista are
// also the recipe the PDF records.
struct TDadosLivro {
    TConfigLivro Config;
    std::vector<TPuzzle> Puzzles;
    TListaUsada Lista;
};

// What went into a book's file once written, for the messages that report it.
struct TLivroGravado {
    std::int32_t Paginas = 0;
    std::uint64_t Bytes = 0;

    bool operator==(const TLivroGravado&) const = default;
};

// The page format of a book before the gutter, which depends on the page count.
TFormatoPagina FormatoSemMedianiz(const TConfigLivro& AConfig);
TOpcoesPlano OpcoesDoPlano(const TConfigLivro& AConfig);
// The pages of a book of ANumPuzzles laid out as AConfig asks.
std::int32_t NumPaginasDoLivro(std::int32_t ANumPuzzles, const TConfigLivro& AConfig);

// Running footer of a numbered page; nothing when ANumero <= 0.
void DesenharRodape(ICanvasPagina& ACanvas, std::int32_t ANumero,
                    const TFormatoPagina& AFormato = FormatoA4());

// Plans a book at construction and draws it page by page through a destination.
class TCompositorLivro {
public:
    explicit TCompositorLivro(const TDadosLivro& ALivro);

    std::int32_t NumPaginas() const;
    const TFormatoPagina& Formato() const { return FFormato; }
    const std::vector<TDescPagina>& Paginas() const { return FPaginas; }
    // Draws every planned page, each one complete before the next is asked for.
    void Compor(IDestinoPaginas& ADestino) const;

    void DesenharCapa(ICanvasPagina& ACanvas) const;
    void DesenharVerso(ICanvasPagina& ACanvas, const TDescPagina& APagina) const;
    void DesenharSeparador(ICanvasPagina& ACanvas, const TDescPagina& APagina) const;
    void DesenharSimbolo(ICanvasPagina& ACanvas) const;
    void DesenharPuzzle(ICanvasPagina& ACanvas, const TDescPagina& APagina) const;
    void DesenharSolucoes(ICanvasPagina& ACanvas, const TDescPagina& APagina) const;
    void DesenharPaginaLista(ICanvasPagina& ACanvas, const TDescPagina& APagina) const;
    void DesenharNotas(ICanvasPagina& ACanvas) const;

private:
    void DesenharCabecalhoPuzzle(ICanvasPagina& ACanvas, std::int32_t AIndice) const;
    void DesenharPagina(ICanvasPagina& ACanvas, const TDescPagina& APagina) const;

    TDadosLivro FLivro;
    TFormatoPagina FFormato;
    bool FDuasPaginas = false;
    std::vector<TDescPagina> FPaginas;
    bool FTemAcentos = false;
};

} // namespace palvorin
