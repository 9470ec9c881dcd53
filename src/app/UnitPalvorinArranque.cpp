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
    auto* traducao = new QTranslator(&AApp);
    if (traducao->load("qt_pt_PT", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traducao);
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
