#pragma once

#include "UnitPalvorinPlataforma.hpp"

namespace palvorin {

// The application title, the caption of every message box. Not Qt's display name, which
// Qt would append to the window's own caption.
inline constexpr const char* TITULO_APLICACAO = "PALVORIN";

// The desktop through Qt: message boxes and the file dialog in Portuguese, the
// default PDF viewer.
class TPlataformaQt : public IPlataforma {
public:
    TResposta Mensagem(TTipoMensagem ATipo, const std::string& ATexto) override;
    void MostrarAjuda(const std::string& AAjuda, const std::string& AAcerca) override;
    std::optional<std::filesystem::path>
    EscolherFicheiroPdf(const std::string& ANomeProposto) override;
    std::optional<std::filesystem::path> EscolherFicheiroTema() override;
    void AbrirDocumento(const std::filesystem::path& ACaminho) override;
    std::filesystem::path PastaDoPrograma() override;
    std::string LerPreferencia(const std::string& AChave) override;
    void GravarPreferencia(const std::string& AChave, const std::string& AValor) override;
    void FecharCaixas() override;
};

} // namespace palvorin
