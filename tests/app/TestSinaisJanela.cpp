// The real window ended by a signal at the moment its temporary file appears in the folder:
// it exits as a program a signal ended, and leaves no hidden file and no half book behind.
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Starts the window with the offscreen platform; its standard output comes through ASaida.
pid_t Lancar(const std::vector<std::string>& AArgumentos, int& ASaida) {
    int canal[2];
    if (pipe(canal) != 0)
        return -1;
    const pid_t filho = fork();
    if (filho == 0) {
        dup2(canal[1], STDOUT_FILENO);
        close(canal[0]);
        close(canal[1]);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::vector<char*> args;
        args.push_back(const_cast<char*>(PALVORIN_JANELA_SINAIS));
        for (const std::string& a : AArgumentos)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(canal[1]);
    ASaida = canal[0];
    return filho;
}

// Blocks until a file other than AFinal is created in the folder AObservador watches, and
// returns its name; empty when AFinal appeared first or the watch ended.
std::string EsperarTemporario(int AObservador, const std::string& AFinal) {
    alignas(inotify_event) char memoria[4096];
    for (;;) {
        const ssize_t lidos = read(AObservador, memoria, sizeof memoria);
        if (lidos <= 0)
            return {};
        for (ssize_t i = 0; i < lidos;) {
            const auto* evento = reinterpret_cast<const inotify_event*>(memoria + i);
            const std::string nome = evento->len > 0 ? evento->name : "";
            if (nome == AFinal)
                return {};
            if (!nome.empty())
                return nome;
            i += ssize_t(sizeof(inotify_event) + evento->len);
        }
    }
}

int EsperarSaida(pid_t AFilho) {
    int estado = 0;
    if (waitpid(AFilho, &estado, 0) != AFilho || !WIFEXITED(estado))
        return -1;
    return WEXITSTATUS(estado);
}

class SinaisJanela : public ::testing::Test {
protected:
    fs::path pasta = fs::temp_directory_path() / ("palvorin-sinais-" + std::to_string(getpid()));

    void SetUp() override {
        fs::remove_all(pasta);
        fs::create_directories(pasta);
    }
    void TearDown() override { fs::remove_all(pasta); }

    std::vector<std::string> Conteudo() {
        std::vector<std::string> nomes;
        for (const auto& entrada : fs::directory_iterator(pasta))
            nomes.push_back(entrada.path().filename().string());
        return nomes;
    }
};

const struct {
    int sinal;
    const char* nome;
} SINAIS[] = {{SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {SIGHUP, "SIGHUP"}};

TEST_F(SinaisJanela, SinalQuandoOTemporarioApareceNaoDeixaNada) {
    // Held at the writer's first check, the signal surely falls inside the write: the book
    // is abandoned. Without the hold the write may finish first: then the book is whole.
    for (const bool pausa : {true, false})
        for (const auto& s : SINAIS) {
            SCOPED_TRACE(testing::Message() << s.nome << (pausa ? " com pausa" : ""));
            SetUp();
            const int observador = inotify_init1(IN_CLOEXEC);
            ASSERT_GE(observador, 0);
            ASSERT_GE(inotify_add_watch(observador, pasta.c_str(), IN_CREATE | IN_MOVED_TO), 0);
            int saida = -1;
            std::vector<std::string> args = {(pasta / "livro.pdf").string()};
            if (pausa)
                args.push_back("pausa");
            const pid_t filho = Lancar(args, saida);
            ASSERT_GT(filho, 0);
            const std::string temporario = EsperarTemporario(observador, "livro.pdf");
            kill(filho, s.sinal);
            close(observador);
            close(saida);
            EXPECT_FALSE(temporario.empty());
            EXPECT_EQ(EsperarSaida(filho), 128 + s.sinal);
            const auto nomes = Conteudo();
            if (pausa) {
                EXPECT_TRUE(nomes.empty()) << nomes.front();
                continue;
            }
            // Nothing hidden; a book that got written is whole.
            EXPECT_LE(nomes.size(), 1u);
            if (nomes.size() == 1) {
                EXPECT_EQ(nomes[0], "livro.pdf");
                std::ifstream livro(pasta / "livro.pdf", std::ios::binary);
                const std::string bytes{std::istreambuf_iterator<char>(livro), {}};
                EXPECT_TRUE(bytes.starts_with("%PDF-"));
                EXPECT_TRUE(bytes.ends_with("%%EOF\n"));
            }
        }
}

TEST_F(SinaisJanela, SinalComAJanelaParadaFechaLimpa) {
    for (const auto& s : SINAIS) {
        SCOPED_TRACE(s.nome);
        int saida = -1;
        const pid_t filho = Lancar({}, saida);
        ASSERT_GT(filho, 0);
        // Only once the window is up are the signals its own.
        char linha[16] = {};
        ASSERT_GT(read(saida, linha, sizeof linha - 1), 0);
        EXPECT_STREQ(linha, "pronta\n");
        kill(filho, s.sinal);
        close(saida);
        EXPECT_EQ(EsperarSaida(filho), 128 + s.sinal);
    }
}

} // namespace
