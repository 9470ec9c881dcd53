#pragma once

#include "UnitPalvorinTipos.hpp"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace palvorin {

// Why a file could not be read: the system error number (0 when the refusal is ours) and the
// cause as a Portuguese phrase, the message.
class ELeitura : public EPalvorin {
public:
    ELeitura(int AErro, const std::string& ACausa) : EPalvorin(ACausa), FErro(AErro) {}
    int Erro() const { return FErro; }

private:
    int FErro;
};

// The whole content of the regular file at ACaminho. Pipes and devices are refused unread (a
// pipe could block forever, a device never end), and so is a file larger than ALimite bytes.
std::vector<std::uint8_t> LerFicheiroInteiro(const std::filesystem::path& ACaminho,
                                             std::uint64_t ALimite);

// A size in whole megabytes (MiB), rounded up: "32 MB".
std::string TextoMegabytes(std::uint64_t ABytes);

} // namespace palvorin
