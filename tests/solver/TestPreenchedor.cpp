#include "Fixturas.hpp"
#include "PadraoComLado.hpp"
#include "UnitPalvorinPreenchedor.hpp"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

// A 9x9 pattern drawn once with the generator's usual settings.
TPadrao PadraoNove(std::uint32_t ASemente) {
    TGeradorAleatorio ger(ASemente);
    return GerarPadrao(9, ger, 0.3, 0.7);
}

// Rare words allowed: the small fixed list rarely fills a board from its common part alone.
TOpcoesPreenchimento TodasAsPalavras() {
    TOpcoesPreenchimento opc = OpcoesPreenchimentoPadrao();
    opc.SoComuns = false;
    return opc;
}

bool Preencher(const TDicionario& dic, const TPadrao& p, std::int32_t lado, std::uint32_t semente,
               const TOpcoesPreenchimento& opc, TPuzzle& puzzle) {
    TGeradorAleatorio ger(semente);
    return PreencherPadrao(dic, p, lado, ger, opc, puzzle);
}

// Each slot spells its word, words follow slot order, no word twice, letters only where white.
void VerificarPuzzle(const TDicionario& dic, const TPadrao& p, const TPuzzle& puzzle) {
    ASSERT_EQ(puzzle.Letras.size(), p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i])
            ASSERT_EQ(puzzle.Letras[i], '#');
        else
            ASSERT_TRUE(puzzle.Letras[i] >= 'A' && puzzle.Letras[i] <= 'Z');
    }
    ASSERT_EQ(puzzle.Ranhuras, ExtrairRanhuras(p, puzzle.Lado));
    ASSERT_EQ(puzzle.Palavras.size(), puzzle.Ranhuras.size());
    std::set<std::string> vistas;
    for (std::size_t k = 0; k < puzzle.Palavras.size(); ++k) {
        const TPalavraColocada& w = puzzle.Palavras[k];
        EXPECT_EQ(w.Ranhura, static_cast<std::int32_t>(k));
        EXPECT_EQ(LerRanhura(puzzle.Letras, puzzle.Lado, puzzle.Ranhuras[k]), w.Grelha);
        const std::int32_t indice = dic.IndiceDaGrelha(w.Grelha);
        ASSERT_GE(indice, 0) << w.Grelha;
        EXPECT_EQ(dic.Palavra(indice).Texto, w.Texto);
        EXPECT_TRUE(vistas.insert(w.Grelha).second) << w.Grelha << " repetida";
    }
}

TEST(PreencherPadrao, InvariantesDoTabuleiroCheio) {
    const TDicionario& dic = ListaFixa();
    std::int32_t cheios = 0;
    for (std::uint32_t semente = 1; semente <= 60 && cheios < 5; ++semente) {
        const TPadrao p = PadraoNove(semente);
        TPuzzle puzzle;
        if (!Preencher(dic, p, 9, semente, TodasAsPalavras(), puzzle)) {
            EXPECT_EQ(puzzle, TPuzzle{});
            continue;
        }
        ++cheios;
        SCOPED_TRACE("semente " + std::to_string(semente));
        VerificarPuzzle(dic, p, puzzle);
    }
    EXPECT_EQ(cheios, 5);
}

TEST(PreencherPadrao, SoComunsNuncaColocaRaras) {
    const TDicionario& dic = ListaFixa();
    std::int32_t cheios = 0;
    for (std::uint32_t semente = 1; semente <= 60 && cheios < 3; ++semente) {
        const TPadrao p = PadraoNove(semente);
        TPuzzle puzzle;
        if (!Preencher(dic, p, 9, semente, OpcoesPreenchimentoPadrao(), puzzle))
            continue;
        ++cheios;
        VerificarPuzzle(dic, p, puzzle);
        for (const TPalavraColocada& w : puzzle.Palavras)
            EXPECT_TRUE(dic.Palavra(dic.IndiceDaGrelha(w.Grelha)).Comum) << w.Grelha;
    }
    EXPECT_EQ(cheios, 3);
}

