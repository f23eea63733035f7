#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

#include <array>
#include <functional>

#include "core/report/print_selection_rules.h"

namespace rpx::gui {

// The sections of Print and Export PDF: a thin view over PrintSelectionRules. Each box's object name
// is its section's command-line name; the buttons are "selectAll", "clearAll", "printSetup" and "ok".
class PrintSelectionDialog : public QDialog {
    Q_OBJECT

public:
    // Print Setup (help context of the Print command).
    static constexpr int kHelpContext = 1357;

    // printSetup runs when the print-setup button is pressed.
    PrintSelectionDialog(PrintSelectionRules& rules, const LanguageTable& texts,
                         std::function<void()> printSetup, QWidget* parent);

protected:
    // Enter on a box moves to the next box that can be checked; on a button it presses it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The boxes and OK as the rules have them now.
    void ShowRules();

    PrintSelectionRules& m_rules;
    std::array<QCheckBox*, kPrintSectionCount> m_boxes{};
    QPushButton* m_ok;
};

// Opens the dialog; the sections chosen, or nothing when it was cancelled.
std::optional<PrintSelection> RunPrintSelectionDialog(const Session& session, const LanguageTable& texts,
                                                      std::function<void()> printSetup, QWidget* parent);

} // namespace rpx::gui
