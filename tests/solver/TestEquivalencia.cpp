// The filler and the counter keep counts between steps and cut counts short. Here each runs
// next to a plain version that recounts everything at every step, over many patterns, seeds
// and options: the same result, the same board and the same generator state show that the
// shortcuts change no decision and no draw.
#include "Fixturas.hpp"
#include "ListaEmbutida.hpp"
#include "PadraoComLado.hpp"
#include "UnitPalvorinResolvedor.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <gtest/gtest.h>
#include <limits>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

// The filler without shortcuts: every open slot is counted afresh at every step, and the best
// slot's bit set swaps places with the scratch set.
class TPreenchedorSimples {
public:
    TPreenchedorSimples(const TDicionario& ADic, const TPadrao& APretas, std::int32_t ALado,
                        TGeradorAleatorio& AGer, TOpcoesPreenchimento AOpc)
        : FDic(ADic), FGer(AGer), FOpc(std::move(AOpc)), FLado(ALado),
          FRanhuras(ExtrairRanhuras(APretas, ALado)) {
        FOpc.Ramo = std::max(FOpc.Ramo, 1);
        FOpc.Tentativas = std::max(FOpc.Tentativas, 1);
        FNS = static_cast<std::int32_t>(FRanhuras.size());
        FCasas.resize(FNS);
        for (std::int32_t i = 0; i < FNS; ++i)
            for (std::int32_t k = 0; k < FRanhuras[i].Comprimento; ++k)
                FCasas[i].push_back(CasaDaRanhura(FRanhuras[i], k, ALado));
        FLetra.assign(static_cast<std::size_t>(ALado) * ALado, -1);
        FPilha.assign(FLetra.size(), 0);
        FFeita.assign(FNS, false);
        FEscolha.assign(FNS, 0);
        std::int32_t maxBlocos = 1;
        for (const TRanhura& r : FRanhuras)
            maxBlocos = std::max(maxBlocos, (FDic.ContarComprimento(r.Comprimento) + 63) / 64);
        FBufs.assign(FNS + 1, TConjuntoBits(maxBlocos, 0));
        FRasco.assign(maxBlocos, 0);
        for (const TRanhura& r : FRanhuras) {
            const std::int32_t L = r.Comprimento;
            if (L < 2 || L > 15 || !FBase[L].empty())
                continue;
            const std::int32_t c = FDic.ContarComprimento(L);
            if (FOpc.SoComuns) {
                FBase[L] = FDic.MascaraComuns(L);
            } else {
                FBase[L].assign((c + 63) / 64, ~std::uint64_t{0});
                if (c % 64 != 0)
                    FBase[L].back() = (std::uint64_t{1} << (c % 64)) - 1;
            }
            for (std::int32_t j = 0; j < c; ++j) {
                const auto w = static_cast<std::size_t>(FDic.PalavraDoGrupo(L, j));
                if (w < FOpc.Proibidas.size() && FOpc.Proibidas[w])
                    FBase[L][j / 64] &= ~(std::uint64_t{1} << (j % 64));
            }
        }
    }

    bool Correr() {
        for (const TRanhura& r : FRanhuras)
            if (r.Comprimento < 2 || r.Comprimento > 15)
                return false;
        for (std::int32_t t = 0; t < FOpc.Tentativas; ++t) {
            std::fill(FLetra.begin(), FLetra.end(), -1);
            std::fill(FFeita.begin(), FFeita.end(), false);
            FDisp = FBase;
            FTopo = 0;
            FNos = 0;
            if (Procurar(0))
                return true;
        }
        return false;
    }

    TPuzzle Montar(const TPadrao& APretas) const {
        TPuzzle puzzle;
        puzzle.Lado = FLado;
        for (std::size_t i = 0; i < FLetra.size(); ++i)
            puzzle.Letras.push_back(
                APretas[i] || FLetra[i] < 0 ? '#' : static_cast<char>('A' + FLetra[i]));
        puzzle.Ranhuras = FRanhuras;
        for (std::int32_t i = 0; i < FNS; ++i) {
            const TPalavraDic p =
                FDic.Palavra(FDic.PalavraDoGrupo(FRanhuras[i].Comprimento, FEscolha[i]));
            puzzle.Palavras.push_back({p.Texto, p.Grelha, i});
        }
        return puzzle;
    }

private:
    std::int32_t Candidatos(std::int32_t i, TConjuntoBits& AAlvo) const {
        const std::int32_t L = FRanhuras[i].Comprimento;
        const TConjuntoBits& disp = FDisp[L];
        if (disp.empty())
            return 0;
        std::copy(disp.begin(), disp.end(), AAlvo.begin());
        for (std::int32_t k = 0; k < L; ++k) {
            const std::int32_t a = FLetra[FCasas[i][k]];
            if (a < 0)
                continue;
            const TConjuntoBits& mascara = FDic.MascaraDaLetra(L, k, static_cast<char>('A' + a));
            for (std::size_t b = 0; b < disp.size(); ++b)
                AAlvo[b] &= mascara[b];
        }
        std::int32_t total = 0;
        for (std::size_t b = 0; b < disp.size(); ++b)
            total += std::popcount(AAlvo[b]);
        return total;
    }