TEST(PreencherPadrao, SoComunsDecideSeAsRarasEntram) {
    // The down words of this square are rare: common words alone cannot fill it.
    const auto dic = Lista({"ABC", "DEF", "GHI", "#SECCAO RARAS", "ADG", "BEH", "CFI"});
    TOpcoesPreenchimento opc = OpcoesPreenchimentoPadrao();
    TPuzzle puzzle;
    EXPECT_FALSE(Preencher(*dic, TPadrao(9, false), 3, 1, opc, puzzle));
    opc.SoComuns = false;
    ASSERT_TRUE(Preencher(*dic, TPadrao(9, false), 3, 1, opc, puzzle));
    VerificarPuzzle(*dic, TPadrao(9, false), puzzle);
}

// Two word squares that each fill the 3 × 3 board: ABC/DEF/GHI under the first section's
// heading, JKL/MNO/PQR under the second's.
std::vector<std::string> DoisQuadrados(const std::string& APrimeira, const std::string& ASegunda) {
    return {"#SECCAO " + APrimeira, "ABC", "DEF", "GHI", "ADG", "BEH", "CFI",
            "#SECCAO " + ASegunda,  "JKL", "MNO", "PQR", "JMP", "KNQ", "LOR"};
}

// Fills the empty 3 × 3 board from seeds 1 to 20 and checks every word placed.
void CadaPalavraDeVinteSementes(const TDicionario& ADic, const TOpcoesPreenchimento& AOpc,
                                const std::function<bool(const std::string&)>& AAceite,
                                const std::string& ACaso) {
    for (std::uint32_t semente = 1; semente <= 20; ++semente) {
        TPuzzle puzzle;
        ASSERT_TRUE(Preencher(ADic, TPadrao(9, false), 3, semente, AOpc, puzzle));
        for (const TPalavraColocada& w : puzzle.Palavras)
            EXPECT_TRUE(AAceite(w.Grelha)) << w.Grelha << ", semente " << semente << ", " << ACaso;
    }
}

TEST(PreencherPadrao, PreferidasPrimeiro) {
    // Drawn uniformly, about half the seeds would take the square whose words are not
    // preferred. In the last list every word is rare.
    const struct {
        std::vector<std::string> Linhas;
        bool SoComuns;
    } casos[] = {
        {DoisQuadrados("COMUNS PREFERIDAS", "COMUNS"), true},
        {DoisQuadrados("COMUNS PREFERIDAS", "COMUNS"), false},
        {DoisQuadrados("RARAS PREFERIDAS", "RARAS"), false},
    };
    for (const auto& c : casos) {
        const auto dic = Lista(c.Linhas);
        TOpcoesPreenchimento opc = OpcoesPreenchimentoPadrao();
        opc.SoComuns = c.SoComuns;
        CadaPalavraDeVinteSementes(
            *dic, opc,
            [&](const std::string& AGrelha) {
                return dic->Palavra(dic->IndiceDaGrelha(AGrelha)).Preferida;
            },
            c.Linhas[0]);
    }
}

TEST(PreencherPadrao, TemaAntesDeTodasAsOutras) {
    // The theme's square is always the one placed, above preferred words and above the common
    // section. The theme's words of the last case are no longer candidates once a word of the
    // other square is in place, so the tier holds at the first step and every step after.
    const std::vector<std::string> quadrado = {"JKL", "MNO", "PQR", "JMP", "KNQ", "LOR"};
    const struct {
        std::vector<std::string> Linhas;
        bool SoComuns;
    } casos[] = {
        {DoisQuadrados("COMUNS PREFERIDAS", "COMUNS"), true},
        {DoisQuadrados("COMUNS PREFERIDAS", "RARAS"), false},
    };
    for (const auto& c : casos) {
        const auto dic = Lista(c.Linhas);
        std::vector<TPalavraDic> tema;
        for (const std::string& w : quadrado)
            tema.push_back({w, w, true, false});
        TOpcoesPreenchimento opc = OpcoesPreenchimentoPadrao();
        opc.SoComuns = c.SoComuns;
        opc.Tema = std::make_shared<const TMascarasTema>(MascarasDoTema(*dic, tema));
        CadaPalavraDeVinteSementes(
            *dic, opc,
            [&](const std::string& AGrelha) {
                return std::find(quadrado.begin(), quadrado.end(), AGrelha) != quadrado.end();
            },
            c.Linhas[c.Linhas.size() / 2]);
    }
}

