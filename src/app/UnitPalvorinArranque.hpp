#pragma once

#include <functional>

class QApplication;

namespace palvorin {

// Whether Qt has somewhere to show a window: a platform chosen by hand, or an X11
// or Wayland display. Asked before QApplication exists, which would abort without one.
bool HaEcra(const std::function<const char*(const char*)>& ALerAmbiente);

// Qt's own dialogs in Portuguese, when the translations are installed.
void CarregarTraducoes(QApplication& AApp);
// The "Sky" style sheet compiled into the program; without it the default look stays.
void AplicarEstilo(QApplication& AApp);

} // namespace palvorin
