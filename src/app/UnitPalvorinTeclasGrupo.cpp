#include "UnitPalvorinTeclasGrupo.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>

namespace palvorin {

TTeclasGrupo::TTeclasGrupo(QButtonGroup* AGrupo) : QObject(AGrupo), FGrupo(AGrupo) {
    for (QAbstractButton* botao : FGrupo->buttons())
        botao->installEventFilter(this);
    connect(FGrupo, &QButtonGroup::buttonToggled, this, [this] { MarcarParagemTab(); });
    MarcarParagemTab();
}

void TTeclasGrupo::MarcarParagemTab() {
    const QAbstractButton* escolhido = FGrupo->checkedButton();
    for (QAbstractButton* botao : FGrupo->buttons())
        botao->setFocusPolicy(escolhido == nullptr || botao == escolhido ? Qt::StrongFocus
                                                                         : Qt::ClickFocus);
}

bool TTeclasGrupo::eventFilter(QObject* AObjeto, QEvent* AEvento) {
    if (AEvento->type() != QEvent::KeyPress)
        return false;
    int passo = 0;
    switch (static_cast<QKeyEvent*>(AEvento)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        passo = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        passo = 1;
        break;
    default:
        return false;
    }
    const QList<QAbstractButton*> botoes = FGrupo->buttons();
    const qsizetype seguinte = botoes.indexOf(static_cast<QAbstractButton*>(AObjeto)) + passo;
    if (seguinte >= 0 && seguinte < botoes.size()) {
        botoes[seguinte]->setFocus(Qt::TabFocusReason);
        botoes[seguinte]->setChecked(true);
    }
    return true;
}

} // namespace palvorin
