#pragma once

#include <QToolButton>
#include <QWidget>
#include <cstdint>

class QLineEdit;

namespace palvorin {

// Spin buttons bound to a one-line edit: each click, the Up and Down keys in the edit, or a
// notch of the mouse wheel over either, steps the number in the edit (or the last position when the
// edit holds no number) within the range and writes the result back into the edit.
class TUpDown : public QWidget {
public:
    explicit TUpDown(QWidget* AParent = nullptr);

    void Associar(QLineEdit* AEdit);
    void SetMin(std::int32_t AMin);
    void SetMax(std::int32_t AMax);
    void SetPosicao(std::int32_t APosicao);
    std::int32_t Min() const { return FMin; }
    std::int32_t Max() const { return FMax; }
    std::int32_t Posicao() const { return FPosicao; }
    QToolButton* BotaoCima() const { return FCima; }
    QToolButton* BotaoBaixo() const { return FBaixo; }

protected:
    void resizeEvent(QResizeEvent* AEvento) override;
    bool eventFilter(QObject* AObjeto, QEvent* AEvento) override;
    void wheelEvent(QWheelEvent* AEvento) override;

private:
    void Passo(std::int32_t ADelta);

    QLineEdit* FEdit = nullptr;
    QToolButton* FCima;
    QToolButton* FBaixo;
    std::int32_t FMin = 0;
    std::int32_t FMax = 100;
    std::int32_t FPosicao = 0;
    int FRoda = 0; // wheel movement not yet a whole notch
};

} // namespace palvorin
