#include "UnitPalvorinErros.hpp"

#include "UnitPalvorinTipos.hpp"

#include <cerrno>
#include <cstring>
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
        return "o caminho não é uma pasta";
    case EISDIR:
        return "é uma pasta, não um ficheiro";
    case ENOSPC:
    case EDQUOT:
        return "não há espaço no disco";
    case EROFS:
        return "o disco só permite leitura";
    case ENAMETOOLONG:
        return "o nome é demasiado comprido";
    case EIO:
        return "erro de entrada/saída";
    default:
        return std::string("erro do sistema ") + std::to_string(AErro) + " (" +
               std::strerror(AErro) + ")";
    }
}

std::string MensagemDoErro(const std::exception& AErro) {
    if (dynamic_cast<const EPalvorin*>(&AErro) != nullptr)
        return AErro.what();
    if (dynamic_cast<const std::bad_alloc*>(&AErro) != nullptr)
        return "Não há memória suficiente.";
    return std::string("Erro interno: ") + AErro.what();
}

} // namespace palvorin