    bool Procurar(std::int32_t d) {
        if (d == FNS)
            return true;
        if (++FNos > FOpc.LimiteNos)
            return false;
        std::int32_t s = -1;
        std::int32_t melhor = std::numeric_limits<std::int32_t>::max();
        for (std::int32_t i = 0; i < FNS; ++i) {
            if (FFeita[i])
                continue;
            const std::int32_t c = Candidatos(i, FRasco);
            if (c == 0)
                return false;
            if (c < melhor || (c == melhor && FGer.Limite(10) < 3)) {
                std::swap(FRasco, FBufs[d]);
                s = i;
                melhor = c;
            }
        }
        const std::int32_t L = FRanhuras[s].Comprimento;
        std::vector<std::int32_t> cand;
        for (std::size_t b = 0; b < FDisp[L].size(); ++b)
            for (std::uint64_t w = FBufs[d][b]; w != 0; w &= w - 1)
                cand.push_back(static_cast<std::int32_t>(b * 64) + std::countr_zero(w));
        const auto C = static_cast<std::int32_t>(cand.size());
        // Common words first (when rare ones may be used), then preferred words first within
        // each section.
        const auto palavra = [&](std::int32_t AJ) {
            return FDic.Palavra(FDic.PalavraDoGrupo(L, AJ));
        };
        std::int32_t P = C;
        if (!FOpc.SoComuns) {
            P = 0;
            for (std::int32_t t = 0; t < C; ++t)
                if (palavra(cand[t]).Comum)
                    std::swap(cand[t], cand[P++]);
        }
        std::int32_t F = 0;
        for (std::int32_t t = 0; t < P; ++t)
            if (palavra(cand[t]).Preferida)
                std::swap(cand[t], cand[F++]);
        std::int32_t R = P;
        for (std::int32_t t = P; t < C; ++t)
            if (palavra(cand[t]).Preferida)
                std::swap(cand[t], cand[R++]);
        const std::int32_t m = std::min(FOpc.Ramo, C);
        for (std::int32_t t = 0; t < m; ++t) {
            const std::int32_t fim = t < F ? F : t < P ? P : t < R ? R : C;
            const std::int32_t r = t + FGer.Limite(fim - t);
            std::swap(cand[t], cand[r]);
        }
        for (std::int32_t t = 0; t < m; ++t) {
            const std::int32_t j = cand[t];
            const std::string g = FDic.Palavra(FDic.PalavraDoGrupo(L, j)).Grelha;
            const std::int32_t marca = FTopo;
            for (std::int32_t k = 0; k < L; ++k) {
                const std::int32_t x = FCasas[s][k];
                if (FLetra[x] < 0) {
                    FLetra[x] = g[k] - 'A';
                    FPilha[FTopo++] = x;
                }
            }
            FDisp[L][j / 64] &= ~(std::uint64_t{1} << (j % 64));
            FFeita[s] = true;
            FEscolha[s] = j;
            if (Procurar(d + 1))
                return true;
            FFeita[s] = false;
            FDisp[L][j / 64] |= std::uint64_t{1} << (j % 64);
            while (FTopo > marca)
                FLetra[FPilha[--FTopo]] = -1;
            if (FNos > FOpc.LimiteNos)
                return false;
        }
        return false;
    }

    const TDicionario& FDic;
    TGeradorAleatorio& FGer;
    TOpcoesPreenchimento FOpc;
    std::int32_t FLado;
    std::vector<TRanhura> FRanhuras;
    std::int32_t FNS = 0;
    std::vector<std::vector<std::int32_t>> FCasas;
    std::vector<std::int32_t> FLetra;
    std::vector<std::int32_t> FPilha;
    std::int32_t FTopo = 0;
    std::vector<bool> FFeita;
    std::vector<std::int32_t> FEscolha;
    std::array<TConjuntoBits, 16> FBase;
    std::array<TConjuntoBits, 16> FDisp;
    std::vector<TConjuntoBits> FBufs;
    TConjuntoBits FRasco;
    std::int32_t FNos = 0;
};

