#include "Fixturas.hpp"
#include "UnitPalvorinGerador.hpp"

#include <fstream>
#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

// Side 9 with one black cell every three along each row, shifted by one per row: every row
// and column holds runs of two, 24 slots across and 24 down.
TPadrao Diagonais9() {
    TPadrao p(81, false);
    for (std::int32_t r = 0; r < 9; ++r)
        for (std::int32_t c = 0; c < 9; ++c)
            p[r * 9 + c] = (r + c) % 3 == 0;
    return p;
}

TPadrao ComPretas(std::int32_t lado, const std::vector<std::pair<int, int>>& pretas) {
    TPadrao p(lado * lado, false);
    for (const auto& [r, c] : pretas)
        p[r * lado + c] = true;
    return p;
}

struct TCasoMotivo {
    const char* Nome;
    TPadrao Pretas;
    std::int32_t Lado;
    std::string Motivo;
};

class MotivoRejeicaoCasos : public testing::TestWithParam<TCasoMotivo> {};

TEST_P(MotivoRejeicaoCasos, Motivo) {
    EXPECT_EQ(MotivoRejeicao(GetParam().Pretas, GetParam().Lado), GetParam().Motivo);
}

std::vector<std::pair<int, int>> LinhaZero11() {
    std::vector<std::pair<int, int>> v;
    for (int c = 0; c < 11; ++c)
        v.push_back({0, c});
    return v;
}

std::vector<std::pair<int, int>> Coluna4De9() {
    std::vector<std::pair<int, int>> v;
    for (int r = 0; r < 9; ++r)
        v.push_back({r, 4});
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Regras, MotivoRejeicaoCasos,
    testing::Values(
        // All white 11x11: 11 + 11 = 22 slots, the fewest accepted.
        TCasoMotivo{"VinteEDuasPassam", TPadrao(121, false), 11, ""},
        TCasoMotivo{"PoucasPalavras", ComPretas(11, LinhaZero11()), 11, "poucas palavras (21)"},
        TCasoMotivo{"MuitasPalavras", Diagonais9(), 9, "muitas palavras (48)"},
        TCasoMotivo{"Desequilibradas", ComPretas(9, Coluna4De9()), 9,
                    "horizontais e verticais desequilibradas (18 e 8)"},
        // Top-left block 4 or 5 black cells, top-right none; tolerance for 11 is 4.
        TCasoMotivo{"QuadrantesNoLimite", ComPretas(11, {{0, 0}, {2, 0}, {4, 0}, {0, 2}}), 11, ""},
        TCasoMotivo{"QuadrantesDesequilibrados",
                    ComPretas(11, {{0, 0}, {2, 0}, {4, 0}, {0, 2}, {0, 4}}), 11,
                    "quadrantes desequilibrados (5 e 0 casas pretas)"},
        // The middle column belongs to neither block.
        TCasoMotivo{"ColunaDoMeioNaoConta", ComPretas(11, {{0, 5}, {2, 5}, {4, 5}, {1, 0}, {3, 0}}),
                    11, ""}),
    [](const testing::TestParamInfo<TCasoMotivo>& i) { return std::string(i.param.Nome); });

TEST(DemasiadasCurtas, PartilhaDeRanhurasDeTres) {
    // Side 7 split by a black middle column: 14 across slots of 3 and 6 down slots of 7.
    std::vector<std::pair<int, int>> coluna;
    for (int r = 0; r < 7; ++r)
        coluna.push_back({r, 3});
    const TPadrao p = ComPretas(7, coluna);
    EXPECT_TRUE(DemasiadasCurtas(p, 7, 0.5));
    EXPECT_FALSE(DemasiadasCurtas(p, 7, 0.75));
    EXPECT_FALSE(DemasiadasCurtas(TPadrao(49, false), 7, 0.0));
    EXPECT_FALSE(DemasiadasCurtas(TPadrao(49, true), 7, 0.0)) << "sem ranhuras nunca falha";
}

TEST(OpcoesGeradorPadrao, Valores) {
    const TOpcoesGerador o = OpcoesGeradorPadrao();
    EXPECT_TRUE(o.Preenchimento.SoComuns);
    EXPECT_EQ(o.Preenchimento.LimiteNos, 4000);
    EXPECT_EQ(o.Preenchimento.Ramo, 12);
    EXPECT_EQ(o.Preenchimento.Tentativas, 20);
    EXPECT_TRUE(o.Preenchimento.Proibidas.empty());
    EXPECT_TRUE(o.PermitirRaras);
    EXPECT_EQ(o.MaxPadroes, 400);
    EXPECT_EQ(o.MaxPreenchimentos, 8);
    EXPECT_EQ(o.LimiteNosContagem, 100000);
    EXPECT_EQ(o.Densidade, 0.3);
    EXPECT_EQ(o.ProbEvitarCurtas, 0.7);
    EXPECT_EQ(o.MaxFraccaoCurtas, 0.4);
}

