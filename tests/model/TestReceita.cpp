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

// A theme as a recipe names it: a built-in one by its name, a file by its path and bytes.
// A built-in theme's words may be named by their SHA-256 too (books made before did not).
TReceitaLivro ComTema(TReceitaLivro AReceita, const std::string& ANome,
                      const std::string& AFicheiro = "", const std::string& APalavras = "") {
    AReceita.Pedido.Tema = TTema{.Nome = ANome,
                                 .Embutido = AFicheiro.empty(),
                                 .Ficheiro = AFicheiro,
                                 .Sha256 = AFicheiro.empty() ? APalavras : SOMA};
    return AReceita;
}

TEST(Receita, IdaEVoltaComTextosQueParecemSeparadores) {
    const TReceitaLivro receitas[] = {
        Receita("", {true, "", SOMA}),
        Receita("Férias; lado=9 % 100%", {true, "", SOMA}),
        Receita("\xF0\x9F\x98\x80 (a) \\b", {false, "listas/minha lista;1.txt", SOMA}),
        Receita("", {true, "", SOMA}, TNivelDificuldade::ndFacil),
        Receita("Difícil", {true, "", SOMA}, TNivelDificuldade::ndDificil),
        ComTema(Receita("", {true, "", SOMA}), "Corpo e saúde"),
        ComTema(Receita("", {true, "", SOMA}), "Animais", "", SOMA),
        ComTema(Receita("", {false, "lista.txt", SOMA}), "a minha; praia",
                "temas/a minha; praia.txt"),
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

TEST(Receita, LivroSemTemaNaoFalaDeTema) {
    // The theme's fields are left out, so such books keep the recipe they always had.
    const TReceitaLivro semTema = Receita("Férias", {false, "a.txt", SOMA});
    EXPECT_EQ(TextoDaReceita(semTema).find("tema"), std::string::npos);
    EXPECT_EQ(ResumoDaReceita(semTema).find("tema"), std::string::npos);
    const std::string comTema = TextoDaReceita(ComTema(semTema, "Animais"));
    EXPECT_NE(comTema.find("; tema=Animais"), std::string::npos) << comTema;
    EXPECT_EQ(comTema.find("tema_sha256"), std::string::npos) << comTema;
}

TEST(Receita, LivroComTemaDizQueGeradorOFez) {
    // Themed books are made by a generator of their own revision: a book's recipe records it,
    // and one from before the field was made by the first.
    const TReceitaLivro receita = ComTema(Receita("", {true, "", SOMA}), "Casa");
    const std::string texto = TextoDaReceita(receita);
    const std::string campo = "; gerador_tema=" + std::to_string(REVISAO_GERADOR_TEMA);
    ASSERT_NE(texto.find(campo), std::string::npos) << texto;
    std::string antigo = texto;
    antigo.erase(antigo.find(campo), campo.size());
    const auto lida = LerReceita(antigo);
    ASSERT_TRUE(lida);
    EXPECT_EQ(lida->GeradorTema, 1);
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
        {boa + "; tema_sha256=abc", "A receita do livro está danificada (campo «tema_sha256»)."},
        // A file's SHA-256 with nothing that names the theme.
        {boa + "; tema_sha256=" + SOMA, "A receita do livro está danificada (campo «tema»)."},
        {boa + "; tema=", "A receita do livro está danificada (campo «tema»)."},
        // A built-in theme's words with no theme, or with a file's.
        {boa + "; tema_embutido_sha256=" + SOMA,
         "A receita do livro está danificada (campo «tema»)."},
        {boa + "; tema=a.txt; tema_sha256=" + SOMA + "; tema_embutido_sha256=" + SOMA,
         "A receita do livro está danificada (campo «tema_embutido_sha256»)."},
        {boa + "; tema=Casa; tema_embutido_sha256=abc",
         "A receita do livro está danificada (campo «tema_embutido_sha256»)."},
        {boa + "; tema=Animais; tema=Casa", "A receita do livro está danificada (campo «tema»)."},
        {boa + "; gerador_tema=2", "A receita do livro está danificada (campo «gerador_tema»)."},
        {boa + "; tema=Casa; gerador_tema=0",
         "A receita do livro está danificada (campo «gerador_tema»)."},
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
    EXPECT_EQ(ResumoDaReceita(ComTema(Receita("", {true, "", SOMA}), "praia", "temas/praia.txt")),
              "Livro de 100 puzzles de 15 × 15, semente 4294967295, lista de palavras do "
              "programa (SHA-256 " +
                  SOMA + "), tema do ficheiro «temas/praia.txt» (SHA-256 " + SOMA +
                  "), feito com o Palvorin " + VERSAO_PALVORIN +
                  ". Para o refazer: palvorin-livro --refazer <este ficheiro>.");
}

} // namespace
