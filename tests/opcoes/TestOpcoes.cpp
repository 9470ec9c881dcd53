#include "UnitPalvorinOpcoes.hpp"
#include "UnitPalvorinTexto.hpp"
#include "UnitPalvorinTextos.hpp"

#include <gtest/gtest.h>
#include <string>

using namespace palvorin;

namespace {

TPedidoLivro Pedido(std::int32_t ANumPuzzles, std::int32_t ALado, std::string ATitulo = "") {
    return {.NumPuzzles = ANumPuzzles, .Lado = ALado, .Titulo = std::move(ATitulo)};
}

} // namespace

TEST(Opcoes, PluralSoNoUm) {
    struct {
        std::int64_t contagem;
        const char* esperado;
    } casos[] = {{1, "1 página"},
                 {0, "0 páginas"},
                 {2, "2 páginas"},
                 {-1, "-1 páginas"},
                 {100, "100 páginas"}};
    for (const auto& c : casos)
        EXPECT_EQ(Plural(c.contagem, "página", "páginas"), c.esperado) << c.contagem;
}

TEST(Opcoes, TextosComNumeros) {
    struct {
        std::string obtido, esperado;
    } casos[] = {
        {NomeFicheiroPadrao(11, 30), "Palvorin_11x11_30.pdf"},
        {NomeFicheiroPadrao(15, 100), "Palvorin_15x15_100.pdf"},
        {NomeFicheiroPadrao(15, 1), "Palvorin_15x15_1.pdf"},
        {TextoResumo(Pedido(30, 11)), "30 puzzles \u00B7 11 \u00D7 11"},
        {TextoResumo(Pedido(1, 9)), "1 puzzle \u00B7 9 \u00D7 9"},
        {TextoResumo(Pedido(150, 13)), "150 puzzles \u00B7 13 \u00D7 13"},
        {TextoResumo(Pedido(0, 10)), "0 puzzles \u00B7 10 \u00D7 10"},
        {TextoResumo({.Lado = 9, .Formato = TFormatoLivro::fl6x9, .Grafica = true}),
         "30 puzzles \u00B7 9 \u00D7 9 \u00B7 6 \u00D7 9 pol. \u00B7 para gráfica"},
        {TextoResumo({.Lado = 9, .Formato = TFormatoLivro::flCarta, .LetraGrande = true}),
         "30 puzzles \u00B7 9 \u00D7 9 \u00B7 Carta \u00B7 letra grande"},
        {TextoLivroGerado(30, 43), "Livro gerado: 30 puzzles, 43 páginas."},
        {TextoLivroGerado(1, 9), "Livro gerado: 1 puzzle, 9 páginas."},
        {TextoLivroGerado(2, 1), "Livro gerado: 2 puzzles, 1 página."},
        {TextoProgresso(0, 30), "A gerar o puzzle 1 de 30\u2026"},
        {TextoProgresso(29, 30), "A gerar o puzzle 30 de 30\u2026"},
        {TextoCancelado(12, 30), "Geração cancelada aos 12 de 30 puzzles. Nada foi gravado."},
        // Cancelled before the only puzzle: the word stays plural whatever the counts.
        {TextoCancelado(0, 1), "Geração cancelada aos 0 de 1 puzzles. Nada foi gravado."},
        {TextoConfirmarSaida(), "Está a ser gerado um livro. Cancelar e sair?"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(c.obtido, c.esperado);
}

TEST(Opcoes, AnalisarOpcoesParaNaPrimeiraFalha) {
    const std::string tamanho = "Escolha o tamanho do tabuleiro.";
    const std::string numero = "Indique um número de puzzles entre 1 e 100.";
    const std::string titulo = "O título do livro não pode ter mais de 40 caracteres.";
    const std::string quarenta(40, 'a');
    // 40 characters, each two UTF-16 units: 80 units.
    std::string astrais;
    for (int i = 0; i < 40; ++i)
        astrais += "\U0001F600";
    std::string acentos;
    for (int i = 0; i < 40; ++i)
        acentos += "ç";
    struct {
        TPedidoLivro pedido;
        std::string motivo;
    } casos[] = {
        {Pedido(0, 10), tamanho},
        {Pedido(30, 0), tamanho},
        {Pedido(0, 11), numero},
        {Pedido(101, 11), numero},
        {Pedido(-5, 9), numero},
        {Pedido(1, 9), ""},
        {Pedido(100, 15), ""},
        {Pedido(30, 11, quarenta), ""},
        {Pedido(30, 11, "  \t" + quarenta + " \r\n"), ""},
        {Pedido(30, 11, acentos), ""},
        {Pedido(30, 11, quarenta + "b"), titulo},
        {Pedido(30, 11, astrais), titulo},
        {Pedido(101, 11, quarenta + "b"), numero},
        {Pedido(30, 13, ""), ""},
        {Pedido(30, 11, "a\tb"), MotivoTitulo("a\tb")},
        {Pedido(0, 11, "a\tb"), numero},
    };
    for (const auto& c : casos) {
        const TAnalise analise = AnalisarOpcoes(c.pedido);
        EXPECT_EQ(analise.Motivo, c.motivo) << c.pedido.NumPuzzles << " " << c.pedido.Lado;
        ASSERT_EQ(analise.PodeGerar(), c.motivo.empty());
        // What is accepted is what was asked for, the title trimmed.
        if (analise.Config) {
            EXPECT_EQ(analise.Config->Titulo(), Aparar(c.pedido.Titulo));
        }
    }
}

TEST(Opcoes, NomeDoTemaJulgadoComoOTitulo) {
    const auto comTema = [](const std::string& ANome, std::string ATitulo = "") {
        TPedidoLivro pedido = Pedido(30, 11, std::move(ATitulo));
        pedido.Tema = TTema{.Nome = ANome, .Embutido = false};
        return pedido;
    };
    const struct {
        TPedidoLivro pedido;
        std::string motivo;
    } casos[] = {
        {comTema("férias na praia"), ""},
        {comTema("praia\x1B[2J"), "O nome do tema não pode ter caracteres de controlo: U+001B."},
        {comTema(std::string(41, 'a')), "O nome do tema não pode ter mais de 40 caracteres."},
        {comTema("a\xFF"), "O nome do tema não é texto UTF-8 válido."},
        {comTema("\U0001F600"), "O tipo de letra do livro não tem estes caracteres do nome do "
                                "tema: «\U0001F600» (U+1F600)."},
        // The title is judged first.
        {comTema("a\tb", "a\tb"), MotivoTitulo("a\tb")},
    };
    for (const auto& c : casos)
        EXPECT_EQ(AnalisarOpcoes(c.pedido).Motivo, c.motivo) << c.pedido.Tema->Nome;
    // The summary names the theme; without one it is as it was.
    EXPECT_EQ(TextoResumo(comTema("praia")), "30 puzzles \u00B7 11 \u00D7 11 \u00B7 tema praia");
}

TEST(Opcoes, TextoFalhas) {
    auto relatorio = [](std::int32_t AGerados, std::int32_t APedidos, int AFalhas) {
        TRelatorioLivro rel;
        rel.Gerados = AGerados;
        rel.Pedidos = APedidos;
        for (int i = 1; i <= AFalhas; ++i)
            rel.Falhas.push_back("Puzzle " + std::to_string(i) + ": falhou");
        return rel;
    };
    const std::string cinco = "\r\nPuzzle 1: falhou\r\nPuzzle 2: falhou\r\nPuzzle 3: falhou"
                              "\r\nPuzzle 4: falhou\r\nPuzzle 5: falhou";
    struct {
        TRelatorioLivro rel;
        std::string esperado;
    } casos[] = {
        {relatorio(30, 30, 0), ""},
        {relatorio(29, 30, 1), "O livro tem 29 dos 30 puzzles pedidos.\r\nPuzzle 1: falhou"},
        {relatorio(25, 30, 5), "O livro tem 25 dos 30 puzzles pedidos." + cinco},
        {relatorio(24, 30, 6),
         "O livro tem 24 dos 30 puzzles pedidos." + cinco + "\r\n\u2026 e mais 1."},
        {relatorio(23, 30, 7),
         "O livro tem 23 dos 30 puzzles pedidos." + cinco + "\r\n\u2026 e mais 2."},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TextoFalhas(c.rel), c.esperado) << c.rel.Falhas.size();
}

TEST(Opcoes, NumerosDeTexto) {
    using I = std::optional<std::int32_t>;
    using N = std::optional<std::uint32_t>;
    struct {
        const char* texto;
        I inteiro;
        N natural;
    } casos[] = {
        {"30", 30, 30u},
        {" 12 ", 12, 12u},
        {"\t12\r\n", 12, 12u},
        {"+7", 7, 7u},
        {"-3", -3, {}},
        {"0", 0, 0u},
        {"-0", 0, {}},
        {"150", 150, 150u},
        {"000000000000042", 42, 42u},
        {"2147483647", 2147483647, 2147483647u},
        {"-2147483648", INT32_MIN, {}},
        {"2147483648", {}, 2147483648u},
        {"4294967295", {}, 4294967295u},
        // Past the type's range: refused, never wrapped around.
        {"4294967296", {}, {}},
        {"4294967305", {}, {}},
        {"8589934605", {}, {}},
        {"-2147483649", {}, {}},
        {"99999999999999999999", {}, {}},
        {"abc", {}, {}},
        {"", {}, {}},
        {"   ", {}, {}},
        {"1 2", {}, {}},
        {"12a", {}, {}},
        {"+-1", {}, {}},
        {"-+1", {}, {}},
        {"+", {}, {}},
        {"-", {}, {}},
        {"0x1F", {}, {}},
        {"$1F", {}, {}},
        {"1.5", {}, {}},
        {"1e3", {}, {}},
        {"١٢", {}, {}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(InteiroDeTexto(c.texto), c.inteiro) << c.texto;
        EXPECT_EQ(NaturalDeTexto(c.texto), c.natural) << c.texto;
    }
}

TEST(Opcoes, AparaBrancosEControlos) {
    struct {
        const char* texto;
        const char* esperado;
    } casos[] = {{"  Férias  ", "Férias"},
                 {"\t\x01Livro\x7F\n", "Livro"},
                 {"a  b", "a  b"},
                 {" \u00A0x\u00A0 ", "\u00A0x\u00A0"},
                 {"", ""},
                 {" \t ", ""}};
    for (const auto& c : casos)
        EXPECT_EQ(Aparar(c.texto), c.esperado) << c.texto;
}
