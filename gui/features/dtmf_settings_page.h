#pragma once

#include <QCheckBox>
#include <QWidget>

#include <array>

#include "core/features/dtmf_rules.h"
#include "gui/editor/cell_list.h"
#include "gui/features/code_edit.h"
#include "gui/features/number_spin_field.h"

namespace rpx::gui {

// The encode/decode page of the DTMF dialog: a thin view over DtmfRules. Spins, lists and boxes
// store at once; code fields when they are left.
class DtmfSettingsPage : public QWidget {
    Q_OBJECT

public:
    DtmfSettingsPage(DtmfRules& rules, Notifier& notifier, QWidget* parent);

    // Stores field (when it is one of this page's code fields) as leaving it would; false when
    // refused: the message has been shown and the field, refilled, keeps the focus.
    bool CommitField(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kSpins = 8, kLists = 6, kBoxes = 5;
    void Refresh();
    NumberSpinField* MakeSpin(DtmfRules::Spin spin);
    CellList* MakeList(DtmfRules::List list);
    QCheckBox* MakeBox(DtmfRules::Box box);

    DtmfRules& m_rules;
    Notifier& m_notifier;
    std::array<NumberSpinField*, kSpins> m_spins{};
    std::array<CellList*, kLists> m_lists{};
    std::array<QCheckBox*, kBoxes> m_boxes{};
    CodeEdit* m_beginCode;
    CodeEdit* m_endCode;
    CodeEdit* m_idCode;
    CodeEdit* m_stunCode;
    // While a refusal is shown the field's further focus changes are not leavings.
    bool m_refusing = false;
};

} // namespace rpx::gui
