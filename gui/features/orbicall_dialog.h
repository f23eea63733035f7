#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "core/features/orbicall_rules.h"
#include "core/text/language_table.h"

namespace rpx::gui {

class DelaySpinBox;

// Edit > Orbicall: own fleet, own ID, data transmit delay and baud rate. A field is stored when the
// focus leaves it (Enter acts as Tab); Cancel puts every byte back (the rules do, when they end
// without OK).
class OrbicallDialog : public QDialog {
    Q_OBJECT

public:
    // 0x20000 plus the dialog's resource number 214.
    static constexpr int kHelpContext = 0x200D6;

    OrbicallDialog(OrbicallRules& rules, const LanguageTable& texts, QWidget* parent);

    // Stores the field being edited and keeps the edit.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Store(QObject* field);
    void Refresh();

    OrbicallRules& m_rules;
    QLineEdit* m_fleet;
    QLineEdit* m_id;
    DelaySpinBox* m_delay;
    QComboBox* m_baud;
};

// Runs the dialog modally over the session's image; true when it closed with OK.
bool RunOrbicallDialog(Session& session, Notifier& notifier, QWidget* parent);

} // namespace rpx::gui
