#pragma once

#include "UnitPalvorinDicionario.hpp"
#include "UnitPalvorinPadrao.hpp"
#include "UnitPalvorinRandom.hpp"
#include "UnitPalvorinTema.hpp"
#include "UnitPalvorinTipos.hpp"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace palvorin {

// The numeric defaults decide which words a seed writes: changing one changes the books, so
// raise PALVORIN_REVISAO_GERADOR.
struct TOpcoesPreenchimento {
    bool SoComuns = true;
    std::int32_t LimiteNos = 4000; // search steps per attempt
    std::int32_t Ramo = 12;        // words tried per step; below 1 counts as 1
    std::int32_t Tentativas = 60;  // independent attempts; below 1 counts as 1
    // Indexed by word index; true forbids the word. Indices past the end are allowed.
    std::vector<bool> Proibidas;
    // A theme's words, tried before every other candidate; null: a book without a theme.
    // Built over the same word list; shared read-only by every fill of a book.
    std::shared_ptr<const TMascarasTema> Tema;
    // A slot that can take a theme word is filled before the most constrained slot when it has at
    // most this many times as many candidates. This default and QuotaTema's decide themed level
    // books: raise REVISAO_GERADOR_TEMA if they change.
    std::int32_t LarguezaTema = 8;
    // Once this percentage of the slots holds theme words, theme words are tried only in the
    // most constrained slot; 100: never.
    std::int32_t QuotaTema = 100;
};

TOpcoesPreenchimento OpcoesPreenchimentoPadrao();

// True asks the generator to stop now; an empty function never stops it.
using TConsultaCancelamento = std::function<bool()>;

// Randomised depth-first filler: fail-first slot choice, at most Ramo words tried per step,
// common words first and preferred words first within each section, a step budget per attempt and
// several independent attempts. Every random draw comes from the generator it is given, in a fixed
// order. The cancellation query is asked between attempts, so a long fill still lets the caller
// report progress and stop; it draws nothing, so it never changes a fill.
class TPreenchedor {
public:
    // APadrao is read in place and must outlive the filler.
    TPreenchedor(const TDicionario& ADic, const TPadraoAnalisado& APadrao, TGeradorAleatorio& AGer,
                 const TOpcoesPreenchimento& AOpc, const TConsultaCancelamento& ACancelado = {});

    bool Correr();
    // The filled board; only after Correr returned true.
    TPuzzle Montar() const;

private:
    void PrepararBase(); // FBase, and FMascaras for the same lengths
    void Reiniciar();
    // Fitting words of slot ARanhura into AAlvo, and their count.
    std::int32_t Candidatos(std::int32_t ARanhura, std::vector<std::uint64_t>& AAlvo) const;
    // True when word AJ of the slot's length agrees with the letters already in the slot.
    bool Cabe(std::int32_t ARanhura, std::int32_t AJ) const;
    // Row AProfundidade + 1 of FContagens after word AJ went into slot ARanhura, writing the
    // cells logged in FPilha from AMarca on.
    void AtualizarContagens(std::int32_t AProfundidade, std::int32_t ARanhura, std::int32_t AJ,
                            std::int32_t AMarca);
    bool Procurar(std::int32_t AProfundidade);
    // FDoTema, FBlocosTema and FMascarasTema for length L.
    void PrepararTema(std::int32_t L);
    // Theme words still free that fit slot ARanhura, as bits over FDoTema, and their count.
    std::int32_t CandidatosDoTema(std::int32_t ARanhura, std::vector<std::uint64_t>& AAlvo) const;
    // ADisp AND the masks of the letters already in slot ARanhura, into AAlvo; the set bits.
    std::int32_t Cruzar(std::int32_t ARanhura, const TConjuntoBits& ADisp,
                        const std::vector<const std::uint64_t*>& AMascaras,
                        std::vector<std::uint64_t>& AAlvo) const;
    // Keeps FDispTema in step with FDisp when word AJ of length L is placed or taken back.
    void MarcarDoTema(std::int32_t L, std::int32_t AJ, bool ALivre);
    bool TentarTema(std::int32_t AProfundidade, std::int32_t ARanhura);
    bool TentarCandidatos(std::int32_t AProfundidade, std::int32_t ARanhura, std::size_t ABase,
                          std::int32_t AQuantos);
    // Where the groups a step draws from end among its candidates, which start at FCandidatos
    // index ABase: the theme's words, the preferred common words, the other common words, the
    // preferred rare words; the other rare words run to the end.
    using TFinsDosGrupos = std::array<std::int32_t, 4>;
    // Puts the theme's candidates first, then the common ones when rare words may be used, and
    // the preferred words first within each section, every group keeping its order. An empty
    // group draws nothing: without a theme, or with no preferred word (a list that marks none),
    // the draws are those of the groups that remain.
    TFinsDosGrupos OrdenarCandidatos(std::size_t ABase, std::int32_t AComprimento);
    // Moves the candidates in positions ADe to AAte - 1 whose bit is set in AMascara to the
    // front of that range, keeping their order, and returns where they end.
    std::int32_t Adiantar(std::size_t ABase, std::int32_t ADe, std::int32_t AAte,
                          const TConjuntoBits& AMascara);

