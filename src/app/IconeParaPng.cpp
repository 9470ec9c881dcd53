// Build-time tool: writes the program's icon as a PNG for the desktop install.
#include "UnitPalvorinIcone.hpp"

#include <QGuiApplication>
#include <iostream>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "uso: palvorin_icone LADO FICHEIRO.png\n";
        return 2;
    }
    const int lado = std::atoi(argv[1]);
    if (lado < 16 || lado > 1024 || !palvorin::DesenharIcone(lado).save(argv[2], "PNG")) {
        std::cerr << "palvorin_icone: não foi possível escrever " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
