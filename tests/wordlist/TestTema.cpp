#include "Fixtures.hpp"
#include "UnitPalvorinTema.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace palvorin;

namespace {

std::vector<std::string> Grelhas(const std::vector<TPalavraDic>& APalavras) {
    std::vector<std::string> g;
    for (const TPalavraDic& p : APalavras)
        g.push_back(p.Grelha);
    return g;
}

TEST(Tema, LinhasComoAsDeUmaLista) {
    // Comments, markers and repeats as in a list; a bad line is described as in a list, with
    // the line numbers of the file.
    TRelatorioDic rel;
    const TTema tema = TemaDeLinhas(
        {"# Animais", "gato", "#SECCAO RARAS", "  Cão ", "pão-de-ló", "CAO", "x", "ÁGUIA"}, rel);
    EXPECT_EQ(Grelhas(tema.Palavras), (std::vector<std::string>{"AGUIA", "CAO", "GATO"}));
    EXPECT_EQ(tema.Palavras[1].Texto, "CÃO");
    for (const TPalavraDic& p : tema.Palavras)
        EXPECT_TRUE(p.Comum) << p.Grelha; // a marker does not make a theme word rare
    EXPECT_EQ(rel.Rejeitadas, 2);
    EXPECT_EQ(rel.Repetidas, 1);
    EXPECT_EQ(rel.Detalhe,
              (std::vector<std::string>{"linha 5: «pão-de-ló» - tem algo que não é letra",
                                        "linha 7: «x» - comprimento fora de 2 a 15 letras"}));
}

TEST(Tema, FicheiroSemPalavrasOuQueNaoExiste) {
    const auto pasta = std::filesystem::temp_directory_path() /
                       ("palvorin-teste-tema-" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta);
    const auto vazio = pasta / "vazio.txt";
    std::ofstream(vazio) << "# só comentários\n\npão-de-ló\n";
    TRelatorioDic rel;
    try {
        LerTemaDeFicheiro(vazio, rel);
        ADD_FAILURE() << "um tema sem palavras foi aceite";
    } catch (const EPalvorin& e) {
        EXPECT_EQ(std::string(e.what()),
                  "O tema «" + vazio.string() + "» não tem nenhuma palavra aceite.");
    }
    EXPECT_EQ(rel.Rejeitadas, 1);
    const auto falta = pasta / "falta.txt";
    try {
        LerTemaDeFicheiro(falta, rel);
        ADD_FAILURE() << "um tema que não existe foi aceite";
    } catch (const EPalvorin& e) {
        EXPECT_EQ(std::string(e.what()), "Tema não encontrado: «" + falta.string() + "».");
    }

    const auto praia = pasta / "praia.txt";
    std::ofstream(praia) << "areia\r\nonda\r\n";
    const TTema tema = LerTemaDeFicheiro(praia, rel);
    EXPECT_EQ(tema.Nome, "praia");
    EXPECT_FALSE(tema.Embutido);
    EXPECT_EQ(tema.Ficheiro, praia.string());
    EXPECT_EQ(tema.Sha256.size(), 64u);
    std::filesystem::remove_all(pasta);
}

TEST(Tema, DicionarioComAsPalavrasDoTema) {
    const auto dic = teste::Carregar({"GATO", "RATO", "#SECCAO RARAS", "LINCE"});
    // Every word common already: the list serves as it is.
    EXPECT_EQ(DicionarioComTema(*dic, {{"GATO", "GATO", true, false}}), nullptr);

    TRelatorioDic rel;
    const TTema tema = TemaDeLinhas({"gato", "lince", "lêmure"}, rel);
    const auto comTema = DicionarioComTema(*dic, tema.Palavras);
    ASSERT_NE(comTema, nullptr);
    ASSERT_EQ(comTema->Total(), 4);
    for (const char* grelha : {"GATO", "LINCE", "LEMURE", "RATO"}) {
        const std::int32_t i = comTema->IndiceDaGrelha(grelha);
        ASSERT_GE(i, 0) << grelha;
        EXPECT_TRUE(comTema->Palavra(i).Comum) << grelha;
    }
    EXPECT_EQ(comTema->Palavra(comTema->IndiceDaGrelha("LEMURE")).Texto, "LÊMURE");
    EXPECT_EQ(dic->Total(), 3); // the list itself is untouched
}

TEST(Tema, MascarasSobreOsGruposDaLista) {
    const auto dic =
        teste::Carregar({"ASA", "BOI", "CAO", "GATO", "RATO", "#SECCAO RARAS", "URSO"});
    const TMascarasTema m = MascarasDoTema(*dic, {{"CÃO", "CAO", true, false},
                                                  {"URSO", "URSO", true, false},
                                                  {"ZEBRA", "ZEBRA", true, false}});
    EXPECT_EQ(m[3], (TConjuntoBits{0b100})); // ASA BOI CAO
    EXPECT_EQ(m[4], (TConjuntoBits{0b100})); // GATO RATO URSO
    EXPECT_TRUE(m[5].empty());               // ZEBRA is not listed
    EXPECT_TRUE(m[2].empty());
}

TEST(Tema, TemasEmbutidosPeloNome) {
    for (const std::string_view nome : NomesDosTemasEmbutidos()) {
        const auto tema = TemaEmbutido(nome);
        ASSERT_TRUE(tema) << nome;
        EXPECT_EQ(tema->Nome, nome);
        EXPECT_TRUE(tema->Embutido);
    }
    for (const char* escrito :
         {"animais", "ANIMAIS", "comida-e-bebida", "Comida_e_Bebida", "profissoes e ferramentas",
          "corpo e saude", " Viagens e Transportes "})
        EXPECT_TRUE(TemaEmbutido(escrito)) << escrito;
    EXPECT_FALSE(TemaEmbutido("Animal"));
    EXPECT_FALSE(TemaEmbutido("Viagens"));
    EXPECT_FALSE(TemaEmbutido(""));
}

TEST(Tema, TemasEmbutidosSaoPalavrasComunsDaLista) {
    // The list's builder checks this; a list edited by hand, or rebuilt, must still hold.
    TRelatorioDic rel;
    const auto lista = CarregarDicionario(".", rel);
    for (const std::string_view nome : NomesDosTemasEmbutidos()) {
        const auto tema = TemaEmbutido(nome);
        ASSERT_TRUE(tema) << nome;
        EXPECT_GE(tema->Palavras.size(), 150u) << nome;
        for (const TPalavraDic& p : tema->Palavras) {
            EXPECT_GE(p.Grelha.size(), 3u) << nome << ": " << p.Texto;
            EXPECT_LE(p.Grelha.size(), 12u) << nome << ": " << p.Texto;
            const std::int32_t i = lista->IndiceDaGrelha(p.Grelha);
            ASSERT_GE(i, 0) << nome << ": " << p.Texto << " não está na lista";
            EXPECT_TRUE(lista->Palavra(i).Comum) << nome << ": " << p.Texto << " é rara";
            EXPECT_EQ(lista->Palavra(i).Texto, p.Texto) << nome;
        }
    }
}

} // namespace
