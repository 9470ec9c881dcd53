// The help and the manual page come from the options' table: neither can leave an option out.
#include "UnitPalvorinAjuda.hpp"
#include "UnitPalvorinOpcoesLivro.hpp"

#include <gtest/gtest.h>

using namespace palvorin;

namespace {

std::string Roff(std::string_view ANome) {
    std::string texto;
    for (const char c : ANome)
        if (c == '-')
            texto += "\\-";
        else
            texto += c;
    return texto;
}

TEST(Ajuda, CadaOpcaoNaAjudaENoManual) {
    const std::string ajuda = TextoAjuda();
    const std::string uso = ajuda.substr(0, ajuda.find("\n\n"));
    const std::string sinopse = SinopseManual();
    const std::string opcoes = OpcoesManual();
    for (const TOpcaoLivro& opcao : OpcoesLivro()) {
        const std::string nome(opcao.Nome);
        SCOPED_TRACE(nome);
        EXPECT_NE(ajuda.find(std::string("\n  ").append(nome)), std::string::npos);
        EXPECT_NE(uso.find(nome), std::string::npos);
        const std::string roff = std::string("\\fB").append(Roff(nome)).append("\\fR");
        EXPECT_NE(opcoes.find(std::string(".TP\n").append(roff)), std::string::npos);
        EXPECT_NE(sinopse.find(roff), std::string::npos);
        if (!opcao.Omissao.empty()) {
            EXPECT_NE(opcoes.find(std::string("(omissão: ").append(opcao.Omissao).append(")")),
                      std::string::npos);
        }
    }
}

TEST(Ajuda, CodigosDeSaidaNaAjudaENoManual) {
    const std::string ajuda = TextoAjuda();
    const std::string saidas = SaidasManual();
    for (const std::string codigo : {"0", "1", "2", "130", "143 e 129"}) {
        EXPECT_NE(ajuda.find(std::string(" ").append(codigo).append(" ")), std::string::npos)
            << codigo;
        EXPECT_NE(saidas.find(std::string(".B ").append(codigo).append("\n")), std::string::npos)
            << codigo;
    }
}

TEST(Ajuda, LinhasCabemNumTerminal) {
    const std::string ajuda = TextoAjuda();
    std::size_t inicio = 0;
    while (inicio < ajuda.size()) {
        const std::size_t fim = ajuda.find('\n', inicio);
        const std::string linha = ajuda.substr(inicio, fim - inicio);
        std::size_t colunas = 0;
        for (const char c : linha)
            colunas += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        EXPECT_LE(colunas, 79u) << linha;
        inicio = fim + 1;
    }
}

} // namespace
