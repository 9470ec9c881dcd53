#include "Fixtures.hpp"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

using namespace palvorin;
namespace fs = std::filesystem;

namespace {
class PastaTemporaria : public ::testing::Test {
protected:
    void SetUp() override {
        pasta = fs::temp_directory_path() /
                ("palvorin-dic-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(pasta);
    }
    void TearDown() override {
        fs::permissions(pasta, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(pasta);
    }
    fs::path Escrever(const std::string& nome, const std::string& bytes) {
        std::ofstream(pasta / nome, std::ios::binary) << bytes;
        return pasta / nome;
    }
    fs::path pasta;
};
} // namespace

TEST_F(PastaTemporaria, FicheiroInexistente) {
    TRelatorioDic rel;
    const fs::path caminho = pasta / "nao-existe.txt";
    try {
        CarregarDicionarioDeFicheiro(caminho, rel);
        FAIL();
    } catch (const EPalvorin& e) {
        EXPECT_EQ(e.what(), "Dicionário não encontrado: «" + caminho.string() + "».");
    }
}

TEST_F(PastaTemporaria, FicheiroIlegivelDaErroComOCaminho) {
    TRelatorioDic rel;
    const fs::path caminho = Escrever("fechado.txt", "CASA\n");
    fs::permissions(caminho, fs::perms::none);
    const bool root = ::geteuid() == 0;
    for (const fs::path& p : {pasta, caminho}) {
        if (p == caminho && root)
            continue; // root reads regardless of permissions
        try {
            CarregarDicionarioDeFicheiro(p, rel);
            FAIL() << p;
        } catch (const EPalvorin& e) {
            EXPECT_NE(std::string(e.what()).find(p.string()), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("Não foi possível ler o dicionário «", 0), 0u);
        }
    }
}

TEST_F(PastaTemporaria, MesmaListaEmCadaCodificacao) {
    const std::string utf8 = "#SECCAO COMUNS\r\nÁGUA\r\n#SECCAO RARAS\r\nPÃO\r\n";
    std::string le = "\xFF\xFE", be = "\xFE\xFF";
    for (const char32_t c : std::u32string(U"#SECCAO COMUNS\r\nÁGUA\r\n#SECCAO RARAS\r\nPÃO\r\n")) {
        le += static_cast<char>(c & 0xFF), le += static_cast<char>(c >> 8);
        be += static_cast<char>(c >> 8), be += static_cast<char>(c & 0xFF);
    }
    const std::string cp1252 = "#SECCAO COMUNS\n\xC1GUA\n#SECCAO RARAS\nP\xC3O\n";
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, le, be, cp1252}) {
        TRelatorioDic rel;
        auto d = CarregarDicionarioDeFicheiro(Escrever("lista.txt", bytes), rel);
        ASSERT_EQ(d->Total(), 2);
        EXPECT_EQ(d->Palavra(0), (TPalavraDic{"ÁGUA", "AGUA", true}));
        EXPECT_EQ(d->Palavra(1), (TPalavraDic{"PÃO", "PAO", false}));
    }
}

// Only a regular file is read; a pipe would block, a device never end, a huge file exhaust
// memory: each is refused before its content is read.
TEST_F(PastaTemporaria, SoFicheirosNormaisEAteAoLimite) {
    const fs::path tubo = pasta / "tubo";
    ASSERT_EQ(::mkfifo(tubo.c_str(), 0600), 0);
    const fs::path nulo = pasta / "nulo";
    const bool comDispositivo = ::mknod(nulo.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    const fs::path grande = Escrever("grande.txt", "CASA\n");
    fs::resize_file(grande, TAMANHO_MAXIMO_LISTA + 1);
    fs::create_symlink("volta2", pasta / "volta1");
    fs::create_symlink("volta1", pasta / "volta2");
    const struct {
        fs::path Caminho;
        std::string Causa;
    } casos[] = {
        {tubo, "não é um ficheiro"},
        {nulo, "não é um ficheiro"},
        {pasta, "é uma pasta, não um ficheiro"},
        {grande, "tem 33 MB, mais do que o limite de 32 MB"},
        {pasta / "volta1",
         "as ligações simbólicas do caminho dão a volta sem chegar a um ficheiro"},
        {pasta / std::string(300, 'x'), "o nome é demasiado comprido"},
    };
    // Were the pipe opened to be read, this writer would let it end, empty, instead of hanging.
    std::thread escritor([&] { ::close(::open(tubo.c_str(), O_WRONLY)); });
    for (const auto& c : casos) {
        if (c.Caminho == nulo && !comDispositivo)
            continue;
        TRelatorioDic rel;
        try {
            CarregarDicionarioDeFicheiro(c.Caminho, rel);
            ADD_FAILURE() << c.Caminho;
        } catch (const EPalvorin& e) {
            EXPECT_EQ(e.what(), "Não foi possível ler o dicionário «" + c.Caminho.string() +
                                    "»: " + c.Causa + ".");
        }
    }
    // Releases the writer if the loader never opened the pipe.
    const int leitor = ::open(tubo.c_str(), O_RDONLY | O_NONBLOCK);
    escritor.join();
    ::close(leitor);
}
