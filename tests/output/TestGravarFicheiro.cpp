// Where a book may be written: regular files, links, devices, pipes, folders.
#include "Ferramentas.hpp"
#include "UnitPalvorinGravarFicheiro.hpp"
#include "UnitPalvorinTipos.hpp"

#include <algorithm>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>

using namespace palvorin;
using namespace palvorin::teste;
namespace fs = std::filesystem;

namespace {

const std::string CONTEUDO = "%PDF-novo";

std::span<const std::uint8_t> Bytes(const std::string& ATexto) {
    return {reinterpret_cast<const std::uint8_t*>(ATexto.data()), ATexto.size()};
}

std::string ErroAoGravar(const std::string& ACaminho) {
    try {
        GravarFicheiroInteiro(ACaminho, Bytes(CONTEUDO));
    } catch (const EPalvorin& e) {
        return e.what();
    }
    return "";
}

std::vector<std::string> Nomes(const fs::path& APasta) {
    std::vector<std::string> nomes;
    for (const auto& e : fs::directory_iterator(APasta))
        nomes.push_back(e.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

// A folder with one of each kind of name; the device nodes only where mknod is allowed.
class Destinos : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(FPasta / "velho.pdf") << "velho";
        fs::create_directory(FPasta / "pasta");
        fs::create_directory(FPasta / "outra");
        fs::create_symlink("velho.pdf", FPasta / "ligacao.pdf");
        fs::create_symlink("../pasta", FPasta / "outra" / "para-pasta");
        fs::create_symlink("volta2", FPasta / "volta1");
        fs::create_symlink("volta1", FPasta / "volta2");
        mkfifo((FPasta / "tubo").c_str(), 0600);
        FComDispositivos = mknod((FPasta / "nulo").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0 &&
                           mknod((FPasta / "cheio").c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0;
    }
    std::string Caminho(const std::string& ANome) const { return (FPasta / ANome).string(); }

    TPastaTemporaria FPasta;
    bool FComDispositivos = false;
};

TEST_F(Destinos, RecusasDizemOFicheiroEACausa) {
    const std::string longo(300, 'x');
    const struct {
        std::string Nome;
        std::string Causa;
    } casos[] = {
        {"pasta", "é uma pasta, não um ficheiro"},
        {"pasta/", "é uma pasta, não um ficheiro"},
        {"outra/para-pasta", "é uma pasta, não um ficheiro"},
        {".", "é uma pasta, não um ficheiro"},
        {"nova/", "um nome acabado em «/» é o de uma pasta"},
        {"volta1", "as ligações simbólicas do caminho dão a volta sem chegar a um ficheiro"},
        {longo, "o nome é demasiado comprido"},
        {"velho.pdf/livro.pdf", "uma parte do caminho não é uma pasta"},
        {"tubo", "nenhum programa está a ler deste canal"},
        {"cheio", "não há espaço no disco"},
    };
    const auto antes = Nomes(FPasta.Caminho());
    for (const auto& c : casos) {
        if (c.Nome == "cheio" && !FComDispositivos)
            continue;
        const std::string caminho = Caminho(c.Nome);
        EXPECT_EQ(ErroAoGravar(caminho),
                  "Não foi possível gravar o ficheiro \"" + caminho + "\": " + c.Causa + ".");
    }
    EXPECT_EQ(Nomes(FPasta.Caminho()), antes);
    EXPECT_EQ(LerFicheiro(FPasta / "velho.pdf"), "velho");
    EXPECT_TRUE(fs::is_symlink(FPasta / "outra" / "para-pasta"));
    if (!FComDispositivos)
        GTEST_SKIP() << "sem permissão para criar dispositivos";
    EXPECT_TRUE(fs::is_character_file(FPasta / "cheio"));
}

TEST_F(Destinos, LigacaoSeguidaFicaLigacao) {
    ASSERT_TRUE(GravarFicheiroInteiro(Caminho("ligacao.pdf"), Bytes(CONTEUDO)));
    EXPECT_TRUE(fs::is_symlink(FPasta / "ligacao.pdf"));
    EXPECT_EQ(LerFicheiro(FPasta / "velho.pdf"), CONTEUDO);
    // A link to nothing yet: the file appears where it points.
    fs::create_symlink("../novo.pdf", FPasta / "outra" / "para-novo");
    ASSERT_TRUE(GravarFicheiroInteiro(Caminho("outra/para-novo"), Bytes(CONTEUDO)));
    EXPECT_TRUE(fs::is_symlink(FPasta / "outra" / "para-novo"));
    EXPECT_EQ(LerFicheiro(FPasta / "novo.pdf"), CONTEUDO);
    EXPECT_EQ(Nomes(FPasta / "outra"), (std::vector<std::string>{"para-novo", "para-pasta"}));
}

TEST_F(Destinos, TuboEDispositivoRecebemOsBytesDirectamente) {
    auto lido = std::async(std::launch::async, [&] { return LerFicheiro(FPasta / "tubo"); });
    // The reader may not have opened its end yet; the writer refuses until it has.
    while (ErroAoGravar(Caminho("tubo")).find("nenhum programa") != std::string::npos)
        std::this_thread::yield();
    EXPECT_EQ(lido.get(), CONTEUDO);
    EXPECT_EQ(fs::status(FPasta / "tubo").type(), fs::file_type::fifo);
    if (!FComDispositivos)
        GTEST_SKIP() << "sem permissão para criar dispositivos";
    EXPECT_TRUE(GravarFicheiroInteiro(Caminho("nulo"), Bytes(CONTEUDO)));
    EXPECT_TRUE(fs::is_character_file(FPasta / "nulo"));
}

TEST_F(Destinos, ParagemDeixaOFicheiroComoEstava) {
    const auto antes = Nomes(FPasta.Caminho());
    // Asked before the first byte, and after the last one, right before the rename.
    for (const int aoPedido : {1, 2}) {
        int pedidos = 0;
        EXPECT_FALSE(GravarFicheiroInteiro(Caminho("velho.pdf"), Bytes(CONTEUDO),
                                           [&] { return ++pedidos == aoPedido; }));
        EXPECT_EQ(pedidos, aoPedido);
        EXPECT_EQ(LerFicheiro(FPasta / "velho.pdf"), "velho");
        EXPECT_EQ(Nomes(FPasta.Caminho()), antes);
    }
}

} // namespace
