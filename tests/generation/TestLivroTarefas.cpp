// Books made on several threads: the same book, report, attempts and reported positions as on
// one, and a cancelled run holds exactly what the single-threaded run had settled by then.
#include "ConfigLivro.hpp"
#include "Fixturas.hpp"
#include "ListaEmbutida.hpp"
#include "UnitPalvorinLivro.hpp"
#include "UnitPalvorinTema.hpp"
#include "UnitPalvorinTentativas.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <thread>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

struct TLivroFeito {
    std::vector<TPuzzle> Puzzles;
    TRelatorioLivro Relatorio;
    std::vector<std::int32_t> Tentativas;
    std::vector<std::int32_t> Posicoes; // reported, each once, in the order first seen
    std::int32_t Chamadas = 0;
    std::int32_t PosicaoDoCancelamento = -1;
    std::int32_t ChamadasDepoisDoCancelamento = 0;
    bool SoNoFioDoChamador = true;
};

// ACancelarNa: the report (1-based) that cancels; 0 never does.
TLivroFeito FazerLivro(const TDicionario& ADic, const TConfigLivro& AConfig, std::int32_t ATarefas,
                       std::int32_t ACancelarNa = 0) {
    TLivroFeito livro;
    const std::thread::id chamador = std::this_thread::get_id();
    const TProgressoLivro progresso = [&](std::int32_t AAtual, std::int32_t, bool& ACancelar) {
        livro.SoNoFioDoChamador = livro.SoNoFioDoChamador && std::this_thread::get_id() == chamador;
        if (livro.Posicoes.empty() || livro.Posicoes.back() != AAtual)
            livro.Posicoes.push_back(AAtual);
        if (livro.PosicaoDoCancelamento >= 0)
            ++livro.ChamadasDepoisDoCancelamento;
        if (++livro.Chamadas == ACancelarNa) {
            ACancelar = true;
            livro.PosicaoDoCancelamento = AAtual;
        }
    };
    TExecucaoLivro execucao;
    execucao.Tarefas = ATarefas;
    execucao.Tentativas = &livro.Tentativas;
    livro.Puzzles = GerarLivro(ADic, AConfig, progresso, livro.Relatorio, execucao);
    return livro;
}

std::vector<std::int32_t> DeZeroA(std::int32_t AFim) {
    std::vector<std::int32_t> v(AFim + 1);
    for (std::int32_t k = 0; k <= AFim; ++k)
        v[k] = k;
    return v;
}

struct TCasoLivro {
    const char* Nome;
    const TDicionario& (*Lista)();
    TPedidoLivro Pedido;         // judged when the test runs: a theme's name needs the fonts
    std::int32_t MaisTentativas; // the hardest position takes at least this many attempts
    bool ComFalhas;              // some position gets no puzzle
};

void PrintTo(const TCasoLivro& ACaso, std::ostream* ASaida) {
    *ASaida << ACaso.Nome;
}

// The fixed theme: common and rare words of the fixed list, and two it lacks, which the book's
// list gains.
std::optional<TTema> TemaFixo() {
    TRelatorioDic rel;
    return LerTemaDeFicheiro(PALVORIN_TEMA_FIXO, rel);
}

const TCasoLivro CASOS[] = {
    {"embutida_9", ListaEmbutida, TPedidoLivro{.NumPuzzles = 12, .Lado = 9, .Semente = 1}, 1,
     false},
    {"embutida_11", ListaEmbutida, TPedidoLivro{.NumPuzzles = 12, .Lado = 11, .Semente = 2}, 1,
     false},
    {"embutida_13", ListaEmbutida, TPedidoLivro{.NumPuzzles = 10, .Lado = 13, .Semente = 3}, 1,
     false},
    {"embutida_15", ListaEmbutida, TPedidoLivro{.NumPuzzles = 8, .Lado = 15, .Semente = 4}, 1,
     false},
    // The third position gets no puzzle; at the fifth three attempts repeat too many words and
    // the fourth, with forbidden words, is accepted.
    {"terco_falha_e_quarta_tentativa", TercoDaListaFixa,
     TPedidoLivro{.NumPuzzles = 5, .Lado = 9, .Semente = 7}, 4, true},
    // A book of the scarcest level: most positions discard attempts of the other levels.
    {"nivel_dificil_9", ListaEmbutida,
     TPedidoLivro{.NumPuzzles = 8, .Lado = 9, .Semente = 5, .Nivel = TNivelDificuldade::ndDificil},
     2, false},
    {"tema_animais_13", ListaEmbutida,
     TPedidoLivro{.NumPuzzles = 10, .Lado = 13, .Semente = 6, .Tema = TemaEmbutido("Animais")}, 1,
     false},
    {"tema_fixo_9", ListaFixa,
     TPedidoLivro{.NumPuzzles = 8, .Lado = 9, .Semente = 8, .Tema = TemaFixo()}, 1, false},
};

class LivroComTarefas : public testing::TestWithParam<TCasoLivro> {};

std::string NomeDoCaso(const testing::TestParamInfo<TCasoLivro>& AInfo) {
    return AInfo.param.Nome;
}

INSTANTIATE_TEST_SUITE_P(Casos, LivroComTarefas, testing::ValuesIn(CASOS), NomeDoCaso);

