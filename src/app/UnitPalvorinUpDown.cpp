#include "UnitPalvorinUpDown.hpp"

#include "UnitPalvorinTexto.hpp"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <algorithm>

namespace palvorin {

TUpDown::TUpDown(QWidget* AParent)
    : QWidget(AParent), FCima(new QToolButton(this)), FBaixo(new QToolButton(this)) {
    for (QToolButton* botao : {FCima, FBaixo}) {
        botao->setAutoRepeat(true);
        botao->setFocusPolicy(Qt::NoFocus);
    }
    FCima->setArrowType(Qt::UpArrow);
    FBaixo->setArrowType(Qt::DownArrow);
    FCima->setObjectName("UpDownCima");
    FBaixo->setObjectName("UpDownBaixo");
    connect(FCima, &QToolButton::clicked, this, [this] { Passo(+1); });
    connect(FBaixo, &QToolButton::clicked, this, [this] { Passo(-1); });
}

void TUpDown::Associar(QLineEdit* AEdit) {
    FEdit = AEdit;
    FEdit->installEventFilter(this);
}

bool TUpDown::eventFilter(QObject* AObjeto, QEvent* AEvento) {
    if (AObjeto == FEdit && AEvento->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(AEvento));
        return true;
    }
    if (AObjeto == FEdit && AEvento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(AEvento)->key();
        if (tecla == Qt::Key_Up || tecla == Qt::Key_Down) {
            Passo(tecla == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(AObjeto, AEvento);
}

void TUpDown::wheelEvent(QWheelEvent* AEvento) {
    // One step per notch; a touchpad's small deltas add up to notches.
    constexpr int ENTALHE = 120;
    FRoda += AEvento->angleDelta().y();
    for (; FRoda >= ENTALHE; FRoda -= ENTALHE)
        Passo(+1);
    for (; FRoda <= -ENTALHE; FRoda += ENTALHE)
        Passo(-1);
    AEvento->accept();
}

void TUpDown::SetMin(std::int32_t AMin) {
    FMin = AMin;
    FPosicao = std::clamp(FPosicao, FMin, std::max(FMin, FMax));
}

void TUpDown::SetMax(std::int32_t AMax) {
    FMax = AMax;
    FPosicao = std::clamp(FPosicao, std::min(FMin, FMax), FMax);
}

void TUpDown::SetPosicao(std::int32_t APosicao) {
    FPosicao = std::clamp(APosicao, FMin, std::max(FMin, FMax));
}

void TUpDown::resizeEvent(QResizeEvent*) {
    const int metade = height() / 2;
    FCima->setGeometry(0, 0, width(), metade);
    FBaixo->setGeometry(0, metade, width(), height() - metade);
}

void TUpDown::Passo(std::int32_t ADelta) {
    // Start from what the user typed, as long as it is a number.
    if (FEdit != nullptr)
        if (const auto lido = InteiroDeTexto(FEdit->text().toStdString()))
            SetPosicao(*lido);
    SetPosicao(static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{FPosicao} + ADelta, FMin, std::max(FMin, FMax))));
    if (FEdit != nullptr)
        FEdit->setText(QString::number(FPosicao));
}

} // namespace palvorin
