#include "UnitPalvorinReceita.hpp"

#include <gtest/gtest.h>

using namespace palvorin;

namespace {

const std::string SOMA = "c8f5fc256a74d0d9f912391f0d51a01f9ca4031811e138781b3cc969b2d5ca09";

TReceitaLivro Receita(const std::string& ATitulo, const TListaUsada& ALista,
                      std::optional<TNivelDificuldade> ANivel = {}) {
    return TReceitaLivro{.Pedido = {.NumPuzzles = 100,
                                    .Lado = 15,
                                    .Titulo = ATitulo,
                                    .Semente = 4294967295u,
                                    .Nivel = ANivel},
                         .Lista = ALista};
}

TEST(Receita, IdaEVoltaComTextosQueParecemSeparadores) {
    const TReceitaLivro receitas[] = {
        Receita("", {true, "", SOMA}),
        Receita("Férias; lado=9 % 100%", {true, "", SOMA}),
        Receita("\xF0\x9F\x98\x80 (a) \\b", {false, "listas/minha lista;1.txt", SOMA}),
        Receita("", {true, "", SOMA}, TNivelDificuldade::ndFacil),
        Receita("Difícil", {true, "", SOMA}, TNivelDificuldade::ndDificil),
    };
    for (const TReceitaLivro& receita : receitas) {
        const std::string texto = TextoDaReceita(receita);
        // ASCII only, so the PDF keeps it as a plain string that any tool shows as is.
        for (const char c : texto)
            EXPECT_TRUE(c >= ' ' && c <= '~') << texto;
        EXPECT_EQ(LerReceita(texto), receita) << texto;
    }
}

TEST(Receita, OpcoesDePaginaSoQuandoNaoSaoAsDoA4) {
    TReceitaLivro receita = Receita("", {true, "", SOMA});
    const std::string a4 = TextoDaReceita(receita);
    // An A4 book's recipe, and so its PDF, is what it was before there were other pages.
    for (const char* campo : {"formato=", "letragrande=", "grafica="})
        EXPECT_EQ(a4.find(campo), std::string::npos) << a4;
    for (const TFormatoLivro formato : FormatosLivro)
        for (const bool grande : {false, true})
            for (const bool grafica : {false, true}) {
                receita.Pedido.Formato = formato;
                receita.Pedido.LetraGrande = grande;
                receita.Pedido.Grafica = grafica;
                EXPECT_EQ(LerReceita(TextoDaReceita(receita)), receita);
            }
    EXPECT_NE(TextoDaReceita(receita).find("formato=6x9; letragrande=sim; grafica=sim"),
              std::string::npos);
    EXPECT_NE(ResumoDaReceita(receita).find("formato 6 × 9 pol., letra grande, páginas para "
                                            "gráfica"),
              std::string::npos);
    for (const char* mau : {"; formato=a3", "; formato=", "; grafica=nao"})
        EXPECT_THROW(LerReceita(a4 + mau), EPalvorin) << mau;
}

TEST(Receita, TextoSemReceitaNaoELido) {
    for (const char* texto : {"", "palvorin", "puzzles; palavras", "lado=9; palvorin-receita=1"})
        EXPECT_FALSE(LerReceita(texto)) << texto;
}

TEST(Receita, ReceitaDanificadaOuDeOutraVersaoERecusada) {
    const std::string boa = TextoDaReceita(Receita("Férias", {true, "", SOMA}));
    const auto trocar = [&](const std::string& ADe, const std::string& APara) {
        std::string texto = boa;
        const std::size_t pos = texto.find(ADe);
        EXPECT_NE(pos, std::string::npos) << ADe;
        return texto.replace(pos, ADe.size(), APara);
    };
    const struct {
        std::string Texto;
        std::string Mensagem;
    } casos[] = {
        {trocar("palvorin-receita=1", "palvorin-receita=2"),
         "A receita do livro tem um formato que esta versão não conhece."},
        {boa + "; dificuldade=3",
         "A receita do livro tem um campo que esta versão não conhece: «dificuldade»."},
        {trocar("; lado=15", ""), "A receita do livro está danificada (campo «lado»)."},
        {boa + "; lado=9", "A receita do livro está danificada (campo «lado»)."},
        {trocar("lado=15", "lado=quinze"), "A receita do livro está danificada (campo «lado»)."},
        {trocar("semente=4294967295", "semente=4294967296"),
         "A receita do livro está danificada (campo «semente»)."},
        {trocar("F%C3%A9rias", "F%C3%Grias"),
         "A receita do livro está danificada (campo «titulo»)."},
        {trocar("F%C3%A9rias", "F%C"), "A receita do livro está danificada (campo «titulo»)."},
        {trocar("lista=embutida", "lista=outra"),
         "A receita do livro está danificada (campo «lista»)."},
        {trocar(SOMA, "abc"), "A receita do livro está danificada (campo «sha256»)."},
        {trocar("gerador=1", "gerador"), "A receita do livro está danificada (campo «gerador»)."},
        {trocar("nivel=", "nivel=extremo"), "A receita do livro está danificada (campo «nivel»)."},
        {trocar("; nivel=", ""), "A receita do livro está danificada (campo «nivel»)."},
        // Crafted recipes: every field bounded, no NUL, and a name cut when it is echoed.
        {trocar("F%C3%A9rias", std::string(1025, 'A')),
         "A receita do livro está danificada (campo «titulo»)."},
        {trocar("F%C3%A9rias", std::string(17000, 'A')),
         "A receita do livro está danificada (longa demais)."},
        {std::string("palvorin-receita=1; versao=") + std::string(50'000'000, '9'),
         "A receita do livro está danificada (longa demais)."},
        {trocar("versao=" + std::string(VERSAO_PALVORIN), "versao=" + std::string(33, '1')),
         "A receita do livro está danificada (campo «versao»)."},
        {trocar("versao=" + std::string(VERSAO_PALVORIN), "versao=1%1B%5B2J"),
         "A receita do livro está danificada (campo «versao»)."},
        {trocar("lista=embutida; ficheiro=", "lista=ficheiro; ficheiro=%2Fetc%2Fpasswd%00junk"),
         "A receita do livro está danificada (campo «ficheiro»)."},
        {trocar("F%C3%A9rias", "F%00rias"), "A receita do livro está danificada (campo «titulo»)."},
        {trocar("lista=embutida; ficheiro=", "lista=ficheiro; ficheiro="),
         "A receita do livro está danificada (campo «ficheiro»)."},
        {trocar("lista=embutida; ficheiro=", "lista=embutida; ficheiro=a.txt"),
         "A receita do livro está danificada (campo «ficheiro»)."},
        {trocar("ficheiro=", "ficheiro=" + std::string(4097, 'a')),
         "A receita do livro está danificada (campo «ficheiro»)."},
        {trocar(SOMA, std::string(64, 'G')),
         "A receita do livro está danificada (campo «sha256»)."},
        {boa + "; " + std::string(100, 'x') + "=1",
         "A receita do livro tem um campo que esta versão não conhece: «" + std::string(40, 'x') +
             "\u2026»."},
    };
    for (const auto& c : casos) {
        try {
            LerReceita(c.Texto);
            ADD_FAILURE() << "aceite: " << c.Texto.substr(0, 200);
        } catch (const EPalvorin& e) {
            EXPECT_EQ(e.what(), c.Mensagem) << c.Texto.substr(0, 200);
        }
    }
}

TEST(Receita, ResumoLegivel) {
    EXPECT_EQ(
        ResumoDaReceita(Receita("Férias", {false, "minha.txt", SOMA}, TNivelDificuldade::ndMedio)),
        "Livro de 100 puzzles de 15 × 15, semente 4294967295, nível Médio, título «Férias», "
        "lista de "
        "palavras «minha.txt» (SHA-256 " +
            SOMA + "), feito com o Palvorin " + VERSAO_PALVORIN +
            ". Para o refazer: palvorin-livro --refazer <este ficheiro>.");
}

} // namespace
