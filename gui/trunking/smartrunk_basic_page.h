#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <map>

#include "core/trunking/smartrunk_rules.h"
#include "gui/trunking/digit_spin_field.h"

namespace rpx::gui {

// The basic settings page of the SmarTrunk dialog: codes, block decode limits, system tone and ID,
// and the two-item lists. Every field stores through SmarTrunkRules when it is left.
class SmarTrunkBasicPage : public QWidget {
    Q_OBJECT

public:
    SmarTrunkBasicPage(SmarTrunkRules& rules, QWidget* parent = nullptr);

    // Shows the board settings as they stand (after a board file was opened).
    void Load();

private:
    QLineEdit* DigitEdit(const char* name, int maxDigits);

    SmarTrunkRules& m_rules;
    std::map<BoardCode, QLineEdit*> m_codes;
    QLineEdit* m_lower;
    QLineEdit* m_upper;
    DigitSpinField* m_systemTone;
    DigitSpinField* m_systemId;
    std::map<BoardChoice, QComboBox*> m_choices;
};

} // namespace rpx::gui
