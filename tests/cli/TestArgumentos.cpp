#include "CasosOpcoes.hpp"
#include "NomeDosArgumentos.hpp"
#include "UnitPalvorinArgumentos.hpp"
#include "UnitPalvorinTipos.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

TEST(AnalisarArgumentos, Omissoes) {
    const TArgumentosLivro a = AnalisarArgumentos({});
    EXPECT_EQ(a.Livro, TPedidoLivro{});
    EXPECT_EQ(a.Livro.Lado, 11);
    EXPECT_EQ(a.Livro.NumPuzzles, 30);
    EXPECT_TRUE(a.Dadas.empty());
    EXPECT_FALSE(a.Dicionario);
    EXPECT_FALSE(a.Saida);
    EXPECT_FALSE(a.Json);
    EXPECT_EQ(a.Tarefas, 0);
}

TEST(AnalisarArgumentos, Dificuldade) {
    using enum TNivelDificuldade;
    const std::pair<const char*, TNivelDificuldade> casos[] = {
        {"facil", ndFacil}, {"fácil", ndFacil},     {"medio", ndMedio},
        {"médio", ndMedio}, {"dificil", ndDificil}, {"difícil", ndDificil}};
    for (const auto& [texto, nivel] : casos)
        EXPECT_EQ(AnalisarArgumentos({"--dificuldade", texto}).Livro.Nivel, nivel) << texto;
}

TEST(AnalisarArgumentos, TodasAsOpcoes) {
    const TArgumentosLivro a =
        AnalisarArgumentos({"--lado", "15", "--puzzles=100", "--titulo", "  Férias  ", "--semente",
                            "4294967295", "--dicionario", "lista.txt", "--json"});
    EXPECT_EQ(a.Livro.Lado, 15);
    EXPECT_EQ(a.Livro.NumPuzzles, 100);
    EXPECT_EQ(a.Livro.Titulo, "Férias");
    EXPECT_EQ(a.Livro.Semente, 4294967295u);
    EXPECT_TRUE(a.Dada("--semente"));
    EXPECT_FALSE(a.Dada("--tarefas"));
    EXPECT_EQ(a.Dicionario, "lista.txt");
    EXPECT_TRUE(a.Json);
    EXPECT_EQ(AnalisarArgumentos({"-o", "livro.pdf"}).Saida, "livro.pdf");
    EXPECT_EQ(AnalisarArgumentos({"--semente", "0"}).Livro.Semente, 0u);
    EXPECT_EQ(AnalisarArgumentos({"--tarefas", "1"}).Tarefas, 1);
    EXPECT_EQ(AnalisarArgumentos({"--tarefas=64"}).Tarefas, 64);
    // Read as the window reads the number of puzzles.
    EXPECT_EQ(AnalisarArgumentos({"--lado=+13", "--puzzles", " 12 "}).Livro.Lado, 13);
    EXPECT_EQ(AnalisarArgumentos({"--puzzles", " 12 "}).Livro.NumPuzzles, 12);
}

struct TCasoErro {
    std::vector<std::string> Argumentos;
    const char* Mensagem;
};

void PrintTo(const TCasoErro& ACaso, std::ostream* ASaida) {
    EscreverArgumentos(ACaso.Argumentos, ASaida);
}

class AnalisarArgumentosErros : public testing::TestWithParam<TCasoErro> {};