    const TDicionario& FDic;
    const TPadraoAnalisado& FPadrao;
    TGeradorAleatorio& FGer;
    TConsultaCancelamento FCancelado;
    TOpcoesPreenchimento FOpc;
    std::int32_t FNS;
    std::vector<std::int32_t> FLetra;
    std::array<TConjuntoBits, COMPRIMENTO_MAXIMO + 1> FBase;
    // For each slot length, the list's letter masks by position * 26 + letter, looked up once
    // here rather than on every candidate count.
    std::array<std::vector<const std::uint64_t*>, COMPRIMENTO_MAXIMO + 1> FMascaras;
    std::array<TConjuntoBits, COMPRIMENTO_MAXIMO + 1> FDisp;
    std::vector<bool> FFeita;
    std::vector<std::int32_t> FEscolha;
    std::vector<std::int32_t> FPilha;
    std::int32_t FTopo = 0;
    std::vector<std::vector<std::uint64_t>> FBufs;
    std::vector<std::uint64_t> FRasco;
    std::int32_t FMaxBlocos = 1;
    std::int32_t FNos = 0;
    std::int32_t FNumDoTema = 0; // theme words placed
    // Candidate word numbers of every open step, stacked by depth, so a step lists its
    // candidates without allocating.
    std::vector<std::int32_t> FCandidatos;
    // Row d (FNS entries) holds, at depth d, every open slot's candidate count. A step
    // recounts only the slots that received a letter; the others of the placed word's length
    // lose that word if it fitted them. The counts are exact, so the slot choice and its draws
    // are those of counting every open slot afresh.
    std::vector<std::int32_t> FContagens;
    std::vector<std::int32_t> FRecontar;
    std::vector<bool> FARecontar;
    // For each slot length, the group numbers of the theme's words, ascending; bit t of the
    // theme's sets below stands for word FDoTema[L][t].
    std::array<std::vector<std::int32_t>, COMPRIMENTO_MAXIMO + 1> FDoTema;
    // The theme's letter masks (position * 26 + letter), stored and looked up as FMascaras.
    std::array<std::vector<std::uint64_t>, COMPRIMENTO_MAXIMO + 1> FBlocosTema;
    std::array<std::vector<const std::uint64_t*>, COMPRIMENTO_MAXIMO + 1> FMascarasTema;
    // The theme's words still free: FDisp seen through FDoTema.
    std::array<TConjuntoBits, COMPRIMENTO_MAXIMO + 1> FDispTema;
    std::vector<std::uint64_t> FRascoTema;
    std::int32_t FMaxBlocosTema = 0;
};

// Fills APadrao; APuzzle is emptied first and set only on success. A cancelled fill fails.
bool PreencherPadrao(const TDicionario& ADic, const TPadraoAnalisado& APadrao,
                     TGeradorAleatorio& AGer, const TOpcoesPreenchimento& AOpc, TPuzzle& APuzzle,
                     const TConsultaCancelamento& ACancelado = {});

} // namespace palvorin
