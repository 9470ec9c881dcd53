#include "UnitPalvorinErros.hpp"

#include <cerrno>
#include <cstring>

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

} // namespace palvorin