// The counter without shortcuts: every open slot's fitting words counted to the end.
class TContadorSimples {
public:
    TContadorSimples(const TPadrao& APretas, std::int32_t ALado,
                     const std::vector<std::string>& APalavras, std::int32_t AMax,
                     std::int32_t ALimite)
        : FRanhuras(ExtrairRanhuras(APretas, ALado)), FPalavras(APalavras), FMax(AMax),
          FLimite(ALimite) {
        FCasas.resize(FRanhuras.size());
        FPorRanhura.resize(FRanhuras.size());
        for (std::size_t k = 0; k < FRanhuras.size(); ++k) {
            for (std::int32_t p = 0; p < FRanhuras[k].Comprimento; ++p)
                FCasas[k].push_back(CasaDaRanhura(FRanhuras[k], p, ALado));
            for (std::size_t i = 0; i < APalavras.size(); ++i)
                if (static_cast<std::int32_t>(APalavras[i].size()) == FRanhuras[k].Comprimento)
                    FPorRanhura[k].push_back(static_cast<std::int32_t>(i));
        }
        FUsada.assign(APalavras.size(), false);
        FFeita.assign(FRanhuras.size(), false);
        FLetra.assign(static_cast<std::size_t>(ALado) * ALado, -1);
    }

    std::int32_t Correr() {
        if (!FRanhuras.empty() && FMax > 0)
            Contar(0);
        return FContagem;
    }

    bool FInterrompido = false;

private:
    bool Compativel(std::size_t k, std::int32_t w) const {
        if (FUsada[w])
            return false;
        for (std::size_t p = 0; p < FCasas[k].size(); ++p) {
            const std::int32_t a = FLetra[FCasas[k][p]];
            if (a >= 0 && a != FPalavras[w][p] - 'A')
                return false;
        }
        return true;
    }

    void Contar(std::size_t d) {
        if (FContagem >= FMax || FInterrompido)
            return;
        if (++FNos > FLimite) {
            FInterrompido = true;
            return;
        }
        if (d == FRanhuras.size()) {
            ++FContagem;
            return;
        }
        std::size_t s = 0;
        std::int32_t melhor = std::numeric_limits<std::int32_t>::max();
        for (std::size_t k = 0; k < FRanhuras.size(); ++k) {
            if (FFeita[k])
                continue;
            std::int32_t c = 0;
            for (const std::int32_t w : FPorRanhura[k])
                c += Compativel(k, w) ? 1 : 0;
            if (c == 0)
                return;
            if (c < melhor) {
                s = k;
                melhor = c;
                if (c == 1)
                    break;
            }
        }
        for (const std::int32_t w : FPorRanhura[s]) {
            if (!Compativel(s, w))
                continue;
            std::vector<std::int32_t> escritas;
            for (std::size_t p = 0; p < FCasas[s].size(); ++p)
                if (FLetra[FCasas[s][p]] < 0) {
                    FLetra[FCasas[s][p]] = FPalavras[w][p] - 'A';
                    escritas.push_back(FCasas[s][p]);
                }
            FUsada[w] = true;
            FFeita[s] = true;
            Contar(d + 1);
            FFeita[s] = false;
            FUsada[w] = false;
            for (const std::int32_t x : escritas)
                FLetra[x] = -1;
            if (FContagem >= FMax || FInterrompido)
                return;
        }
    }

    std::vector<TRanhura> FRanhuras;
    std::vector<std::vector<std::int32_t>> FCasas;
    const std::vector<std::string>& FPalavras;
    std::vector<std::vector<std::int32_t>> FPorRanhura;
    std::vector<bool> FUsada;
    std::vector<bool> FFeita;
    std::vector<std::int32_t> FLetra;
    std::int32_t FMax;
    std::int32_t FLimite;
    std::int32_t FNos = 0;
    std::int32_t FContagem = 0;
};

TOpcoesPreenchimento Opcoes(bool ASoComuns, std::int32_t ALimiteNos, std::int32_t ARamo,
                            std::int32_t ATentativas) {
    TOpcoesPreenchimento opc = OpcoesPreenchimentoPadrao();
    opc.SoComuns = ASoComuns;
    opc.LimiteNos = ALimiteNos;
    opc.Ramo = ARamo;
    opc.Tentativas = ATentativas;
    return opc;
}

struct TCasoEquivalencia {
    const char* Nome;
    std::int32_t Lado;
    TOpcoesPreenchimento Opcoes;
    bool ProibirAlgumas; // every seventh word of the list forbidden
    bool ListaEmbutida;  // the program's own list (long groups) instead of the small fixed one
};