TEST(GerarPuzzle, TamanhoInvalido) {
    for (const std::int32_t lado : {7, 10}) {
        TPuzzle puzzle;
        puzzle.Lado = 3;
        TEstatisticasGerador estat;
        estat.Padroes = 5;
        bool consultada = false;
        try {
            GerarPuzzle(
                ListaFixa(), lado, 1, OpcoesGeradorPadrao(), [&] { return consultada = true; },
                puzzle, estat);
            FAIL();
        } catch (const EPalvorin& e) {
            EXPECT_EQ(std::string(e.what()),
                      "GerarPuzzle: tamanho inválido: " + std::to_string(lado));
        }
        EXPECT_EQ(puzzle, TPuzzle{});
        EXPECT_EQ(estat, TEstatisticasGerador{});
        EXPECT_FALSE(consultada);
    }
}

TEST(GerarPuzzle, SemPadroesOuCanceladoLogo) {
    TOpcoesGerador sem = OpcoesGeradorPadrao();
    sem.MaxPadroes = 0;
    TPuzzle puzzle;
    TEstatisticasGerador estat;
    EXPECT_FALSE(GerarPuzzle(ListaFixa(), 9, 1, sem, {}, puzzle, estat));
    EXPECT_EQ(estat, TEstatisticasGerador{});
    EXPECT_FALSE(GerarPuzzle(
        ListaFixa(), 9, 1, OpcoesGeradorPadrao(), [] { return true; }, puzzle, estat));
    EXPECT_EQ(estat, TEstatisticasGerador{});
    EXPECT_EQ(puzzle, TPuzzle{});
}

std::int32_t Recontar(const TPuzzle& p, bool& interrompido) {
    return ContarSolucoes(PadraoDasLetras(p.Letras), p.Lado, GrelhasDoPuzzle(p), 2, 100000,
                          interrompido);
}

TEST(GerarPuzzle, PuzzleUnicoEEstatisticasCoerentes) {
    const TDicionario& dic = ListaFixa();
    for (const std::int32_t lado : {9, 11}) {
        for (std::uint32_t semente = 1; semente <= 4; ++semente) {
            TPuzzle puzzle;
            TEstatisticasGerador e;
            std::int32_t consultas = 0;
            ASSERT_TRUE(GerarPuzzle(
                dic, lado, semente, OpcoesGeradorPadrao(), [&] { return ++consultas, false; },
                puzzle, e));
            bool interrompido = true;
            EXPECT_EQ(Recontar(puzzle, interrompido), 1);
            EXPECT_FALSE(interrompido);
            EXPECT_TRUE(MotivoRejeicao(PadraoDasLetras(puzzle.Letras), lado).empty());
            EXPECT_EQ(e.Preenchimentos, 1 + e.NaoUnicos + e.ContagensInterrompidas);
            // One query before each pattern and each fill attempt, and more between the
            // filler's own attempts.
            EXPECT_GE(consultas, e.Padroes + e.Preenchimentos + e.FalhasPreenchimento);
            std::int32_t raras = 0;
            for (const TPalavraColocada& w : puzzle.Palavras)
                raras += dic.GetPalavra(dic.IndiceDaGrelha(w.Grelha)).Comum ? 0 : 1;
            EXPECT_EQ(e.ComRaras, raras > 0 ? 1 : 0);
        }
    }
}

TEST(GerarPuzzle, MesmaSementeMesmoPuzzle) {
    TPuzzle a, b;
    TEstatisticasGerador ea, eb;
    ASSERT_TRUE(GerarPuzzle(ListaFixa(), 11, 99, OpcoesGeradorPadrao(), {}, a, ea));
    ASSERT_TRUE(GerarPuzzle(ListaFixa(), 11, 99, OpcoesGeradorPadrao(), {}, b, eb));
    EXPECT_EQ(a, b);
    EXPECT_EQ(ea, eb);
}

// The fixed list with every word moved to the rare section.
std::unique_ptr<TDicionario> TudoRaro() {
    std::ifstream f(PALVORIN_LISTA_FIXA);
    std::vector<std::string> linhas = {"#SECCAO RARAS"};
    for (std::string l; std::getline(f, l);)
        if (l.rfind("#", 0) != 0)
            linhas.push_back(l);
    return Lista(linhas);
}

TEST(GerarPuzzle, RarasSoNoSegundoPreenchimento) {
    const auto dic = TudoRaro();
    TPuzzle puzzle;
    TEstatisticasGerador e;
    ASSERT_TRUE(GerarPuzzle(*dic, 9, 3, OpcoesGeradorPadrao(), {}, puzzle, e));
    EXPECT_EQ(e.ComRaras, 1);

    TOpcoesGerador semRaras = OpcoesGeradorPadrao();
    semRaras.PermitirRaras = false;
    semRaras.MaxPadroes = 20;
    EXPECT_FALSE(GerarPuzzle(*dic, 9, 3, semRaras, {}, puzzle, e));
    EXPECT_EQ(e.Preenchimentos, 0);
    EXPECT_EQ(e.FalhasPreenchimento, e.Padroes - e.PadroesRejeitados)
        << "cada padrão aceite falha uma vez e é abandonado";

    TOpcoesGerador jaComRaras = semRaras;
    jaComRaras.PermitirRaras = true;
    jaComRaras.Preenchimento.SoComuns = false;
    EXPECT_TRUE(GerarPuzzle(*dic, 9, 3, jaComRaras, {}, puzzle, e));
}

