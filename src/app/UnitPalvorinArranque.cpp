#include "UnitPalvorinArranque.hpp"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <iostream>

namespace palvorin {

bool HaEcra(const std::function<const char*(const char*)>& ALerAmbiente) {
    for (const char* variavel : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* valor = ALerAmbiente(variavel);
        if (valor != nullptr && *valor != '\0')
            return true;
    }
    return false;
}

void CarregarTraducoes(QApplication& AApp) {
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
        std::cerr << "palvorin: o estilo \"Sky\" não está no programa; fica o aspeto de origem.\n";
        return;
    }
    AApp.setStyleSheet(QString::fromUtf8(estilo.readAll()));
}

} // namespace palvorin
