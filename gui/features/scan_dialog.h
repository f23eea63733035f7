#pragma once

#include <QCheckBox>
#include <QDialog>

#include "core/features/scan_rules.h"
#include "gui/editor/cell_list.h"
#include "gui/features/half_second_field.h"

namespace rpx::gui {

// Edit > Scan: a thin view over ScanRules; every change is in the image at once and Cancel puts
// every byte back (the rules do, when they end without OK).
class ScanDialog : public QDialog {
    Q_OBJECT

public:
    // The dialog's own context: 0x20000 plus its resource number 135.
    static constexpr int kHelpContext = 0x20087;

    ScanDialog(ScanRules& rules, const LanguageTable& texts, QWidget* parent);

    void accept() override;

protected:
    // Enter moves through revert channel, the two times and off-hook scan; on a button it presses it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    HalfSecondField& Field(ScanRules::Time time) const {
        return time == ScanRules::Time::DropoutDelay ? *m_dropoutDelay : *m_dwellTime;
    }

    ScanRules& m_rules;
    CellList* m_revert;
    HalfSecondField* m_dropoutDelay;
    HalfSecondField* m_dwellTime;
    QCheckBox* m_offHook;
};

// Opens the dialog over parent and returns once it is closed: true after OK.
bool RunScanDialog(Session& session, Notifier& notifier, QWidget* parent);

} // namespace rpx::gui
