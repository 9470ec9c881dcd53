#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace palvorin {

// The engine speaks UTF-8 std::string; Qt strings exist only at the window's edge.
inline QString ParaQString(const std::string& ATexto) {
    return QString::fromStdString(ATexto);
}
inline std::string ParaUtf8(const QString& ATexto) {
    return ATexto.toStdString();
}
inline std::filesystem::path ParaCaminho(const QString& ACaminho) {
    return std::filesystem::path(ACaminho.toStdU16String());
}
inline QString CaminhoParaQString(const std::filesystem::path& ACaminho) {
    return QString::fromStdU16String(ACaminho.u16string());
}

} // namespace palvorin
