#include "Fixturas.hpp"
#include "PadraoComLado.hpp"
#include "UnitPalvorinGrelha.hpp"

#include <cmath>
#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

struct TCasoLado {
    std::int32_t Lado;
    bool Aceite;
};

class GerarPadraoLado : public testing::TestWithParam<TCasoLado> {};

TEST_P(GerarPadraoLado, AceitaSoLadosImparesDesdeCinco) {
    const auto [lado, aceite] = GetParam();
    TGeradorAleatorio ger(1);
    const std::uint64_t antes = ger.Estado();
    if (aceite) {
        EXPECT_EQ(GerarPadrao(lado, ger, 0.3, 0.7).size(), static_cast<std::size_t>(lado * lado));
        return;
    }
    try {
        GerarPadrao(lado, ger, 0.3, 0.7);
        FAIL() << "lado " << lado << " aceite";
    } catch (const EInterno& e) {
        EXPECT_STREQ(e.what(), "GerarPadrao: o lado tem de ser ímpar e pelo menos 5");
    }
    EXPECT_EQ(ger.Estado(), antes) << "nada pode ser sorteado antes do erro";
}

INSTANTIATE_TEST_SUITE_P(Lados, GerarPadraoLado,
                         testing::Values(TCasoLado{3, false}, TCasoLado{4, false},
                                         TCasoLado{6, false}, TCasoLado{-5, false},
                                         TCasoLado{5, true}, TCasoLado{7, true}));

std::int32_t ContarPretas(const TPadrao& p) {
    std::int32_t n = 0;
    for (const bool b : p)
        n += b ? 1 : 0;
    return n;
}

bool BrancasConexas(const TPadrao& p, std::int32_t lado) {
    std::vector<bool> visto(p.size(), false);
    std::vector<std::int32_t> fila;
    for (std::size_t i = 0; i < p.size() && fila.empty(); ++i)
        if (!p[i]) {
            fila.push_back(static_cast<std::int32_t>(i));
            visto[i] = true;
        }
    for (std::size_t f = 0; f < fila.size(); ++f) {
        const std::int32_t c = fila[f], r = c / lado, k = c % lado;
        const std::int32_t viz[4][2] = {{r - 1, k}, {r + 1, k}, {r, k - 1}, {r, k + 1}};
        for (const auto& v : viz) {
            if (v[0] < 0 || v[1] < 0 || v[0] >= lado || v[1] >= lado)
                continue;
            const std::int32_t x = v[0] * lado + v[1];
            if (!p[x] && !visto[x]) {
                visto[x] = true;
                fila.push_back(x);
            }
        }
    }
    return static_cast<std::int32_t>(fila.size()) ==
           static_cast<std::int32_t>(p.size()) - ContarPretas(p);
}

// Every promised property of a drawn pattern, checked independently of the rules' code.
TEST(GerarPadrao, PropriedadesEmMuitasSementes) {
    for (const std::int32_t lado : {9, 11, 13, 15}) {
        const std::int32_t n = lado * lado;
        const double alvo = 0.3 * n;
        std::int32_t alcancaram = 0;
        const std::uint32_t sementes = 150;
        for (std::uint32_t semente = 0; semente < sementes; ++semente) {
            TGeradorAleatorio ger(semente);
            const TPadrao p = GerarPadrao(lado, ger, 0.3, 0.7);
            SCOPED_TRACE("lado " + std::to_string(lado) + " semente " + std::to_string(semente));
            for (std::int32_t i = 0; i < n; ++i)
                ASSERT_EQ(p[i], p[n - 1 - i]) << "simetria na casa " << i;
            std::vector<bool> emRanhura(n, false);
            for (const TRanhura& r : ExtrairRanhuras(p, lado)) {
                ASSERT_GE(r.Comprimento, 3);
                for (std::int32_t k = 0; k < r.Comprimento; ++k)
                    emRanhura[CasaDaRanhura(r, k, lado)] = true;
            }
            for (std::int32_t i = 0; i < n; ++i)
                ASSERT_TRUE(p[i] || emRanhura[i]) << "casa branca " << i << " sem ranhura";
            for (std::int32_t r = 0; r + 1 < lado; ++r)
                for (std::int32_t c = 0; c + 1 < lado; ++c)
                    ASSERT_FALSE(p[r * lado + c] && p[r * lado + c + 1] && p[(r + 1) * lado + c] &&
                                 p[(r + 1) * lado + c + 1])
                        << "bloco preto em " << r << "," << c;
            ASSERT_TRUE(BrancasConexas(p, lado));
            // Short of the target only when every position was visited first: rare.
            const std::int32_t pretas = ContarPretas(p);
            alcancaram += pretas >= alvo ? 1 : 0;
            ASSERT_LE(pretas, std::ceil(alvo) + 1);
        }
        EXPECT_GE(alcancaram, sementes * 9 / 10) << "lado " << lado;
    }
}

