#pragma once

#include <QDialog>

#include <array>
#include <map>

#include "core/trunking/trunking_channel_rules.h"
#include "gui/editor/cell_list.h"
#include "gui/editor/frequency_edit.h"

namespace rpx::gui {

// The sixteen channels of one trunking group: frequency fields and drop-down lists per channel,
// each writing its record field when it is left. Cancel puts every byte back.
class TrunkingChannelDialog : public QDialog {
    Q_OBJECT

public:
    // The dialog's own context: 0x20000 plus its resource number 227.
    static constexpr int kHelpContext = 0x200E3;
    static constexpr TrunkingList kLists[] = {TrunkingList::Decode, TrunkingList::Encode, TrunkingList::Power,
                                              TrunkingList::WideNarrow, TrunkingList::BeatShift};

    TrunkingChannelDialog(TrunkingChannelRules& rules, const LanguageTable& texts, QWidget* parent);

    void accept() override;

    FrequencyEdit* Frequency(int channel, Direction direction) const {
        return m_rows[channel - 1].frequencies[direction == Direction::Rx ? 0 : 1];
    }
    CellList* List(int channel, TrunkingList list) const { return m_rows[channel - 1].lists.at(list); }

private:
    struct Row {
        std::array<FrequencyEdit*, 2> frequencies;
        std::map<TrunkingList, CellList*> lists;
    };
    void ShowRow(int channel);

    TrunkingChannelRules& m_rules;
    std::array<Row, TrunkingChannelRules::kChannels> m_rows;
};

// Opens the dialog for the trunking group of row when the row's ">>" belongs to one; true after OK.
bool RunTrunkingChannelDialog(Session& session, Notifier& notifier, int row, QWidget* parent);

} // namespace rpx::gui