TEST(PreencherPadrao, TemaVazioEncheComoSemTema) {
    // A theme with no word of the board's lengths draws nothing more: the same puzzles.
    const TDicionario& dic = ListaFixa();
    TOpcoesPreenchimento comTema = TodasAsPalavras();
    comTema.Tema = std::make_shared<const TMascarasTema>(
        MascarasDoTema(dic, {{"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO", true, false}}));
    for (std::uint32_t semente = 1; semente <= 10; ++semente) {
        const TPadrao p = PadraoNove(semente);
        TPuzzle sem, com;
        EXPECT_EQ(Preencher(dic, p, 9, semente, TodasAsPalavras(), sem),
                  Preencher(dic, p, 9, semente, comTema, com));
        EXPECT_EQ(sem, com);
    }
}

TEST(PreencherPadrao, TemaGrandeSemRepetirNemProibidas) {
    // A theme of every second word, more than 64 of some lengths, with every third word of the
    // list forbidden: theme words are placed often, out of the most constrained slot too, and
    // none may come back once placed or taken back, nor slip past the ban.
    const TDicionario& dic = ListaFixa();
    std::vector<TPalavraDic> tema;
    for (std::int32_t i = 0; i < dic.Total(); i += 2)
        tema.push_back(dic.Palavra(i));
    TOpcoesPreenchimento opc = TodasAsPalavras();
    opc.Tema = std::make_shared<const TMascarasTema>(MascarasDoTema(dic, tema));
    opc.Proibidas.assign(dic.Total(), false);
    for (std::int32_t i = 0; i < dic.Total(); i += 3)
        opc.Proibidas[i] = true;
    std::int32_t cheios = 0, doTema = 0;
    for (std::uint32_t semente = 1; semente <= 30 && cheios < 6; ++semente) {
        const TPadrao p = PadraoNove(semente);
        TPuzzle puzzle;
        if (!Preencher(dic, p, 9, semente, opc, puzzle))
            continue;
        ++cheios;
        SCOPED_TRACE("semente " + std::to_string(semente));
        VerificarPuzzle(dic, p, puzzle);
        for (const TPalavraColocada& w : puzzle.Palavras) {
            const std::int32_t i = dic.IndiceDaGrelha(w.Grelha);
            EXPECT_FALSE(opc.Proibidas[i]) << w.Grelha;
            doTema += i % 2 == 0;
        }
    }
    EXPECT_EQ(cheios, 6);
    EXPECT_GT(doTema, 0);
}

// Every word of the list, with every seventh word (index divisible by 7) as the theme.
TOpcoesPreenchimento ComTemaDeUmaEmSete(const TDicionario& ADic) {
    std::vector<TPalavraDic> tema;
    for (std::int32_t i = 0; i < ADic.Total(); i += 7)
        tema.push_back(ADic.Palavra(i));
    TOpcoesPreenchimento opc = TodasAsPalavras();
    opc.Tema = std::make_shared<const TMascarasTema>(MascarasDoTema(ADic, tema));
    return opc;
}

TEST(PreencherPadrao, LarguezaTemaLevaOTemaAOutrasRanhuras) {
    // At width 0 a theme word goes only where the most constrained slot takes one; a wider net
    // fills other slots with theme words first, and so places more of them.
    const TDicionario& dic = ListaFixa();
    TOpcoesPreenchimento opc = ComTemaDeUmaEmSete(dic);
    opc.Tentativas = 1;
    std::vector<double> quota;
    for (const std::int32_t largueza : {0, 8, 48}) {
        opc.LarguezaTema = largueza;
        std::int32_t doTema = 0, todas = 0;
        for (std::uint32_t semente = 1; semente <= 40; ++semente) {
            TPuzzle puzzle;
            if (!Preencher(dic, PadraoNove(semente), 9, semente, opc, puzzle))
                continue;
            for (const TPalavraColocada& w : puzzle.Palavras)
                doTema += dic.IndiceDaGrelha(w.Grelha) % 7 == 0;
            todas += static_cast<std::int32_t>(puzzle.Palavras.size());
        }
        quota.push_back(static_cast<double>(doTema) / todas);
    }
    EXPECT_LT(quota[0], quota[1]);
    EXPECT_LT(quota[1], quota[2]);
}

