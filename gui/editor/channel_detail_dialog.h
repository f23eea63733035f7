#pragma once

#include <QCheckBox>
#include <QDialog>

#include <array>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/editor/channel_detail_rules.h"
#include "gui/editor/cell_list.h"
#include "gui/editor/frequency_edit.h"

namespace rpx::gui {

// The ">>" dialog of a grid row: every field of its channel, the ones without a grid column too.
// Each change goes into the image at once; Cancel puts every byte back. The caller opens the rules
// (Open()) before constructing it.
class ChannelDetailDialog : public QDialog {
    Q_OBJECT

public:
    // The dialog's own context: 0x20000 plus its resource number 169.
    static constexpr int kHelpContext = 0x200A9;

    ChannelDetailDialog(ChannelDetailRules& rules, const LanguageTable& texts, QWidget* parent);

    void accept() override;
    // Cancel, Escape and closing the window.
    void reject() override;

protected:
    bool focusNextPrevChild(bool next) override;

private:
    static constexpr std::size_t kListCount = 7;
    static constexpr std::size_t kBoxCount = 5;

    CellList& List(DetailList list) const { return *m_lists[static_cast<std::size_t>(list)]; }
    // Every cell, list and box as the rules derive them from the image.
    void Refresh();
    void CommitFrequency(FrequencyEdit& edit, Direction direction);
    void CommitTypedTone(DetailList list);

    ChannelDetailRules& m_rules;
    FrequencyEdit* m_rx;
    FrequencyEdit* m_tx;
    std::array<CellList*, kListCount> m_lists{};
    std::array<QCheckBox*, kBoxCount> m_boxes{};
};

// Opens the dialog of row 1..8 over parent and returns once it is closed: true after OK. Does
// nothing (false) on a row whose ">>" does not open it. The caller refreshes the grid.
bool RunChannelDetailDialog(Session& session, Notifier& notifier, int row, QWidget* parent);

} // namespace rpx::gui
