#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <array>

#include "core/features/key_assignment_rules.h"
#include "core/text/language_table.h"
#include "gui/editor/cell_list.h"
#include "gui/features/key_panel_picture.h"

namespace rpx::gui {

// Edit > Key Assignment: a read-only field per programmable key; a field that takes the focus is
// covered by the key's list, and leaving the list stores the chosen function. Cancel puts every byte
// back (the rules do, when they end without OK).
class KeyAssignmentDialog : public QDialog {
    Q_OBJECT

public:
    // F1 before any list has opened: the page of the command.
    static constexpr int kHelpContext = 1362;

    KeyAssignmentDialog(KeyAssignmentRules& rules, const LanguageTable& texts, QWidget* parent);

    // Stores the key whose list is open and keeps the edit.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter in a key's list moves to the other key; on a button it presses that button.
    void keyPressEvent(QKeyEvent* event) override;
    // Tab runs key 1, key 2, OK, Cancel, whether a key shows its field or its list.
    bool focusNextPrevChild(bool next) override;

private:
    void OpenList(int key);
    void CloseList();
    void ShowKeys();

    KeyAssignmentRules& m_rules;
    KeyPanelPicture* m_panel;
    std::array<QLineEdit*, KeyAssignmentRules::kKeyCount> m_fields{};
    CellList* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

// Runs the dialog modally over the session's image; true when it closed with OK.
bool RunKeyAssignmentDialog(Session& session, Notifier& notifier, QWidget* parent);

} // namespace rpx::gui
