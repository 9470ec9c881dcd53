// Linked against a resource library without "DICIONARIO": the list then comes
// from Dicionario.txt in the given folder.
#include "Fixtures.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace palvorin;
namespace fs = std::filesystem;

TEST(SemListaEmbutida, LeDicionarioTxtDaPasta) {
    const fs::path pasta =
        fs::temp_directory_path() / ("palvorin-sem-" + std::to_string(::getpid()));
    fs::create_directories(pasta);
    TRelatorioDic rel;
    try {
        CarregarDicionario(pasta, rel);
        ADD_FAILURE();
    } catch (const EPalvorin& e) {
        EXPECT_EQ(e.what(),
                  "Dicionário não encontrado: «" + (pasta / "Dicionario.txt").string() + "».");
    }
    std::ofstream(pasta / "Dicionario.txt") << "CASA\nSOL\n";
    const auto d = CarregarDicionario(pasta.string() + "/", rel);
    EXPECT_EQ(d->Total(), 2);
    fs::remove_all(pasta);
}
