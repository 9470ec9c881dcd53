#include "UnitPalvorinGravarFicheiro.hpp"

#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinTipos.hpp"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace palvorin {

namespace {

// How long a write to a channel waits for room before asking again whether to stop.
constexpr int ESPERA_CANAL_MS = 100;

// Links followed before giving up, as the kernel does.
constexpr int MAX_LIGACOES = 40;

[[noreturn]] void Falhar(const std::string& ACaminho, int AErro) {
    FalharComCausa(ACaminho, DescricaoDoErro(AErro));
}

// A new file gets the usual permissions; a replaced file keeps its own, but never setuid,
// setgid or sticky: the new content is not the program those bits were given to.
mode_t PermissoesDoDestino(const std::string& ACaminho) {
    struct stat estado {};
    if (stat(ACaminho.c_str(), &estado) == 0 && S_ISREG(estado.st_mode))
        return estado.st_mode & 0777;
    const mode_t mascara = umask(0);
    umask(mascara);
    return 0666 & ~mascara;
}

// The end of a chain of symbolic links: the file to replace, which may not exist yet.
std::string FimDasLigacoes(const std::string& AOriginal) {
    std::filesystem::path caminho(AOriginal);
    for (int i = 0; i < MAX_LIGACOES; ++i) {
        struct stat estado {};
        if (lstat(caminho.c_str(), &estado) != 0 || !S_ISLNK(estado.st_mode))
            return caminho.string();
        std::error_code erro;
        const std::filesystem::path alvo = std::filesystem::read_symlink(caminho, erro);
        if (erro)
            Falhar(AOriginal, erro.value());
        caminho = alvo.is_absolute() ? alvo : caminho.parent_path() / alvo;
    }
    Falhar(AOriginal, ELOOP);
}

struct TDestino {
    std::string Caminho;
    bool Canal = false; // a device or pipe, written straight into
    bool Tubo = false;
};

TDestino Destino(const std::string& ACaminho) {
    struct stat estado {};
    const bool existe = stat(ACaminho.c_str(), &estado) == 0;
    if (!existe && errno != ENOENT)
        Falhar(ACaminho, errno);
    if (existe && S_ISDIR(estado.st_mode))
        Falhar(ACaminho, EISDIR);
    if (ACaminho.back() == '/')
        FalharComCausa(ACaminho, "um nome acabado em «/» é o de uma pasta");
    if (existe && (S_ISCHR(estado.st_mode) || S_ISFIFO(estado.st_mode)))
        return {ACaminho, true, S_ISFIFO(estado.st_mode)};
    if (existe && !S_ISREG(estado.st_mode))
        FalharComCausa(ACaminho, "não é um ficheiro nem um canal onde se possa escrever");
    return {FimDasLigacoes(ACaminho), false};
}

// Writes everything unless AParar stops it first. A channel is written PIPE_BUF bytes at a
// time, each once poll says there is room, so a reader that never reads cannot block a stop.
bool EscreverTudo(int ADescritor, std::span<const std::uint8_t> ADados, bool ACanal,
                  const std::string& ACaminho, const TPedidoParagem& AParar) {
    std::size_t escritos = 0;
    while (escritos < ADados.size()) {
        if (AParar && AParar())
            return false;
        if (ACanal) {
            // A bounded wait: a signal that lands just before poll is still seen soon.
            pollfd vez{ADescritor, POLLOUT, 0};
            const int prontos = poll(&vez, 1, ESPERA_CANAL_MS);
            if (prontos < 0 && errno != EINTR)
                Falhar(ACaminho, errno);
            if (prontos <= 0)
                continue;
        }
        const std::size_t resto = ADados.size() - escritos;
        const std::size_t bloco = ACanal ? std::min<std::size_t>(resto, PIPE_BUF) : resto;
        const ssize_t n = write(ADescritor, ADados.data() + escritos, bloco);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n < 0)
            Falhar(ACaminho, errno);
        escritos += static_cast<std::size_t>(n);
    }
    return true;
}

