#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace palvorin {

// Asked while a file is written and once more right before it takes the target's place:
// true abandons the write.
using TPedidoParagem = std::function<bool()>;

// The name that writes to standard output.
inline constexpr const char* NOME_SAIDA_PADRAO = "-";

// Writes the bytes to ACaminho. A regular file or a new name is replaced whole: the bytes go
// to a temporary file beside it, renamed over it, so it ends either with the whole new content
// or as it was; a symbolic link is followed and the file it leads to is replaced, the link
// staying a link. A character device or a pipe is written straight into; a folder is refused.
// Returns false, with the target untouched, when AParar asked to stop. Raises EPalvorin naming
// the path and the cause.
bool GravarFicheiroInteiro(const std::string& ACaminho, std::span<const std::uint8_t> ADados,
                           const TPedidoParagem& AParar = {});

// Raises the EPalvorin GravarFicheiroInteiro would raise for what it can know before any byte
// exists: a folder, a name too long, a folder that is missing or cannot be written to. A long
// run checks this first, so that it does not fail only at its end.
void VerificarDestino(const std::string& ACaminho);

// Raises the EPalvorin of a failed write to ACaminho (a file, or standard output), ACausa a
// Portuguese phrase.
[[noreturn]] void FalharComCausa(const std::string& ACaminho, const std::string& ACausa);

} // namespace palvorin
