#pragma once

#include <QDialog>

#include "core/features/emergency_rules.h"
#include "gui/features/emergency_fields.h"

namespace rpx::gui {

// Edit > Emergency: a thin view over EmergencyRules; every change is in the image at once and Cancel
// puts every byte back (the rules do, when they end without OK).
class EmergencyDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1381;

    EmergencyDialog(EmergencyRules& rules, const LanguageTable& texts, const QFont& codeFont,
                    QWidget* parent);

    void accept() override;

private:
    EmergencyRules& m_rules;
    EmergencyFields* m_call;    // channel, phases and signalling
    EmergencyFields* m_outputs; // outputs, microphone, cycle and options
};

// Opens the dialog over parent and returns once it is closed: true after OK.
bool RunEmergencyDialog(Session& session, Notifier& notifier, const QFont& codeFont, QWidget* parent);

} // namespace rpx::gui