TEST_P(AnalisarArgumentosErros, MensagemDeUmaLinha) {
    try {
        AnalisarArgumentos(GetParam().Argumentos);
        FAIL();
    } catch (const EPalvorin& e) {
        EXPECT_STREQ(e.what(), GetParam().Mensagem);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AnalisarArgumentosErros,
    testing::Values(
        TCasoErro{{"--foo"}, "Opção desconhecida: «--foo»."},
        TCasoErro{{"livro"}, "Argumento inesperado: «livro»."},
        TCasoErro{{"--lado"}, "Falta o valor da opção --lado."},
        TCasoErro{{"--lado", "10"}, "Valor inválido para --lado: «10» (use 9, 11, 13 ou 15)."},
        TCasoErro{{"--lado", "onze"}, "Valor inválido para --lado: «onze» (use 9, 11, 13 ou 15)."},
        // Past 2^32 a side must not wrap around to 9, 11 or 13.
        TCasoErro{{"--lado", "4294967305"},
                  "Valor inválido para --lado: «4294967305» (use 9, 11, 13 ou 15)."},
        TCasoErro{{"--lado=8589934605"},
                  "Valor inválido para --lado: «8589934605» (use 9, 11, 13 ou 15)."},
        TCasoErro{{"--lado", "0x0B"}, "Valor inválido para --lado: «0x0B» (use 9, 11, 13 ou 15)."},
        TCasoErro{{"--puzzles", "0"}, "Indique um número de puzzles entre 1 e 100."},
        TCasoErro{{"--puzzles", "-3"}, "Indique um número de puzzles entre 1 e 100."},
        TCasoErro{{"--puzzles", "4294967297"},
                  "Valor inválido para --puzzles: «4294967297» (use um número de 1 a 100)."},
        TCasoErro{{"--puzzles", "dez"},
                  "Valor inválido para --puzzles: «dez» (use um número de 1 a 100)."},
        TCasoErro{{"--semente", "-1"},
                  "Valor inválido para --semente: «-1» (use um número de 0 a 4294967295)."},
        TCasoErro{{"--semente", "4294967296"},
                  "Valor inválido para --semente: «4294967296» (use um número de 0 a 4294967295)."},
        TCasoErro{{"--semente", "99999999999999999999"},
                  "Valor inválido para --semente: «99999999999999999999» (use um número de 0 a "
                  "4294967295)."},
        TCasoErro{{"--tarefas", "0"},
                  "Valor inválido para --tarefas: «0» (use um número de 1 a 64)."},
        TCasoErro{{"--tarefas", "65"},
                  "Valor inválido para --tarefas: «65» (use um número de 1 a 64)."},
        TCasoErro{{"--tarefas", "4294967297"},
                  "Valor inválido para --tarefas: «4294967297» (use um número de 1 a 64)."},
        TCasoErro{{"--titulo", "12345678901234567890123456789012345678901"},
                  "O título do livro não pode ter mais de 40 caracteres."},
        // The command gets bytes: the window never sees these.
        TCasoErro{{"--titulo", "F\xE9rias"}, "O título do livro não é texto UTF-8 válido."},
        TCasoErro{{"--json=sim"}, "A opção --json não leva valor."},
        TCasoErro{{"--json", "-o", "a.pdf"}, "As opções --json e -o não podem ser usadas juntas."},
        TCasoErro{{"--dicionario="}, "Falta o valor da opção --dicionario."},
        TCasoErro{{"--dificuldade", "Fácil"},
                  "Valor inválido para --dificuldade: «Fácil» (use facil, medio ou dificil)."},
        TCasoErro{{"--dificuldade"}, "Falta o valor da opção --dificuldade."}),
    NomeDosArgumentos<TCasoErro>);

TEST(AnalisarArgumentos, TituloContaUnidadesUtf16) {
    // 40 characters with accents pass; one emoji counts two units.
    EXPECT_EQ(AnalisarArgumentos({"--titulo", std::string(20, 'a') + "ççççççççççáááááááááá"})
                  .Livro.Titulo.size(),
              60u);
    EXPECT_THROW(AnalisarArgumentos({"--titulo", std::string(39, 'a') + "\xF0\x9F\x98\x80"}),
                 EPalvorin);
}

TEST(AnalisarArgumentos, JulgaAsOpcoesComoAJanela) {
    for (const TCasoOpcoes& c : CasosOpcoes()) {
        SCOPED_TRACE(c.Nome);
        const std::vector<std::string> argumentos = {"--puzzles", c.Puzzles, "--titulo", c.Titulo};
        if (c.Motivo.empty()) {
            EXPECT_NO_THROW(AnalisarArgumentos(argumentos));
            continue;
        }
        try {
            AnalisarArgumentos(argumentos);
            ADD_FAILURE() << "aceite";
        } catch (const EPalvorin& e) {
            EXPECT_EQ(e.what(), c.Motivo);
        }
    }
}

} // namespace