TEST(PreencherPadrao, QuotaTemaFechaARede) {
    // With the quota met from the start the wide net never opens: the fills are those of width 0.
    const TDicionario& dic = ListaFixa();
    TOpcoesPreenchimento estreita = ComTemaDeUmaEmSete(dic);
    estreita.Tentativas = 4;
    estreita.LarguezaTema = 0;
    TOpcoesPreenchimento fechada = estreita;
    fechada.LarguezaTema = 48;
    fechada.QuotaTema = 0;
    TOpcoesPreenchimento aberta = fechada;
    aberta.QuotaTema = 30;
    std::int32_t cheios = 0, diferentes = 0;
    for (std::uint32_t semente = 1; semente <= 40; ++semente) {
        const TPadrao p = PadraoNove(semente);
        TPuzzle a, b, c;
        const bool cheio = Preencher(dic, p, 9, semente, estreita, a);
        cheios += cheio;
        EXPECT_EQ(cheio, Preencher(dic, p, 9, semente, fechada, b));
        EXPECT_EQ(a, b) << semente;
        Preencher(dic, p, 9, semente, aberta, c);
        diferentes += a != c;
    }
    EXPECT_GT(cheios, 0);
    // A quota not yet met leaves the net open.
    EXPECT_GT(diferentes, 0);
}

TEST(PreencherPadrao, ProibidasNuncaSaoColocadas) {
    // Every third word of the list forbidden, on a pattern the fixed list fills easily.
    const TDicionario& dic = ListaFixa();
    const TPadrao p = PadraoNove(11);
    TOpcoesPreenchimento opc = TodasAsPalavras();
    opc.Proibidas.assign(dic.Total(), false);
    for (std::int32_t i = 0; i < dic.Total(); i += 3)
        opc.Proibidas[i] = true;
    std::int32_t cheios = 0;
    for (std::uint32_t semente = 0; semente < 4; ++semente) {
        TPuzzle puzzle;
        if (!Preencher(dic, p, 9, semente, opc, puzzle))
            continue;
        ++cheios;
        for (const TPalavraColocada& w : puzzle.Palavras)
            EXPECT_FALSE(opc.Proibidas[dic.IndiceDaGrelha(w.Grelha)]) << w.Grelha;
    }
    EXPECT_GT(cheios, 0);
}

TEST(PreencherPadrao, ProibidasCurtasNaoProibemAlemDoFim) {
    // An array that ends before every word of the list forbids nothing: same fill as without.
    const TDicionario& dic = ListaFixa();
    const TPadrao p = PadraoNove(5);
    TOpcoesPreenchimento opc = TodasAsPalavras();
    opc.Proibidas.assign(1, false);
    TPuzzle sem, com;
    const bool a = Preencher(dic, p, 9, 5, TodasAsPalavras(), sem);
    const bool b = Preencher(dic, p, 9, 5, opc, com);
    EXPECT_EQ(a, b);
    EXPECT_EQ(sem, com);
}

TEST(PreencherPadrao, MesmoEstadoMesmoPuzzleEMesmoEstadoFinal) {
    const TDicionario& dic = ListaFixa();
    const TPadrao p = PadraoNove(8);
    TGeradorAleatorio a(77), b(77);
    TPuzzle pa, pb;
    const bool ra = PreencherPadrao(dic, p, 9, a, TodasAsPalavras(), pa);
    const bool rb = PreencherPadrao(dic, p, 9, b, TodasAsPalavras(), pb);
    EXPECT_EQ(ra, rb);
    EXPECT_EQ(pa, pb);
    EXPECT_EQ(a.Estado(), b.Estado());
}

TEST(PreencherPadrao, RamoETentativasAbaixoDeUmValemUm) {
    const TDicionario& dic = ListaFixa();
    const TPadrao p = PadraoNove(4);
    TOpcoesPreenchimento zero = OpcoesPreenchimentoPadrao(), um = zero;
    zero.Ramo = 0;
    zero.Tentativas = -3;
    um.Ramo = 1;
    um.Tentativas = 1;
    TGeradorAleatorio a(9), b(9);
    TPuzzle pa, pb;
    EXPECT_EQ(PreencherPadrao(dic, p, 9, a, zero, pa), PreencherPadrao(dic, p, 9, b, um, pb));
    EXPECT_EQ(pa, pb);
    EXPECT_EQ(a.Estado(), b.Estado());
}

