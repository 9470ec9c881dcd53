#pragma once

#include "UnitPalvorinCanvas.hpp"
#include "UnitPalvorinFormato.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace palvorin {

// One line of a puzzle's word list: a heading ("5 letras") or a word in its list form.
struct TEntradaLista {
    std::string Texto;
    bool Cabecalho = false;

    bool operator==(const TEntradaLista&) const = default;
};

// Where and how a list is drawn. XColuna is relative to the left of the planned area.
struct TPlanoLista {
    std::int32_t Colunas = 0;
    std::int32_t Linhas = 0;
    double TamanhoPt = 0;
    double PassoMm = 0;
    double AlturaMm = 0;
    double LarguraMm = 0;
    bool Cabe = false;
    std::vector<std::int32_t> ColunaDe;
    std::vector<std::int32_t> LinhaDe;
    std::vector<double> XColuna;
};

// Groups by length of the board form, shortest first, each under its heading.
std::vector<TEntradaLista> MontarLista(const std::vector<TPalavraColocada>& APalavras);
// List forms ordered by board form, then list form (UTF-16 code unit order).
std::vector<std::string> OrdenarPalavras(const std::vector<TPalavraColocada>& APalavras);
// Every group starts a new column; returns the number of columns.
std::int32_t DistribuirColunas(const std::vector<TEntradaLista>& AEntradas, std::int32_t AMaxLinhas,
                               std::vector<std::int32_t>& AColunaDe,
                               std::vector<std::int32_t>& ALinhaDe, std::int32_t& ALinhas);
// The largest font size at which the list fits the area; ACanvas only measures.
TPlanoLista PlanearLista(ICanvasPagina& ACanvas, const std::vector<TEntradaLista>& AEntradas,
                         double ALarguraMm, double AAlturaMm,
                         const TTamanhosLista& ATamanhos = FormatoA4().Lista);
void DesenharLista(ICanvasPagina& ACanvas, const std::vector<TEntradaLista>& AEntradas,
                   const TPlanoLista& APlano, double AX, double AY);

} // namespace palvorin
