#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "core/trunking/new_access_code_rules.h"

namespace rpx::gui {

// The SmarTrunk dialog's new-access-code dialog: the code and its verification, hidden as typed.
class NewAccessCodeDialog : public QDialog {
    Q_OBJECT

public:
    NewAccessCodeDialog(NewAccessCodeRules& rules, const LanguageTable& texts, QWidget* parent);

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateEnabling();

    NewAccessCodeRules& m_rules;
    QLineEdit* m_code;
    QLineEdit* m_verify;
    QPushButton* m_ok;
};

} // namespace rpx::gui
