#pragma once

#include <QFontMetrics>
#include <QSize>
#include <QString>

namespace palvorin {

// ATexto as it fits in AArea, word-wrapped as a label wraps it. When it does not fit, the
// part between the first « and the » after it (the messages quote file names so), or
// else the longest word, loses its middle to an ellipsis: a path with no blank cannot be
// wrapped and would run through the lines below. The rest of the sentence stays whole.
QString TextoQueCabe(const QString& ATexto, const QFontMetrics& AMetricas, QSize AArea);

} // namespace palvorin