TEST(PreencherPadrao, SemRanhurasEnchelogo) {
    TPuzzle puzzle;
    TOpcoesPreenchimento opc = OpcoesPreenchimentoPadrao();
    opc.LimiteNos = 0;
    ASSERT_TRUE(Preencher(ListaFixa(), TPadrao(81, true), 9, 1, opc, puzzle));
    EXPECT_EQ(puzzle.Lado, 9);
    EXPECT_EQ(puzzle.Letras, std::string(81, '#'));
    EXPECT_TRUE(puzzle.Ranhuras.empty());
    EXPECT_TRUE(puzzle.Palavras.empty());
}

TEST(PreencherPadrao, LimiteDeNosZeroFalhaSemSortear) {
    TOpcoesPreenchimento opc = OpcoesPreenchimentoPadrao();
    opc.LimiteNos = 0;
    TGeradorAleatorio ger(1);
    const std::uint64_t antes = ger.Estado();
    TPuzzle puzzle;
    puzzle.Lado = 3;
    EXPECT_FALSE(PreencherPadrao(ListaFixa(), PadraoNove(1), 9, ger, opc, puzzle));
    EXPECT_EQ(puzzle, TPuzzle{});
    EXPECT_EQ(ger.Estado(), antes);
}

TEST(PreencherPadrao, RanhuraForaDeDoisAQuinzeFalhaSemTentar) {
    TGeradorAleatorio ger(1);
    const std::uint64_t antes = ger.Estado();
    TPuzzle puzzle;
    EXPECT_FALSE(PreencherPadrao(ListaFixa(), TPadrao(17 * 17, false), 17, ger,
                                 OpcoesPreenchimentoPadrao(), puzzle));
    EXPECT_EQ(ger.Estado(), antes);
}

TEST(PreencherPadrao, ComprimentoSemPalavrasFalha) {
    // A list with no 5-letter word cannot fill an all-white 5x5 board.
    const auto dic = Lista({"CASA", "RIO", "MARES"});
    const auto sem = Lista({"CASA", "RIO"});
    TPuzzle puzzle;
    EXPECT_FALSE(Preencher(*sem, TPadrao(25, false), 5, 1, OpcoesPreenchimentoPadrao(), puzzle));
    EXPECT_FALSE(Preencher(*dic, TPadrao(25, false), 5, 1, OpcoesPreenchimentoPadrao(), puzzle))
        << "uma só palavra de 5 letras não chega para dez ranhuras";
}

TEST(PreencherPadrao, QuadradoDePalavrasUnico) {
    // 3x3 all white: the only fills of this list are the square and its transpose, and no
    // word may be used twice, so both use all six words.
    const auto dic = Lista({"ABC", "DEF", "GHI", "ADG", "BEH", "CFI"});
    for (std::uint32_t semente = 0; semente < 10; ++semente) {
        TPuzzle puzzle;
        ASSERT_TRUE(
            Preencher(*dic, TPadrao(9, false), 3, semente, OpcoesPreenchimentoPadrao(), puzzle));
        EXPECT_TRUE(puzzle.Letras == "ABCDEFGHI" || puzzle.Letras == "ADGBEHCFI") << puzzle.Letras;
    }
}

} // namespace

// A fill that cannot succeed (three 3-letter words never make a 3x3 square) runs all its
// attempts; the cancellation query is asked between them and never changes a draw.
TEST(PreencherPadrao, ConsultaDeCancelamentoEntreTentativas) {
    const auto dic = Lista({"SOL", "MAR", "CEU"});
    const TPadrao branco(9, false);
    TOpcoesPreenchimento opc = TodasAsPalavras();
    TGeradorAleatorio semConsulta(5);
    TPuzzle puzzle;
    ASSERT_FALSE(PreencherPadrao(*dic, branco, 3, semConsulta, opc, puzzle));

    struct {
        std::int32_t cancelarNaConsulta; // 0: never
        std::int32_t consultasEsperadas;
    } casos[] = {{0, opc.Tentativas - 1}, {1, 1}, {3, 3}};
    for (const auto& c : casos) {
        TGeradorAleatorio ger(5);
        std::int32_t consultas = 0;
        const auto consulta = [&] { return ++consultas == c.cancelarNaConsulta; };
        EXPECT_FALSE(PreencherPadrao(*dic, branco, 3, ger, opc, puzzle, consulta));
        EXPECT_EQ(consultas, c.consultasEsperadas) << c.cancelarNaConsulta;
        if (c.cancelarNaConsulta == 0) {
            EXPECT_EQ(ger.Estado(), semConsulta.Estado());
        }
    }
}
