#pragma once

#include <QAbstractSpinBox>
#include <QLineEdit>

#include <functional>
#include <string>
#include <string_view>

namespace rpx::gui {

// A number field with its spin buttons whose rules live elsewhere: it takes digits only (a digit
// typed over a text such as "Off" replaces the whole text), no pasting, and reports a spin click as
// stepped() and the text as committed() when the field loses the focus or Enter is pressed. The
// dialog stores both through its rules and shows the result.
class NumberSpinField : public QAbstractSpinBox {
    Q_OBJECT

public:
    // What a click (+1 up, -1 down) or the typed text left in the field makes the field show.
    using Step = std::function<std::string(int step)>;
    using Leave = std::function<std::string(std::string_view typed)>;

    NumberSpinField(int width, QWidget* parent);
    // A field whose rules answer each click and each commit with the text it then shows.
    static NumberSpinField* OverRules(int width, Step step, Leave leave, QWidget* parent);

    QLineEdit* Edit() const { return lineEdit(); }
    void ShowText(const QString& text) { lineEdit()->setText(text); }
    void stepBy(int steps) override { emit stepped(steps < 0 ? -1 : 1); }
    // Reports the text as leaving the field does.
    void Commit() { emit committed(lineEdit()->text()); }

signals:
    void committed(const QString& text);
    void stepped(int direction);

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_width;
};

} // namespace rpx::gui
