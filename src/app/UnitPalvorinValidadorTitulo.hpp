#pragma once

#include <QValidator>

namespace palvorin {

// Keeps the title edit's text on one line and made of whole characters.
// A pasted text keeps its first line, as a one-line edit on the desktop does; Qt would keep
// the line breaks, show them as blanks and hand them on to the cover.
// A length limit counted in UTF-16 units cuts a character beyond the first 65536 in half
// when it does not fit, and the half left behind would reach the book as a "?".
class TValidadorTitulo : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& ATexto, int& APosicao) const override;
};

} // namespace palvorin
