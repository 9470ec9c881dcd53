// Signals at the end of a run, in this process: after the generator's last check and in the
// middle of writing the file. The run must stop with the signal's exit code and the
// cancellation line, leaving the old file as it was and no temporary file behind.
#include "FchmodFalso.hpp"
#include "UnitPalvorinComando.hpp"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace palvorin;
using namespace palvorin::teste;
namespace fs = std::filesystem;

namespace {

// Raises a signal the first time the progress bar's line is ended: the generator has made
// its last progress report and the book is not written yet.
// No put area: every character comes through overflow.
class TErroComSinal : public std::streambuf {
public:
    explicit TErroComSinal(int ASinal) : FSinal(ASinal) {}
    const std::string& str() const { return FTexto; }

protected:
    int overflow(int ACaracter) override {
        FBarra = FBarra || ACaracter == '\r';
        if (FBarra && ACaracter == '\n' && FSinal != 0)
            raise(std::exchange(FSinal, 0));
        FTexto.push_back(static_cast<char>(ACaracter));
        return ACaracter;
    }

private:
    int FSinal;
    bool FBarra = false;
    std::string FTexto;
};

std::string UltimaLinha(const std::string& ATexto) {
    const std::size_t fim = ATexto.find_last_not_of('\n');
    return ATexto.substr(ATexto.rfind('\n', fim) + 1, fim - ATexto.rfind('\n', fim));
}

TEST(Sinais, ParamAntesDeOLivroFicarNoLugar) {
    const struct {
        int Sinal;
        bool AGravar; // during the write, else between the generation and the write
        int Codigo;
    } casos[] = {
        {SIGINT, false, 130},
        {SIGINT, true, 130},
        {SIGTERM, true, 143},
        {SIGHUP, true, 129},
    };
    for (const auto& c : casos) {
        const fs::path pasta = fs::path(testing::TempDir()) / "palvorin_sinais";
        fs::remove_all(pasta);
        fs::create_directories(pasta);
        std::ofstream(pasta / "livro.pdf") << "velho";
        TErroComSinal erroComSinal(c.AGravar ? 0 : c.Sinal);
        std::ostream erro(&erroComSinal);
        GAoMudarPermissoes = [&] { return c.AGravar ? raise(c.Sinal) : 0; };
        std::ostringstream saida;
        const int codigo = ExecutarPalvorinLivro({"--lado", "9", "--puzzles", "1", "--semente", "3",
                                                  "--dicionario", PALVORIN_LISTA_FIXA, "-o",
                                                  (pasta / "livro.pdf").string()},
                                                 {}, saida, erro, true);
        GAoMudarPermissoes = nullptr;
        EXPECT_EQ(codigo, c.Codigo) << c.Sinal;
        // The line's wording is fixed: "puzzles" whatever the counts.
        EXPECT_EQ(UltimaLinha(erroComSinal.str()),
                  "Geração cancelada aos 1 de 1 puzzles. Nada foi gravado.")
            << erroComSinal.str();
        EXPECT_EQ(saida.str(), "");
        std::ifstream livro(pasta / "livro.pdf");
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(livro), {}) == "velho") << c.Sinal;
        EXPECT_EQ(std::distance(fs::directory_iterator(pasta), {}), 1) << c.Sinal;
    }
}

} // namespace
