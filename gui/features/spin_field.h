#pragma once

#include <QAbstractSpinBox>

#include <functional>
#include <string>
#include <string_view>

namespace rpx::gui {

// A number field with its spin buttons whose stepping and storing belong to a rules class: a click
// shows what step gives (+1 up, -1 down; already stored), leaving the field or Enter shows what
// leave makes of the typed text. It takes up to width digits, or the word it shows (e.g. "Off").
class SpinField : public QAbstractSpinBox {
    Q_OBJECT

public:
    using Step = std::function<std::string(int step)>;
    using Leave = std::function<std::string(std::string_view typed)>;

    SpinField(int width, Step step, Leave leave, QWidget* parent);

    void Show(const std::string& text);
    // Stores the field's text as leaving it would.
    void Commit();
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    QValidator::State validate(QString& input, int& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_width;
    Step m_step;
    Leave m_leave;
    QString m_shown;
};

} // namespace rpx::gui
