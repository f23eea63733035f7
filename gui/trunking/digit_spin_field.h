#pragma once

#include <QSpinBox>

#include <functional>
#include <optional>

namespace rpx::gui {

// A digits-only field with a spin (System Tone, System ID of the SmarTrunk dialog). What the user
// typed, empty or out of range included, goes to the commit function when the field is left; a
// spin click commits the next number. The field then shows what the commit returns.
class DigitSpinField : public QSpinBox {
    Q_OBJECT

public:
    using Commit = std::function<int(const QString& typed)>;

    DigitSpinField(int maximum, int maxDigits, Commit commit, QWidget* parent = nullptr);

    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& text, int& position) const override;

private:
    void CommitTyped();
    void Show(int value);

    int m_maxDigits;
    Commit m_commit;
    std::optional<QString> m_typed; // since the last commit
};

} // namespace rpx::gui
