#include "UnitPalvorinFicheiro.hpp"

#include "UnitPalvorinErros.hpp"
#include "UnitPalvorinTipos.hpp"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace palvorin {

namespace {

[[noreturn]] void Falhar(const std::string& ACaminho, int AErro) {
    throw EPalvorin("Não foi possível gravar o ficheiro \"" + ACaminho +
                    "\": " + DescricaoDoErro(AErro) + ".");
}

// A new file gets the usual permissions; a replaced file keeps its own.
mode_t PermissoesDoDestino(const std::string& ACaminho) {
    struct stat estado {};
    if (stat(ACaminho.c_str(), &estado) == 0 && S_ISREG(estado.st_mode))
        return estado.st_mode & 07777;
    const mode_t mascara = umask(0);
    umask(mascara);
    return 0666 & ~mascara;
}

// Closes and removes the temporary file unless it was handed over.
class TFicheiroTemporario {
public:
    explicit TFicheiroTemporario(const std::string& ADestino) {
        const std::filesystem::path destino(ADestino);
        std::filesystem::path pasta = destino.parent_path();
        if (pasta.empty())
            pasta = ".";
        // Hidden beside the target, so the rename stays within one file system.
        std::string nome = destino.filename().string();
        nome.insert(nome.begin(), '.');
        nome += ".XXXXXX";
        const std::string modelo = (pasta / nome).string();
        FCaminho.assign(modelo.begin(), modelo.end());
        FCaminho.push_back('\0');
        FDescritor = mkstemp(FCaminho.data());
        if (FDescritor < 0)
            Falhar(ADestino, errno);
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

} // namespace

void GravarFicheiroInteiro(const std::string& ACaminho, std::span<const std::uint8_t> ADados) {
    if (ACaminho.empty())
        throw EPalvorin("Não foi possível gravar o ficheiro: o nome está vazio.");
    const mode_t permissoes = PermissoesDoDestino(ACaminho);
    TFicheiroTemporario temporario(ACaminho);
    std::size_t escritos = 0;
    while (escritos < ADados.size()) {
        const ssize_t n =
            write(temporario.Descritor(), ADados.data() + escritos, ADados.size() - escritos);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            Falhar(ACaminho, errno);
        escritos += static_cast<std::size_t>(n);
    }
    if (fchmod(temporario.Descritor(), permissoes) != 0 || fsync(temporario.Descritor()) != 0)
        Falhar(ACaminho, errno);
    if (const int erro = temporario.Fechar(); erro != 0)
        Falhar(ACaminho, erro);
    if (rename(temporario.Caminho(), ACaminho.c_str()) != 0)
        Falhar(ACaminho, errno);
    temporario.Entregar();
}

} // namespace palvorin
