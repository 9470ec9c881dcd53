#pragma once

#include <QObject>

class QButtonGroup;

namespace palvorin {

// The keyboard of a group of options, as on the desktops the layout comes from: the arrow
// keys step to the previous or next option and choose it, and Tab stops only at the chosen
// one. Qt moves between options only by their position on screen, so Up and Down do nothing
// in a row of options, and it leaves every option a Tab stop until one is clicked.
class TTeclasGrupo : public QObject {
public:
    explicit TTeclasGrupo(QButtonGroup* AGrupo);

protected:
    bool eventFilter(QObject* AObjeto, QEvent* AEvento) override;

private:
    void MarcarParagemTab();

    QButtonGroup* FGrupo;
};

} // namespace palvorin
