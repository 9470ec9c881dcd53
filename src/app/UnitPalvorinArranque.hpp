#pragma once

#include <functional>
#include <memory>
#include <string>

class QApplication;

namespace palvorin {

// The one line, on standard error, for every display that cannot be opened.
inline constexpr const char* TEXTO_SEM_ECRA =
    "palvorin: não há ecrã onde abrir a janela; verifique DISPLAY ou WAYLAND_DISPLAY.";

// Whether Qt has somewhere to show a window: a platform chosen by hand, or an X11
// or Wayland display. Asked before QApplication exists, which would abort without one.
bool HaEcra(const std::function<const char*(const char*)>& ALerAmbiente);

// The application, or TEXTO_SEM_ECRA and exit code 1 when Qt cannot open the display it was
// given: Qt would print English lines and abort. Qt's messages while it starts are held back
// and passed on once it has started.
std::unique_ptr<QApplication> AbrirAplicacao(int& AArgc, char** AArgv);

// Qt wants a private folder for its run-time files (XDG_RUNTIME_DIR: absolute, ours, mode 0700)
// and says so in English when there is none, as under su or in a bare session. Without a usable
// one, this makes one in the temporary folder and points XDG_RUNTIME_DIR at it for the program's
// life; made before QApplication.
class TPastaDeExecucao {
public:
    TPastaDeExecucao();
    // Removes the folder it made, if any.
    ~TPastaDeExecucao();
    TPastaDeExecucao(const TPastaDeExecucao&) = delete;
    TPastaDeExecucao& operator=(const TPastaDeExecucao&) = delete;

private:
    std::string FCriada;
};

// A book over the file size limit, or written into a pipe nobody reads, fails with an error
// the window shows, instead of the program dying mid-write with the temporary file left behind:
// SIGXFSZ and SIGPIPE are ignored for the life of the program.
void IgnorarSinaisDeEscrita();

// Qt's own dialogs in Portuguese whatever the system's language: the Portuguese locale, and
// Qt's translations when they are installed.
void CarregarTraducoes(QApplication& AApp);
// The "Sky" style sheet compiled into the program; without it the default look stays.
void AplicarEstilo(QApplication& AApp);

} // namespace palvorin
