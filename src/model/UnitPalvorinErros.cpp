#include "UnitPalvorinErros.hpp"

#include <cerrno>
#include <cstring>

namespace palvorin {

std::string DescricaoDoErro(int AErro) {
    switch (AErro) {
    case EACCES:
    case EPERM:
        return "permissão negada";
    case ENOENT:
        return "o ficheiro ou a pasta não existe";
    case EISDIR:
        return "é uma pasta, não um ficheiro";
    case ENOTDIR:
        return "parte do caminho não é uma pasta";
    case ENOSPC:
        return "não há espaço livre no disco";
    case EROFS:
        return "o disco só permite leitura";
    case EIO:
        return "erro de entrada/saída";
    case ENAMETOOLONG:
        return "o nome é demasiado comprido";
    case EDQUOT:
        return "a quota do disco foi excedida";
    default:
        return std::string("erro do sistema ") + std::to_string(AErro) + " (" +
               std::strerror(AErro) + ")";
    }
}

} // namespace palvorin