TEST(GerarPuzzle, SemTesteDeCurtasComFraccaoZero) {
    // With the short-slot test off, a pattern is only rejected by its shape.
    TOpcoesGerador opc = OpcoesGeradorPadrao();
    opc.MaxFraccaoCurtas = 0;
    opc.ProbEvitarCurtas = 0;
    opc.MaxPreenchimentos = 0;
    opc.MaxPadroes = 60;
    TPuzzle puzzle;
    TEstatisticasGerador e;
    EXPECT_FALSE(GerarPuzzle(ListaFixa(), 9, 5, opc, {}, puzzle, e));
    TGeradorAleatorio ger(5);
    std::int32_t rejeitados = 0;
    for (std::int32_t i = 0; i < 60; ++i)
        rejeitados += MotivoRejeicao(GerarPadrao(9, ger, 0.3, 0), 9).empty() ? 0 : 1;
    EXPECT_EQ(e.PadroesRejeitados, rejeitados);
    EXPECT_EQ(e.Padroes, 60);
}

// GerarPuzzle written out step by step: one generator for the whole call, the rare-word
// retry continuing its sequence, the counts of every statistic.
bool GerarPuzzleSimples(const TDicionario& ADic, std::int32_t ALado, std::uint32_t ASemente,
                        const TOpcoesGerador& AOpc, TPuzzle& APuzzle,
                        TEstatisticasGerador& AEstat) {
    APuzzle = TPuzzle{};
    AEstat = TEstatisticasGerador{};
    TGeradorAleatorio ger(ASemente);
    for (std::int32_t p = 0; p < AOpc.MaxPadroes; ++p) {
        const TPadrao pretas = GerarPadrao(ALado, ger, AOpc.Densidade, AOpc.ProbEvitarCurtas);
        ++AEstat.Padroes;
        if (!MotivoRejeicao(pretas, ALado).empty() ||
            (AOpc.MaxFraccaoCurtas > 0 && DemasiadasCurtas(pretas, ALado, AOpc.MaxFraccaoCurtas))) {
            ++AEstat.PadroesRejeitados;
            continue;
        }
        for (std::int32_t t = 0; t < AOpc.MaxPreenchimentos; ++t) {
            TOpcoesPreenchimento opc = AOpc.Preenchimento;
            TPuzzle cheio;
            bool ok = PreencherPadrao(ADic, pretas, ALado, ger, opc, cheio);
            if (!ok && AOpc.PermitirRaras && opc.SoComuns) {
                opc.SoComuns = false;
                ok = PreencherPadrao(ADic, pretas, ALado, ger, opc, cheio);
            }
            if (!ok) {
                ++AEstat.FalhasPreenchimento;
                break;
            }
            ++AEstat.Preenchimentos;
            bool interrompida = false;
            const std::int32_t n = ContarSolucoes(pretas, ALado, GrelhasDoPuzzle(cheio), 2,
                                                  AOpc.LimiteNosContagem, interrompida);
            if (interrompida) {
                ++AEstat.ContagensInterrompidas;
            } else if (n == 1) {
                APuzzle = cheio;
                for (const TPalavraColocada& w : cheio.Palavras) {
                    const std::int32_t k = ADic.IndiceDaGrelha(w.Grelha);
                    if (k >= 0 && !ADic.GetPalavra(k).Comum)
                        AEstat.ComRaras = 1;
                }
                return true;
            } else {
                ++AEstat.NaoUnicos;
            }
        }
    }
    return false;
}

TEST(GerarPuzzle, ComoOPuzzlePassoAPasso) {
    // Small fill budgets on the fixed list: common-only fills fail often and the retry with
    // rare words runs; small count budgets interrupt some counts.
    TOpcoesGerador opc = OpcoesGeradorPadrao();
    opc.Preenchimento.Tentativas = 3;
    opc.LimiteNosContagem = 60;
    opc.MaxPadroes = 30;
    TEstatisticasGerador soma;
    for (const std::int32_t lado : {9, 11})
        for (std::uint32_t semente = 1; semente <= 8; ++semente) {
            SCOPED_TRACE("lado " + std::to_string(lado) + " semente " + std::to_string(semente));
            TPuzzle puzzle, esperado;
            TEstatisticasGerador estat, estatEsperadas;
            EXPECT_EQ(
                GerarPuzzle(ListaFixa(), lado, semente, opc, {}, puzzle, estat),
                GerarPuzzleSimples(ListaFixa(), lado, semente, opc, esperado, estatEsperadas));
            EXPECT_EQ(puzzle, esperado);
            EXPECT_EQ(estat, estatEsperadas);
            soma.ComRaras += estat.ComRaras;
            soma.ContagensInterrompidas += estat.ContagensInterrompidas;
            soma.FalhasPreenchimento += estat.FalhasPreenchimento;
        }
    EXPECT_GT(soma.ComRaras, 0);
    EXPECT_GT(soma.ContagensInterrompidas, 0);
    EXPECT_GT(soma.FalhasPreenchimento, 0);
}

} // namespace
