#pragma once

#include <QAbstractSpinBox>
#include <QLineEdit>

namespace rpx::gui {

// A number field with spin buttons whose rules live elsewhere: a click reports its step, leaving the
// field (or Enter) reports the text, and the owner shows what the rules stored. It takes up to width
// digits; a text that is not a number (the name shown for 0) is replaced as a digit is typed.
class SpinField : public QAbstractSpinBox {
    Q_OBJECT

public:
    SpinField(int width, QWidget* parent);

    QLineEdit* Edit() const { return lineEdit(); }
    void stepBy(int steps) override { emit stepped(steps < 0 ? -1 : 1); }

signals:
    void stepped(int step);
    void committed(const QString& text);

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace rpx::gui
