#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include <array>

#include "core/features/optional_rules.h"
#include "gui/features/number_spin_field.h"

namespace rpx::gui {

// Edit > Optional: a thin view over OptionalRules. Number fields and the password are stored when
// they lose the focus (Enter acts as Tab), spins, boxes and lists at once; Cancel puts every byte
// back (the rules do, when they end without OK).
class OptionalDialog : public QDialog {
    Q_OBJECT

public:
    // 0x20000 plus the dialog's resource number 132.
    static constexpr int kHelpContext = 0x20084;

    OptionalDialog(OptionalRules& rules, const LanguageTable& texts, QWidget* parent);

    // Stores the field being edited and keeps the edit.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr std::size_t kNumbers = 6, kBoxes = 7, kLists = 3;
    // Shows what the image holds now and greys what the rules grey.
    void Refresh();

    OptionalRules& m_rules;
    std::array<NumberSpinField*, kNumbers> m_numbers{};
    QLineEdit* m_password = nullptr;
    std::array<QCheckBox*, kBoxes> m_boxes{};
    std::array<QComboBox*, kLists> m_lists{};
};

// Runs the dialog modally over the session's image; true when it closed with OK.
bool RunOptionalDialog(Session& session, Notifier& notifier, QWidget* parent);

} // namespace rpx::gui
