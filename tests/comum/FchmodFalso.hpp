#pragma once

// Takes the place of the C library's fchmod in the one test executable that includes this
// header (the writer, linked statically, calls it), so a test can make it fail, or do
// something at that moment of a write: after the bytes, before the rename.
#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace palvorin::teste {

// Returns the error number fchmod fails with, or 0 to let it change the permissions.
inline std::function<int()> GAoMudarPermissoes;

} // namespace palvorin::teste

extern "C" int fchmod(int ADescritor, mode_t AModo) noexcept {
    if (palvorin::teste::GAoMudarPermissoes)
        if (const int erro = palvorin::teste::GAoMudarPermissoes(); erro != 0) {
            errno = erro;
            return -1;
        }
    return static_cast<int>(syscall(SYS_fchmod, ADescritor, AModo));
}