// Fills with both fillers and compares everything they leave behind; true when it filled.
bool CompararPreenchimentos(const TDicionario& ADic, const TPadrao& APretas, std::int32_t ALado,
                            std::uint32_t ASemente, const TOpcoesPreenchimento& AOpc) {
    TGeradorAleatorio gerOtimizado(ASemente), gerSimples(ASemente);
    TPuzzle otimizado;
    const bool cheio = PreencherPadrao(ADic, APretas, ALado, gerOtimizado, AOpc, otimizado);
    TPreenchedorSimples simples(ADic, APretas, ALado, gerSimples, AOpc);
    const bool cheioSimples = simples.Correr();
    EXPECT_EQ(cheio, cheioSimples);
    EXPECT_EQ(gerOtimizado.Estado(), gerSimples.Estado());
    if (cheio && cheioSimples) {
        EXPECT_EQ(otimizado, simples.Montar(APretas));
    }
    return cheio;
}

void CompararContagens(const TPadrao& APretas, std::int32_t ALado,
                       const std::vector<std::string>& APalavras) {
    for (const auto& [maximo, limite] :
         {std::pair{2, 100000}, std::pair{6, 100000}, std::pair{2, 25}, std::pair{1, 3}}) {
        bool interrompida = false;
        const std::int32_t contagem =
            ContarSolucoes(APretas, ALado, APalavras, maximo, limite, interrompida);
        TContadorSimples simples(APretas, ALado, APalavras, maximo, limite);
        EXPECT_EQ(contagem, simples.Correr()) << "máximo " << maximo << " limite " << limite;
        EXPECT_EQ(interrompida, simples.FInterrompido)
            << "máximo " << maximo << " limite " << limite;
    }
}

void PrintTo(const TCasoEquivalencia& ACaso, std::ostream* ASaida) {
    *ASaida << ACaso.Nome;
}

class Equivalencia : public testing::TestWithParam<TCasoEquivalencia> {};

TEST_P(Equivalencia, PreenchedorEContadorComoOsSimples) {
    const TCasoEquivalencia& caso = GetParam();
    const TDicionario& dic = caso.ListaEmbutida ? ListaEmbutida() : ListaFixa();
    TOpcoesPreenchimento opc = caso.Opcoes;
    if (caso.ProibirAlgumas) {
        opc.Proibidas.assign(dic.Total(), false);
        for (std::int32_t i = 0; i < dic.Total(); i += 7)
            opc.Proibidas[i] = true;
    }
    std::int32_t cheios = 0, falhados = 0;
    for (std::uint32_t semente = 1; semente <= 60; ++semente) {
        SCOPED_TRACE("semente " + std::to_string(semente));
        TGeradorAleatorio gerPadrao(semente * 7919u);
        const TPadrao pretas = GerarPadrao(caso.Lado, gerPadrao, 0.3, 0.7);
        if (!CompararPreenchimentos(dic, pretas, caso.Lado, semente, opc)) {
            ++falhados;
            continue;
        }
        ++cheios;
        TGeradorAleatorio ger(semente);
        TPuzzle puzzle;
        ASSERT_TRUE(PreencherPadrao(dic, pretas, caso.Lado, ger, opc, puzzle));
        std::vector<std::string> palavras;
        for (const TPalavraColocada& p : puzzle.Palavras)
            palavras.push_back(p.Grelha);
        CompararContagens(pretas, caso.Lado, palavras);
        // The same words in another order, and with a word given twice.
        std::reverse(palavras.begin(), palavras.end());
        CompararContagens(pretas, caso.Lado, palavras);
        for (std::size_t i = 0; i + 1 < palavras.size(); ++i)
            if (palavras[i].size() == palavras.back().size()) {
                palavras.back() = palavras[i];
                break;
            }
        CompararContagens(pretas, caso.Lado, palavras);
    }
    // Both ways out of the search were taken, or the comparison proves little.
    EXPECT_GT(cheios, 0);
    EXPECT_GT(falhados, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Equivalencia,
    testing::Values(
        TCasoEquivalencia{"Nove", 9, Opcoes(false, 4000, 12, 2), false, false},
        TCasoEquivalencia{"NoveSoComuns", 9, Opcoes(true, 1500, 12, 2), false, false},
        TCasoEquivalencia{"NoveRamoLargo", 9, Opcoes(false, 800, 60, 2), false, false},
        TCasoEquivalencia{"NoveProibidas", 9, Opcoes(false, 3000, 3, 3), true, false},
        TCasoEquivalencia{"Onze", 11, Opcoes(false, 3000, 12, 2), false, false},
        TCasoEquivalencia{"OnzeEmbutida", 11, Opcoes(true, 4000, 12, 2), true, true},
        TCasoEquivalencia{"TrezeEmbutidaRamoDois", 13, Opcoes(false, 600, 2, 3), false, true},
        TCasoEquivalencia{"QuinzeEmbutida", 15, Opcoes(true, 4000, 12, 1), false, true}),
    [](const testing::TestParamInfo<TCasoEquivalencia>& AInfo) { return AInfo.param.Nome; });

} // namespace
