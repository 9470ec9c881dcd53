#include "UnitPalvorinCinzento.hpp"

#include "UnitPalvorinLerFicheiro.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace palvorin {

namespace {

const std::string PROGRAMA_GS = "gs";
const char* const NOME_ENTRADA = "livro.pdf";
const char* const NOME_SAIDA = "cinzento.pdf";
const char* const NOME_REGISTO = "gs.txt";
constexpr auto INTERVALO_ESPERA = std::chrono::milliseconds(20);
// Far above any book; only a runaway conversion reaches it.
constexpr std::uint64_t LIMITE_SAIDA = std::uint64_t{1} << 30;

// A folder of our own under the system's temporary folder, removed with all it holds.
class TPastaTemporaria {
public:
    TPastaTemporaria() {
        std::string modelo = (std::filesystem::temp_directory_path() / "palvorin-XXXXXX").string();
        if (!mkdtemp(modelo.data()))
            throw EPalvorin("Não foi possível criar uma pasta temporária para converter o livro "
                            "para tons de cinzento.");
        FCaminho = modelo;
    }
    ~TPastaTemporaria() {
        std::error_code erro;
        std::filesystem::remove_all(FCaminho, erro);
    }
    TPastaTemporaria(const TPastaTemporaria&) = delete;
    TPastaTemporaria& operator=(const TPastaTemporaria&) = delete;

    const std::filesystem::path& Caminho() const { return FCaminho; }
    std::filesystem::path operator/(const char* ANome) const { return FCaminho / ANome; }

private:
    std::filesystem::path FCaminho;
};

void Escrever(const std::filesystem::path& ACaminho, const std::vector<std::uint8_t>& ADados) {
    std::ofstream ficheiro(ACaminho, std::ios::binary);
    ficheiro.write(reinterpret_cast<const char*>(ADados.data()),
                   static_cast<std::streamsize>(ADados.size()));
    if (!ficheiro.flush())
        throw EPalvorin("Não foi possível escrever o livro na pasta temporária para o converter "
                        "para tons de cinzento.");
}

// Ghostscript runs inside APasta on the names it holds: the document id it writes depends on
// the output's path, and a temporary folder's name changes from run to run, so only relative
// names make the same book twice. Its own messages go to a file, not to the user's terminal.
pid_t LancarGs(const std::filesystem::path& APasta) {
    const std::string saida = std::string("-sOutputFile=") + NOME_SAIDA;
    const std::string entrada = NOME_ENTRADA;
    std::vector<std::string> argumentos = {PROGRAMA_GS,
                                           "-q",
                                           "-dBATCH",
                                           "-dNOPAUSE",
                                           "-dSAFER",
                                           "-sDEVICE=pdfwrite",
                                           "-sColorConversionStrategy=Gray",
                                           "-dProcessColorModel=/DeviceGray",
                                           "-dAutoRotatePages=/None",
                                           saida,
                                           entrada};
    std::vector<char*> argv;
    for (std::string& a : argumentos)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t accoes;
    posix_spawn_file_actions_init(&accoes);
    posix_spawn_file_actions_addchdir_np(&accoes, APasta.c_str());
    posix_spawn_file_actions_addopen(&accoes, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&accoes, STDOUT_FILENO, NOME_REGISTO,
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&accoes, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = 0;
    const int erro =
        posix_spawnp(&pid, PROGRAMA_GS.c_str(), &accoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&accoes);
    if (erro == ENOENT)
        throw EPalvorin("As páginas para gráfica precisam do Ghostscript (programa gs), que não "
                        "está instalado.");
    if (erro != 0)
        throw EPalvorin("Não foi possível executar o Ghostscript (programa gs): erro " +
                        std::to_string(erro) + ".");
    return pid;
}

} // namespace

std::optional<std::vector<std::uint8_t>> PdfEmCinzento(const std::vector<std::uint8_t>& APdf,
                                                       const TPedidoParagem& AParar) {
    const TPastaTemporaria pasta;
    Escrever(pasta / NOME_ENTRADA, APdf);
    const pid_t pid = LancarGs(pasta.Caminho());
    int estado = 0;
    for (;;) {
        const pid_t fim = waitpid(pid, &estado, WNOHANG);
        if (fim == pid)
            break;
        if (fim < 0 && errno != EINTR)
            throw EPalvorin("O Ghostscript terminou sem se saber como.");
        if (AParar && AParar()) {
            kill(pid, SIGTERM);
            while (waitpid(pid, &estado, 0) < 0 && errno == EINTR) {
            }
            return std::nullopt;
        }
        std::this_thread::sleep_for(INTERVALO_ESPERA);
    }
    if (AParar && AParar())
        return std::nullopt;
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0)
        throw EPalvorin("O Ghostscript não conseguiu converter o livro para tons de cinzento (" +
                        (WIFEXITED(estado) ? "código " + std::to_string(WEXITSTATUS(estado))
                                           : "sinal " + std::to_string(WTERMSIG(estado))) +
                        ").");
    return LerFicheiroInteiro(pasta / NOME_SAIDA, LIMITE_SAIDA);
}

} // namespace palvorin