TEST(GerarPadrao, DensidadeZeroSoBaralha) {
    TGeradorAleatorio ger(42);
    TGeradorAleatorio referencia(42);
    const TPadrao p = GerarPadrao(9, ger, 0.0, 0.7);
    EXPECT_EQ(ContarPretas(p), 0);
    for (std::int32_t i = 80; i >= 1; --i)
        referencia.Limite(i + 1);
    EXPECT_EQ(ger.Estado(), referencia.Estado());
}

TEST(GerarPadrao, ProbabilidadeUmEvitaRanhurasDeTres) {
    for (std::uint32_t semente = 0; semente < 40; ++semente) {
        TGeradorAleatorio ger(semente);
        const TPadrao p = GerarPadrao(11, ger, 0.3, 1.0);
        EXPECT_EQ(ContarRanhurasDeComprimento(p, 11, 3), 0) << "semente " << semente;
    }
}

TEST(GerarPadrao, MesmoEstadoMesmoPadraoEMesmoEstadoFinal) {
    TGeradorAleatorio a(2026), b(2026);
    EXPECT_EQ(GerarPadrao(13, a, 0.3, 0.7), GerarPadrao(13, b, 0.3, 0.7));
    EXPECT_EQ(a.Estado(), b.Estado());
}

TEST(GerarPadrao, CentroContaUmaCasa) {
    // A target of one black cell on 7x7: the first accepted move ends the loop, leaving the
    // centre alone or one mirrored pair.
    bool vistoCentro = false, vistoPar = false;
    for (std::uint32_t semente = 0; semente < 200; ++semente) {
        TGeradorAleatorio ger(semente);
        const TPadrao p = GerarPadrao(7, ger, 1.0 / 49.0, 0.0);
        EXPECT_EQ(ContarPretas(p), p[24] ? 1 : 2) << "semente " << semente;
        (p[24] ? vistoCentro : vistoPar) = true;
    }
    EXPECT_TRUE(vistoCentro);
    EXPECT_TRUE(vistoPar);
}

TEST(ExtrairRanhuras, TodoBrancoCincoPorCinco) {
    const std::vector<TRanhura> r = ExtrairRanhuras(TPadrao(25, false), 5);
    const std::vector<TRanhura> esperadas = {
        {0, 0, true, 5},  {1, 0, true, 5},  {2, 0, true, 5},  {3, 0, true, 5},  {4, 0, true, 5},
        {0, 0, false, 5}, {0, 1, false, 5}, {0, 2, false, 5}, {0, 3, false, 5}, {0, 4, false, 5}};
    EXPECT_EQ(r, esperadas);
}

TEST(ExtrairRanhuras, CorridasCurtasEOrdem) {
    // Row 0: a run of one (no slot) then a run of two; column 4 is white below a black cell.
    const TPadrao p = PadraoDeLinhas({".#..#", "#####", "....#", "#####", "###.."});
    const std::vector<TRanhura> esperadas = {{0, 2, true, 2}, {2, 0, true, 4}, {4, 3, true, 2}};
    EXPECT_EQ(ExtrairRanhuras(p, 5), esperadas);
    EXPECT_TRUE(ExtrairRanhuras(TPadrao(25, true), 5).empty());
}

TEST(ExtrairRanhuras, HorizontaisAntesDasVerticais) {
    const TPadrao p = PadraoDeLinhas({"...", ".#.", "..."});
    const std::vector<TRanhura> esperadas = {
        {0, 0, true, 3}, {2, 0, true, 3}, {0, 0, false, 3}, {0, 2, false, 3}};
    EXPECT_EQ(ExtrairRanhuras(p, 3), esperadas);
}

