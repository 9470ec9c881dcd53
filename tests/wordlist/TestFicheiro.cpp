#include "Fixtures.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
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
        EXPECT_EQ(e.what(), "Dicionário não encontrado: " + caminho.string());
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
            EXPECT_EQ(std::string(e.what()).rfind("Não foi possível ler o dicionário ", 0), 0u);
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
        EXPECT_EQ(d->GetPalavra(0), (TPalavraDic{"ÁGUA", "AGUA", true}));
        EXPECT_EQ(d->GetPalavra(1), (TPalavraDic{"PÃO", "PAO", false}));
    }
}
