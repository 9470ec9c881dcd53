#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cerrno>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

using namespace palvorin;

TEST(Tamanhos, IndiceValidadeEIndiceInverso) {
    struct {
        std::int32_t lado, indice;
    } casos[] = {{9, 0}, {11, 1}, {13, 2}, {15, 3}, {10, -1}, {0, -1}, {5, -1}, {-9, -1}};
    for (const auto& c : casos) {
        EXPECT_EQ(IndiceDoTamanho(c.lado), c.indice) << c.lado;
        EXPECT_EQ(TamanhoValido(c.lado), c.indice >= 0) << c.lado;
        if (c.indice >= 0) {
            EXPECT_EQ(TamanhoDoIndice(c.indice), c.lado);
        }
    }
}

TEST(Tamanhos, IndiceForaDoIntervaloFalha) {
    for (const std::int32_t i : {4, -1, 100}) {
        try {
            TamanhoDoIndice(i);
            FAIL() << i;
        } catch (const EInterno& e) {
            EXPECT_STREQ(e.what(), "TamanhoDoIndice: índice fora do intervalo");
        }
    }
}

TEST(Tamanhos, TextoUsaSinalDeMultiplicar) {
    EXPECT_EQ(TextoDoTamanho(11), "11 \u00D7 11");
    EXPECT_EQ(TextoDoTamanho(-3), "-3 \u00D7 -3");
}

TEST(Erros, MensagensParaOUtilizadorEmPortugues) {
    struct {
        std::exception_ptr erro;
        std::string mensagem;
        bool interno;
    } casos[] = {
        {std::make_exception_ptr(EPalvorin("Número de puzzles inválido.")),
         "Número de puzzles inválido.", false},
        {std::make_exception_ptr(std::bad_alloc()), "Não há memória suficiente.", false},
        {std::make_exception_ptr(EInterno("PalavraDoGrupo: fora do intervalo")),
         std::string("Erro interno: PalavraDoGrupo: fora do intervalo. ") + PEDIDO_DE_RELATORIO,
         true},
        // No English from the standard library.
        {std::make_exception_ptr(std::out_of_range("vector")),
         std::string("Erro interno: ") + PEDIDO_DE_RELATORIO, true},
    };
    for (const auto& c : casos) {
        try {
            std::rethrow_exception(c.erro);
        } catch (const std::exception& e) {
            EXPECT_EQ(MensagemDoErro(e), c.mensagem);
            // A failed run's line: "Erro: Erro interno: …" would say it twice.
            EXPECT_EQ(TextoErro(MensagemDoErro(e)), c.interno ? c.mensagem : "Erro: " + c.mensagem);
        }
    }
}

// The causes a user can meet while reading or writing files, none in the system's English.
TEST(Erros, CausasDosErrosDoSistema) {
    const struct {
        int Erro;
        std::string Causa;
    } casos[] = {
        {EACCES, "sem permissão"},
        {EBUSY, "está a ser usado pelo sistema"},
        {EXDEV, "não pode ser movido entre discos diferentes"},
        {EFBIG, "o ficheiro fica grande demais para o limite deste sistema"},
        {ENOSYS, "o disco não permite esta operação"},
        {ELOOP, "as ligações simbólicas do caminho dão a volta sem chegar a um ficheiro"},
        {ENAMETOOLONG, "o nome é demasiado comprido"},
        {EBADF, "a saída não está aberta"},
        {EAGAIN, "o sistema está sem recursos de momento"},
        {ESTALE, "o ficheiro de rede deixou de estar disponível"},
        {EOWNERDEAD, "erro do sistema número " + std::to_string(EOWNERDEAD)},
    };
    for (const auto& c : casos)
        EXPECT_EQ(DescricaoDoErro(c.Erro), c.Causa);
}
