#pragma once

#include <QAbstractSpinBox>

namespace rpx::gui {

// A time field of the Scan dialog with its spin: up to three characters, digits and a decimal point
// straight after the first one. A spin click shows the next half-second; the text reaches the image
// only through committed(), when the field loses the focus or Enter is pressed.
class HalfSecondField : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit HalfSecondField(QWidget* parent = nullptr);

    // Shows halfSeconds and puts the spin there.
    void ShowHalfSeconds(int halfSeconds);
    QLineEdit* Edit() const { return lineEdit(); }

    void stepBy(int steps) override;

signals:
    void committed(const QString& text);

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_position = 0;
};

} // namespace rpx::gui