bool EscreverNoCanal(const TDestino& ADestino, std::span<const std::uint8_t> ADados,
                     const TPedidoParagem& AParar) {
    const std::string& caminho = ADestino.Caminho;
    // Not blocking: a pipe nobody reads refuses at once instead of hanging the open.
    const int descritor = open(caminho.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (descritor < 0 && errno == ENXIO && ADestino.Tubo)
        FalharComCausa(caminho, "nenhum programa está a ler deste canal");
    if (descritor < 0)
        Falhar(caminho, errno);
    const bool escrito = EscreverTudo(descritor, ADados, true, caminho, AParar);
    if (close(descritor) != 0 && errno != EINTR)
        Falhar(caminho, errno);
    return escrito;
}

// The temporary name adds a dot in front and this suffix: std::size counts the dot as the NUL.
constexpr char SUFIXO_TEMPORARIO[] = ".XXXXXX";

// The longest file name the folder's file system takes.
std::size_t MaximoDoNome(const std::filesystem::path& APasta) {
    const long maximo = pathconf(APasta.c_str(), _PC_NAME_MAX);
    return maximo > static_cast<long>(std::size(SUFIXO_TEMPORARIO))
               ? static_cast<std::size_t>(maximo)
               : NAME_MAX;
}

// Closes and removes the temporary file unless it was handed over.
class TFicheiroTemporario {
public:
    explicit TFicheiroTemporario(const std::string& ADestino, const std::string& ANomeDado) {
        const std::filesystem::path destino(ADestino);
        std::filesystem::path pasta = destino.parent_path();
        if (pasta.empty())
            pasta = ".";
        // Hidden beside the target, so the rename stays within one file system; a long name is
        // cut so that the temporary one is not longer than the name it stands for.
        std::string nome = destino.filename().string();
        nome.resize(std::min(nome.size(), MaximoDoNome(pasta) - std::size(SUFIXO_TEMPORARIO)));
        nome.insert(nome.begin(), '.');
        nome += SUFIXO_TEMPORARIO;
        const std::string modelo = (pasta / nome).string();
        FCaminho.assign(modelo.begin(), modelo.end());
        FCaminho.push_back('\0');
        FDescritor = mkstemp(FCaminho.data());
        if (FDescritor < 0)
            Falhar(ANomeDado, errno);
    }
    ~TFicheiroTemporario() {
        if (FDescritor >= 0)
            close(FDescritor);
        if (!FEntregue)
            unlink(FCaminho.data());
    }
    TFicheiroTemporario(const TFicheiroTemporario&) = delete;
    TFicheiroTemporario& operator=(const TFicheiroTemporario&) = delete;

    int Descritor() const { return FDescritor; }
    const char* Caminho() const { return FCaminho.data(); }
    // Closes the file; returns 0 or the error.
    int Fechar() {
        const int resultado = close(FDescritor);
        FDescritor = -1;
        return resultado == 0 ? 0 : errno;
    }
    void Entregar() { FEntregue = true; }

private:
    std::vector<char> FCaminho;
    int FDescritor = -1;
    bool FEntregue = false;
};

bool SubstituirFicheiro(const std::string& ACaminho, const std::string& AFicheiro,
                        std::span<const std::uint8_t> ADados, const TPedidoParagem& AParar) {
    const mode_t permissoes = PermissoesDoDestino(AFicheiro);
    TFicheiroTemporario temporario(AFicheiro, ACaminho);
    if (!EscreverTudo(temporario.Descritor(), ADados, false, ACaminho, AParar))
        return false;
    // Permissions are a courtesy: some disks (FAT through FUSE) cannot keep them at all.
    if (fchmod(temporario.Descritor(), permissoes) != 0 && errno != ENOSYS && errno != ENOTSUP &&
        errno != EPERM)
        Falhar(ACaminho, errno);
    if (fsync(temporario.Descritor()) != 0)
        Falhar(ACaminho, errno);
    if (const int erro = temporario.Fechar(); erro != 0)
        Falhar(ACaminho, erro);
    if (AParar && AParar())
        return false;
    if (rename(temporario.Caminho(), AFicheiro.c_str()) != 0)
        Falhar(ACaminho, errno);
    temporario.Entregar();
    return true;
}

} // namespace

void FalharComCausa(const std::string& ACaminho, const std::string& ACausa) {
    if (ACaminho == NOME_SAIDA_PADRAO)
        throw EPalvorin("Não foi possível escrever na saída padrão: " + ACausa + ".");
    throw EPalvorin("Não foi possível gravar o ficheiro «" + ACaminho + "»: " + ACausa + ".");
}

void VerificarDestino(const std::string& ACaminho) {
    if (ACaminho.empty())
        throw EPalvorin("Não foi possível gravar o ficheiro: o nome está vazio.");
    if (ACaminho == NOME_SAIDA_PADRAO)
        return;
    const TDestino destino = Destino(ACaminho);
    if (destino.Canal)
        return;
    std::filesystem::path pasta = std::filesystem::path(destino.Caminho).parent_path();
    if (pasta.empty())
        pasta = ".";
    struct stat estado {};
    if (stat(pasta.c_str(), &estado) != 0)
        Falhar(ACaminho, errno);
    if (!S_ISDIR(estado.st_mode))
        Falhar(ACaminho, ENOTDIR);
    if (access(pasta.c_str(), W_OK | X_OK) != 0)
        Falhar(ACaminho, errno);
}

bool GravarFicheiroInteiro(const std::string& ACaminho, std::span<const std::uint8_t> ADados,
                           const TPedidoParagem& AParar) {
    if (ACaminho.empty())
        throw EPalvorin("Não foi possível gravar o ficheiro: o nome está vazio.");
    if (ACaminho == NOME_SAIDA_PADRAO)
        return EscreverTudo(STDOUT_FILENO, ADados, true, ACaminho, AParar);
    const TDestino destino = Destino(ACaminho);
    if (destino.Canal)
        return EscreverNoCanal(destino, ADados, AParar);
    return SubstituirFicheiro(ACaminho, destino.Caminho, ADados, AParar);
}

} // namespace palvorin
