#pragma once

#include <QValidator>

namespace palvorin {

// Keeps an edit's text made of whole characters. A length limit counted in UTF-16
// units cuts a character beyond the first 65536 in half when it does not fit, and the
// half left behind would reach the book as a "?".
class TCaracteresInteiros : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& ATexto, int& APosicao) const override;
};

} // namespace palvorin
