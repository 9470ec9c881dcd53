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
        {"nao/livro.pdf", "a pasta ou o ficheiro não existe"},
        {"tubo", "nenhum programa está a ler deste canal"},
        {"cheio", "não há espaço no disco"},
    };
    const auto antes = Nomes(FPasta.Caminho());
    for (const auto& c : casos) {
        if (c.Nome == "cheio" && !FComDispositivos)
            continue;
        const std::string caminho = Caminho(c.Nome);
        const std::string mensagem =
            "Não foi possível gravar o ficheiro «" + caminho + "»: " + c.Causa + ".";
        EXPECT_EQ(ErroAoGravar(caminho), mensagem);
        // What can be known before a byte exists is known by the check made before a long run.
        if (c.Nome == "tubo" || c.Nome == "cheio")
            continue;
        try {
            VerificarDestino(caminho);
            ADD_FAILURE() << c.Nome;
        } catch (const EPalvorin& e) {
            EXPECT_EQ(e.what(), mensagem);
        }
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

// Names up to the longest the file system takes are written, although the temporary name
// beside them needs a few more bytes.
TEST_F(Destinos, NomesAteAoMaximoDoSistema) {
    const auto maximo = static_cast<std::size_t>(pathconf(FPasta.Caminho().c_str(), _PC_NAME_MAX));
    const auto antes = Nomes(FPasta.Caminho());
    for (const std::size_t tamanho : {maximo - 8, maximo - 7, maximo - 1, maximo}) {
        const std::string nome = std::string(tamanho - 4, 'n') + ".pdf";
        EXPECT_NO_THROW(VerificarDestino(Caminho(nome))) << tamanho;
        EXPECT_EQ(ErroAoGravar(Caminho(nome)), "") << tamanho;
        EXPECT_EQ(LerFicheiro(FPasta / nome), CONTEUDO) << tamanho;
        fs::remove(FPasta / nome);
    }
    EXPECT_EQ(Nomes(FPasta.Caminho()), antes);
}

// A replaced file keeps its permissions, but not the bits that would run the new content as its
// owner.
TEST_F(Destinos, SubstitutoPerdeSetuidSetgidESticky) {
    const struct {
        mode_t Antes;
        mode_t Depois;
    } casos[] = {
        {0644, 0644}, {0600, 0600}, {06755, 0755}, {04700, 0700}, {02750, 0750}, {01664, 0664},
    };
    for (const auto& c : casos) {
        ASSERT_EQ(chmod(Caminho("velho.pdf").c_str(), c.Antes), 0);
        struct stat estado {};
        ASSERT_EQ(stat(Caminho("velho.pdf").c_str(), &estado), 0);
        ASSERT_EQ(estado.st_mode & 07777, c.Antes);
        EXPECT_EQ(ErroAoGravar(Caminho("velho.pdf")), "");
        ASSERT_EQ(stat(Caminho("velho.pdf").c_str(), &estado), 0);
        EXPECT_EQ(estado.st_mode & 07777, c.Depois) << std::oct << c.Antes;
    }
}

} // namespace
