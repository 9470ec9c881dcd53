#include "UnitPalvorinArranque.hpp"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace palvorin {

namespace {

struct TMensagemRetida {
    QtMsgType Tipo;
    const char* Categoria; // Qt's categories are static strings
    QString Texto;
};

std::vector<TMensagemRetida>& Retidas() {
    static std::vector<TMensagemRetida> retidas;
    return retidas;
}

void ReterDuranteOArranque(QtMsgType ATipo, const QMessageLogContext& AContexto,
                           const QString& ATexto) {
    // Fatal while starting means no platform could be opened: nothing else is left to try.
    if (ATipo == QtFatalMsg) {
        std::cerr << TEXTO_SEM_ECRA << std::endl;
        std::_Exit(1);
    }
    Retidas().push_back({ATipo, AContexto.category, ATexto});
}

bool PastaDeExecucaoValida(const char* ACaminho) {
    struct stat estado {};
    return ACaminho != nullptr && ACaminho[0] == '/' && stat(ACaminho, &estado) == 0 &&
           S_ISDIR(estado.st_mode) && estado.st_uid == geteuid() && (estado.st_mode & 0777) == 0700;
}

} // namespace

TPastaDeExecucao::TPastaDeExecucao() {
    if (PastaDeExecucaoValida(std::getenv("XDG_RUNTIME_DIR")))
        return;
    std::error_code erro;
    std::string modelo = (std::filesystem::temp_directory_path(erro) / "palvorin-XXXXXX").string();
    if (erro || mkdtemp(modelo.data()) == nullptr)
        return; // Qt's own fallback, and its warning, remain
    FCriada = modelo;
    setenv("XDG_RUNTIME_DIR", FCriada.c_str(), 1);
}

TPastaDeExecucao::~TPastaDeExecucao() {
    if (FCriada.empty())
        return;
    std::error_code erro;
    std::filesystem::remove_all(FCriada, erro);
}

void IgnorarSinaisDeEscrita() {
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

bool HaEcra(const std::function<const char*(const char*)>& ALerAmbiente) {
    for (const char* variavel : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* valor = ALerAmbiente(variavel);
        if (valor != nullptr && *valor != '\0')
            return true;
    }
    return false;
}

std::unique_ptr<QApplication> AbrirAplicacao(int& AArgc, char** AArgv) {
    const QtMessageHandler anterior = qInstallMessageHandler(ReterDuranteOArranque);
    auto app = std::make_unique<QApplication>(AArgc, AArgv);
    qInstallMessageHandler(anterior);
    for (const TMensagemRetida& m : Retidas())
        anterior(m.Tipo, QMessageLogContext(nullptr, 0, nullptr, m.Categoria), m.Texto);
    Retidas().clear();
    return app;
}

void CarregarTraducoes(QApplication& AApp) {
    // Dates and file types in the save dialog follow the locale, not the translations:
    // the program speaks Portuguese whatever the system's language.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    // The last translator installed is asked first: European Portuguese, then the
    // Brazilian catalogue for the few texts the European one lacks ("Computador", "Pasta").
    const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogo : {"qtbase_pt_BR", "qt_pt_PT"}) {
        auto* traducao = new QTranslator(&AApp);
        if (traducao->load(catalogo, pasta))
            QApplication::installTranslator(traducao);
        else
            delete traducao;
    }
}

void AplicarEstilo(QApplication& AApp) {
    QFile estilo(":/palvorin/Sky.qss");
    if (!estilo.open(QIODevice::ReadOnly)) {
        std::cerr << "palvorin: o estilo «Sky» não está no programa; fica o aspeto de origem.\n";
        return;
    }
    AApp.setStyleSheet(QString::fromUtf8(estilo.readAll()));
}

} // namespace palvorin
