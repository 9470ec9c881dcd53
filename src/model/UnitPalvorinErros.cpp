#include "UnitPalvorinErros.hpp"

#include "UnitPalvorinTipos.hpp"

#include <cerrno>
#include <new>

namespace palvorin {

std::string DescricaoDoErro(int AErro) {
    switch (AErro) {
    case EACCES:
    case EPERM:
        return "sem permissão";
    case ENOENT:
        return "a pasta ou o ficheiro não existe";
    case ENOTDIR:
        return "uma parte do caminho não é uma pasta";
    case EISDIR:
        return "é uma pasta, não um ficheiro";
    case ENOSPC:
    case EDQUOT:
        return "não há espaço no disco";
    case EROFS:
        return "o disco só permite leitura";
    case ENAMETOOLONG:
        return "o nome é demasiado comprido";
    case ELOOP:
        return "as ligações simbólicas do caminho dão a volta sem chegar a um ficheiro";
    case EIO:
        return "erro de entrada/saída";
    case EBUSY:
    case ETXTBSY:
        return "está a ser usado pelo sistema";
    case EXDEV:
        return "não pode ser movido entre discos diferentes";
    case EFBIG:
        return "o ficheiro fica grande demais para o limite deste sistema";
    case ENOSYS:
    case ENOTSUP:
        return "o disco não permite esta operação";
    case EMFILE:
    case ENFILE:
        return "há ficheiros abertos demais";
    case ENOMEM:
        return "não há memória suficiente";
    case ENXIO:
    case ENODEV:
        return "o dispositivo não está disponível";
    case EPIPE:
        return "o programa do outro lado deixou de ler";
    case EBADF:
        return "a saída não está aberta";
    case EINVAL:
        return "o sistema recusou o pedido para este ficheiro";
    case EAGAIN:
        return "o sistema está sem recursos de momento";
    case EINTR:
        return "a operação foi interrompida";
    case EEXIST:
        return "já existe";
    case ENOTEMPTY:
        return "a pasta não está vazia";
    case EMLINK:
        return "há ligações demais a este ficheiro";
    case EOVERFLOW:
        return "o ficheiro é grande demais para este sistema";
    case ESPIPE:
        return "não se pode andar para trás e para a frente neste ficheiro";
    case ETIMEDOUT:
        return "o tempo de espera esgotou-se";
    case ECONNRESET:
    case ENOTCONN:
        return "a ligação foi cortada";
    case ESTALE:
    case ENOLINK:
        return "o ficheiro de rede deixou de estar disponível";
    case ENOLCK:
        return "não foi possível trancar o ficheiro";
    case ECANCELED:
        return "a operação foi cancelada";
    default:
        // strerror would bring English into a Portuguese sentence.
        return "erro do sistema número " + std::to_string(AErro);
    }
}

std::string MensagemDoErro(const std::exception& AErro) {
    if (dynamic_cast<const EPalvorin*>(&AErro) != nullptr)
        return AErro.what();
    if (dynamic_cast<const std::bad_alloc*>(&AErro) != nullptr)
        return "Não há memória suficiente.";
    // The standard library's own texts are English and say nothing to a user.
    const std::string detalhe =
        dynamic_cast<const EInterno*>(&AErro) != nullptr ? std::string(AErro.what()) + ". " : "";
    return std::string(PREFIXO_ERRO_INTERNO) + detalhe + PEDIDO_DE_RELATORIO;
}

std::string TextoErro(const std::string& AMensagem) {
    if (AMensagem.starts_with(PREFIXO_ERRO_INTERNO))
        return AMensagem;
    return "Erro: " + AMensagem;
}

} // namespace palvorin