TEST(CasaDaRanhura, CasasEForaDaRanhura) {
    EXPECT_EQ(CasaDaRanhura({2, 1, true, 5}, 3, 9), 22);
    EXPECT_EQ(CasaDaRanhura({1, 4, false, 5}, 2, 9), 31);
    for (const std::int32_t k : {-1, 5})
        EXPECT_THROW(
            {
                try {
                    CasaDaRanhura({1, 4, false, 5}, k, 9);
                } catch (const EInterno& e) {
                    EXPECT_STREQ(e.what(), "CasaDaRanhura: índice fora da ranhura");
                    throw;
                }
            },
            EInterno);
}

TEST(ContarRanhurasDeComprimento, ContaSoEsseComprimento) {
    const TPadrao p = PadraoDeLinhas({"...#.", ".....", ".....", ".....", "....."});
    EXPECT_EQ(ContarRanhurasDeComprimento(p, 5, 3), 1);
    EXPECT_EQ(ContarRanhurasDeComprimento(p, 5, 4), 1);
    EXPECT_EQ(ContarRanhurasDeComprimento(p, 5, 5), 8);
    EXPECT_EQ(ContarRanhurasDeComprimento(p, 5, 2), 0);
}

// The pattern drawn by the plain rule: after each move the whole board must have no white run
// of exactly two, no 2x2 black block, no white cell without a white neighbour, and one
// non-empty white region. Only the rows, columns and blocks of the move can change, so this
// must agree move by move with the generator's local tests, and draw the same numbers.
bool TabuleiroValido(const TPadrao& p, std::int32_t lado) {
    const auto preta = [&](std::int32_t r, std::int32_t c) {
        return r < 0 || c < 0 || r >= lado || c >= lado || p[r * lado + c];
    };
    for (std::int32_t a = 0; a < lado; ++a) {
        std::int32_t linha = 0, coluna = 0;
        for (std::int32_t b = 0; b <= lado; ++b) {
            if (preta(a, b)) {
                if (linha == 2)
                    return false;
                linha = 0;
            } else {
                ++linha;
            }
            if (preta(b, a)) {
                if (coluna == 2)
                    return false;
                coluna = 0;
            } else {
                ++coluna;
            }
        }
    }
    for (std::int32_t r = 0; r < lado; ++r)
        for (std::int32_t c = 0; c < lado; ++c) {
            if (r + 1 < lado && c + 1 < lado && preta(r, c) && preta(r, c + 1) && preta(r + 1, c) &&
                preta(r + 1, c + 1))
                return false;
            if (!preta(r, c) && preta(r - 1, c) && preta(r + 1, c) && preta(r, c - 1) &&
                preta(r, c + 1))
                return false;
        }
    return ContarPretas(p) < lado * lado && BrancasConexas(p, lado);
}

TPadrao PadraoSimples(std::int32_t lado, TGeradorAleatorio& ger, double densidade, double evitar) {
    const std::int32_t n = lado * lado;
    std::vector<std::int32_t> ordem(n);
    for (std::int32_t i = 0; i < n; ++i)
        ordem[i] = i;
    for (std::int32_t i = n - 1; i >= 1; --i)
        std::swap(ordem[i], ordem[ger.Limite(i + 1)]);
    TPadrao p(n, false);
    std::int32_t pretas = 0, curtas = 0;
    for (std::int32_t idx = 0; idx < n && pretas < densidade * n; ++idx) {
        const std::int32_t a = ordem[idx], b = n - 1 - a;
        if (p[a])
            continue;
        p[a] = p[b] = true;
        bool aceite = TabuleiroValido(p, lado);
        if (aceite && evitar > 0) {
            const std::int32_t k = ContarRanhurasDeComprimento(p, lado, 3);
            if (k > curtas && ger.Real01() < evitar)
                aceite = false;
            else
                curtas = k;
        }
        if (aceite)
            pretas += a == b ? 1 : 2;
        else
            p[a] = p[b] = false;
    }
    return p;
}

TEST(GerarPadrao, ComoARegraSimples) {
    for (const std::int32_t lado : {5, 7, 9, 11, 13, 15})
        for (const double densidade : {0.15, 0.3, 0.6})
            for (const double evitar : {0.0, 0.4, 0.7, 1.0})
                for (std::uint32_t semente = 0; semente < 8; ++semente) {
                    TGeradorAleatorio ger(semente), simples(semente);
                    EXPECT_EQ(GerarPadrao(lado, ger, densidade, evitar),
                              PadraoSimples(lado, simples, densidade, evitar))
                        << lado << " " << densidade << " " << evitar << " " << semente;
                    EXPECT_EQ(ger.Estado(), simples.Estado());
                }
}

} // namespace
