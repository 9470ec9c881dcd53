#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace palvorin {

enum class TTipoMensagem { tmAviso, tmErro, tmConfirmacao, tmInformacao };
enum class TResposta { rsOk, rsSim, rsNao };

// What the window asks of the desktop. The program uses the Qt implementation;
// tests drive the window through a scripted one.
class IPlataforma {
public:
    virtual ~IPlataforma() = default;

    // A modal box: warning, error and information have OK, confirmation has Yes and No.
    virtual TResposta Mensagem(TTipoMensagem ATipo, const std::string& ATexto) = 0;
    // The help, with a way to the "Acerca" box.
    virtual void MostrarAjuda(const std::string& AAjuda, const std::string& AAcerca) = 0;
    // The save dialog for a PDF, starting at ANomeProposto; nothing when cancelled.
    virtual std::optional<std::filesystem::path>
    EscolherFicheiroPdf(const std::string& ANomeProposto) = 0;
    // The open dialog for a theme file, a word list; nothing when cancelled.
    virtual std::optional<std::filesystem::path> EscolherFicheiroTema() = 0;
    // Opens the file in the desktop's viewer, or the folder in its file manager; the outcome
    // is not reported.
    virtual void AbrirDocumento(const std::filesystem::path& ACaminho) = 0;
    virtual std::filesystem::path PastaDoPrograma() = 0;
    // The user's choices kept across runs of the program, by name; empty when never kept.
    // Written at once, so that a crash loses nothing.
    virtual std::string LerPreferencia(const std::string& AChave) = 0;
    virtual void GravarPreferencia(const std::string& AChave, const std::string& AValor) = 0;
    // Closes every box and dialog still open, as if each were refused.
    virtual void FecharCaixas() = 0;
};

} // namespace palvorin
