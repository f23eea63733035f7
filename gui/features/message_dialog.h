#pragma once

#include <QDialog>
#include <QLineEdit>

#include <array>

#include "core/features/message_rules.h"

namespace rpx::gui {

// Edit > Embedded message: the two lines reach the image on OK only; Cancel just closes.
class MessageDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1366;

    MessageDialog(MessageRules& rules, const LanguageTable& texts, const QFont& codeFont, QWidget* parent);

    void accept() override;

protected:
    // Enter in one line moves to the other; on a button it presses it.
    void keyPressEvent(QKeyEvent* event) override;
    // Swallows Shift+Insert in the lines.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MessageRules& m_rules;
    std::array<QLineEdit*, MessageRules::kLineCount> m_lines{};
};

// Opens the dialog over parent and returns once it is closed: true after OK.
bool RunMessageDialog(Session& session, Notifier& notifier, const QFont& codeFont, QWidget* parent);

} // namespace rpx::gui
