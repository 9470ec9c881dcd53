#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinPadrao.hpp"
#include "UnitPalvorinResolvedor.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace palvorin {

// Every default here decides which puzzles a seed gives: changing one changes the books, so
// raise PALVORIN_REVISAO_GERADOR with it.
struct TOpcoesGerador {
    TOpcoesPreenchimento Preenchimento;
    bool PermitirRaras = true;          // retry a failed common-only fill with rare words
    std::int32_t MaxPadroes = 400;      // patterns drawn at most per call
    std::int32_t MaxPreenchimentos = 8; // fill-and-count attempts at most per pattern
    std::int32_t LimiteNosContagem = 100000;
    double Densidade = 0.3;
    double ProbEvitarCurtas = 0.7;
    double MaxFraccaoCurtas = 0.4; // largest share of 3-cell slots; 0 or less: no test
    bool Classificar = false;      // grade the puzzle (TPuzzle::Dificuldade) from its pattern
    // Keep only patterns that make this level likely (PadraoParaNivel); absent: any pattern.
    std::optional<TNivelDificuldade> Rumo;
};

struct TEstatisticasGerador {
    std::int32_t Padroes = 0;
    std::int32_t PadroesRejeitados = 0;
    std::int32_t FalhasPreenchimento = 0;
    std::int32_t Preenchimentos = 0;
    std::int32_t NaoUnicos = 0;
    std::int32_t ContagensInterrompidas = 0;
    std::int32_t ComRaras = 0;

    bool operator==(const TEstatisticasGerador&) const = default;
};

TOpcoesGerador OpcoesGeradorPadrao();
// For books of one level, which throw puzzles of other levels away: a pattern that does not
// fill quickly with common words is dropped for the next one, and only patterns that make the
// level likely are filled. Cheaper puzzles, no rare words, and graded.
TOpcoesGerador OpcoesGeradorDeNivel(TNivelDificuldade ANivel);

// The same options for a book of the theme ATema, ALado cells a side. Unless they are a level
// book's, each pattern gets one attempt, and theme words may be placed further from the most
// constrained slot until a quarter of the board's words are the theme's.
TOpcoesGerador OpcoesComTema(TOpcoesGerador AOpc, std::shared_ptr<const TMascarasTema> ATema,
                             std::int32_t ALado);

// Why a pattern's shape is unsuitable, or empty when it passes.
std::string MotivoRejeicao(const TPadraoAnalisado& APadrao);
// True when more than AMaxFraccao of the slots have exactly 3 cells. Which slots count as short
// decides the books: raise PALVORIN_REVISAO_GERADOR if it changes.
bool DemasiadasCurtas(const TPadraoAnalisado& APadrao, double AMaxFraccao);
// The grid form of each placed word, in the order of Palavras.
std::vector<std::string> GrelhasDoPuzzle(const TPuzzle& APuzzle);

// One puzzle with a unique solution from one seed; false when it gave up or was stopped.
bool GerarPuzzle(const TDicionario& ADic, std::int32_t ALado, std::uint32_t ASemente,
                 const TOpcoesGerador& AOpc, const TConsultaCancelamento& ACancelado,
                 TPuzzle& APuzzle, TEstatisticasGerador& AEstat);

} // namespace palvorin
