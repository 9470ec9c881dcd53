#pragma once

#include <QIcon>
#include <QImage>

namespace palvorin {

// The program's icon: the solved 5 x 5 emblem board of the book's filler page.
QImage DesenharIcone(int ALado);
QIcon IconePrograma();

} // namespace palvorin
