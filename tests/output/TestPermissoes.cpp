// Copying the old file's permissions is best effort: some disks cannot keep them.
#include "FchmodFalso.hpp"
#include "Ferramentas.hpp"
#include "UnitPalvorinGravarFicheiro.hpp"
#include "UnitPalvorinTipos.hpp"

#include <gtest/gtest.h>

using namespace palvorin;
using namespace palvorin::teste;

namespace {

TEST(Permissoes, SoUmErroVerdadeiroFalhaAGravacao) {
    const std::string novo = "%PDF-novo";
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(novo.data()),
                                              novo.size());
    const struct {
        int Erro;
        std::string Mensagem; // empty: written
    } casos[] = {
        {ENOSYS, ""},
        {ENOTSUP, ""},
        {EPERM, ""},
        {EIO, "erro de entrada/saída"},
    };
    for (const auto& c : casos) {
        TPastaTemporaria pasta;
        const std::string caminho = (pasta / "livro.pdf").string();
        std::ofstream(caminho) << "velho";
        GAoMudarPermissoes = [&] { return c.Erro; };
        std::string mensagem;
        try {
            GravarFicheiroInteiro(caminho, bytes);
        } catch (const EPalvorin& e) {
            mensagem = e.what();
        }
        GAoMudarPermissoes = nullptr;
        if (c.Mensagem.empty()) {
            EXPECT_EQ(mensagem, "") << c.Erro;
            EXPECT_EQ(LerFicheiro(caminho), novo) << c.Erro;
        } else {
            EXPECT_EQ(mensagem,
                      "Não foi possível gravar o ficheiro «" + caminho + "»: " + c.Mensagem + ".");
            EXPECT_EQ(LerFicheiro(caminho), "velho");
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.Caminho()), {}), 1)
            << c.Erro;
    }
}

} // namespace