TEST_P(LivroComTarefas, OMesmoLivroComQualquerNumeroDeTarefas) {
    const TCasoLivro& c = GetParam();
    const TConfigLivro config = ConfigDoLivro(c.Pedido);
    const TLivroFeito um = FazerLivro(c.Lista(), config, 1);
    ASSERT_FALSE(um.Tentativas.empty());
    // What the book is there to show; the built-in list may change under the other books.
    EXPECT_GE(*std::max_element(um.Tentativas.begin(), um.Tentativas.end()), c.MaisTentativas);
    if (c.ComFalhas) {
        EXPECT_FALSE(um.Relatorio.Falhas.empty());
    }
    EXPECT_EQ(um.Posicoes, DeZeroA(config.NumPuzzles()));
    for (const std::int32_t tarefas : {2, 3, 8}) {
        SCOPED_TRACE(std::to_string(tarefas) + " tarefas");
        const TLivroFeito livro = FazerLivro(c.Lista(), config, tarefas);
        EXPECT_EQ(livro.Puzzles, um.Puzzles);
        EXPECT_EQ(livro.Relatorio, um.Relatorio);
        EXPECT_EQ(livro.Tentativas, um.Tentativas);
        EXPECT_EQ(livro.Posicoes, um.Posicoes);
        EXPECT_TRUE(livro.SoNoFioDoChamador);
    }
}

class CancelarLivroComTarefas : public testing::TestWithParam<TCasoLivro> {};

// One book whose workers run ahead, one whose later attempts are handed out.
INSTANTIATE_TEST_SUITE_P(Casos, CancelarLivroComTarefas, testing::Values(CASOS[3], CASOS[4]),
                         NomeDoCaso);

TEST_P(CancelarLivroComTarefas, EmQualquerMomentoGuardaSoOQueEstavaDecidido) {
    const TCasoLivro& c = GetParam();
    const TConfigLivro config = ConfigDoLivro(c.Pedido);
    const TLivroFeito completo = FazerLivro(c.Lista(), config, 1);
    std::mt19937 sorteio(config.Semente());
    std::uniform_int_distribution<std::int32_t> momento(1, completo.Chamadas);
    for (const std::int32_t tarefas : {1, 2, 8}) {
        // Reports come every 40 ms and while waiting for workers, so one report number falls
        // at a different point of the run from one run to the next.
        for (std::int32_t vez = 0; vez < 2; ++vez) {
            const std::int32_t na = momento(sorteio);
            SCOPED_TRACE(std::to_string(tarefas) + " tarefas, cancelado no relatório " +
                         std::to_string(na));
            const TLivroFeito livro = FazerLivro(c.Lista(), config, tarefas, na);
            const std::int32_t decididas = livro.PosicaoDoCancelamento;
            if (decididas < 0 || decididas == config.NumPuzzles()) {
                // The run ended first, or the cancel came with the final report: ignored.
                EXPECT_FALSE(livro.Relatorio.Cancelado);
                EXPECT_EQ(livro.Puzzles, completo.Puzzles);
                EXPECT_EQ(livro.Relatorio, completo.Relatorio);
                continue;
            }
            EXPECT_TRUE(livro.Relatorio.Cancelado);
            EXPECT_EQ(livro.ChamadasDepoisDoCancelamento, 0);
            EXPECT_EQ(livro.Relatorio.Gerados, static_cast<std::int32_t>(livro.Puzzles.size()));
            EXPECT_EQ(livro.Relatorio.Gerados +
                          static_cast<std::int32_t>(livro.Relatorio.Falhas.size()),
                      decididas);
            EXPECT_EQ(livro.Tentativas,
                      std::vector<std::int32_t>(completo.Tentativas.begin(),
                                                completo.Tentativas.begin() + decididas));
            ASSERT_LE(livro.Puzzles.size(), completo.Puzzles.size());
            EXPECT_TRUE(
                std::equal(livro.Puzzles.begin(), livro.Puzzles.end(), completo.Puzzles.begin()));
            ASSERT_LE(livro.Relatorio.Falhas.size(), completo.Relatorio.Falhas.size());
            EXPECT_TRUE(std::equal(livro.Relatorio.Falhas.begin(), livro.Relatorio.Falhas.end(),
                                   completo.Relatorio.Falhas.begin()));
        }
    }
}

TEST(OficinaTentativas, UmErroSoChegaAQuemPrecisaDaTentativa) {
    // The generator refuses side 10; attempts handed out ahead fail on the workers, and only
    // those that are taken raise the error.
    const auto opcoes = std::make_shared<const TOpcoesGerador>(OpcoesGeradorPadrao());
    for (const std::int32_t trabalhadores : {0, 1, 7}) {
        SCOPED_TRACE(std::to_string(trabalhadores) + " trabalhadores");
        TOficinaTentativas oficina(ListaFixa(), 10, 1, trabalhadores);
        for (std::int32_t posicao = 0; posicao < 8; ++posicao)
            oficina.Pedir(posicao, 0, opcoes);
        for (std::int32_t posicao = 0; posicao < 4; ++posicao)
            EXPECT_THROW(oficina.Obter(posicao, 0, *opcoes, {}), EInterno);
        EXPECT_NO_THROW(oficina.Esquecer(5));
    }
}

} // namespace
