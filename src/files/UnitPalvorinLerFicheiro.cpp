#include "UnitPalvorinLerFicheiro.hpp"

#include "UnitPalvorinErros.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace palvorin {

namespace {

constexpr std::uint64_t MEGABYTE = 1024 * 1024;

// Closes the descriptor on every way out.
class TDescritorLeitura {
public:
    explicit TDescritorLeitura(const std::filesystem::path& ACaminho)
        // Not blocking, so that opening a pipe with no writer returns at once.
        : FDescritor(open(ACaminho.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)) {
        if (FDescritor < 0)
            throw ELeitura(errno, DescricaoDoErro(errno));
    }
    ~TDescritorLeitura() { close(FDescritor); }
    TDescritorLeitura(const TDescritorLeitura&) = delete;
    TDescritorLeitura& operator=(const TDescritorLeitura&) = delete;

    int Descritor() const { return FDescritor; }

private:
    int FDescritor;
};

[[noreturn]] void GrandeDemais(std::uint64_t ATamanho, std::uint64_t ALimite) {
    throw ELeitura(0, "tem " + TextoMegabytes(ATamanho) + ", mais do que o limite de " +
                          TextoMegabytes(ALimite));
}

} // namespace

std::string TextoMegabytes(std::uint64_t ABytes) {
    return std::to_string((ABytes + MEGABYTE - 1) / MEGABYTE) + " MB";
}

std::vector<std::uint8_t> LerFicheiroInteiro(const std::filesystem::path& ACaminho,
                                             std::uint64_t ALimite) {
    const TDescritorLeitura ficheiro(ACaminho);
    struct stat estado {};
    if (fstat(ficheiro.Descritor(), &estado) != 0)
        throw ELeitura(errno, DescricaoDoErro(errno));
    if (S_ISDIR(estado.st_mode))
        throw ELeitura(EISDIR, DescricaoDoErro(EISDIR));
    if (!S_ISREG(estado.st_mode))
        throw ELeitura(0, "não é um ficheiro");
    const auto tamanho = static_cast<std::uint64_t>(estado.st_size);
    if (tamanho > ALimite)
        GrandeDemais(tamanho, ALimite);
    // One byte more than the file holds, so that the read that finds its end needs no copy.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(tamanho) + 1);
    std::size_t lidos = 0;
    for (;;) {
        // A file that grows while it is read stops at one byte past the limit.
        if (lidos == bytes.size())
            bytes.resize(std::min<std::uint64_t>(bytes.size() + 65536, ALimite + 1));
        if (lidos == bytes.size())
            GrandeDemais(lidos, ALimite);
        const ssize_t n = read(ficheiro.Descritor(), bytes.data() + lidos, bytes.size() - lidos);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw ELeitura(errno, DescricaoDoErro(errno));
        if (n == 0)
            break;
        lidos += static_cast<std::size_t>(n);
    }
    bytes.resize(lidos);
    return bytes;
}

} // namespace palvorin
