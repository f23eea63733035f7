#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/editor/channel_flags.h"
#include "core/editor/channel_record.h"

namespace rpx {

// The cells of a grid row, left to right.
enum class GridColumn { Rx, Tx, Decode, Encode, Power, WideNarrow, Scan, Option };
inline constexpr std::array<GridColumn, 8> kGridColumns = {
    GridColumn::Rx,    GridColumn::Tx,         GridColumn::Decode, GridColumn::Encode,
    GridColumn::Power, GridColumn::WideNarrow, GridColumn::Scan,   GridColumn::Option,
};

// The flag a drop-down column edits; nothing for the frequency and tone columns.
std::optional<ChannelFlag> FlagOfColumn(GridColumn column);

// The commands a grid row offers from the keyboard; Details is the row's ">>" button.
enum class RowCommand { Delete, Insert, CopyChannel, TxFrequency, EncodeTone, GroupCopy, Details };

// What committing a frequency cell did.
struct FrequencyCommit {
    bool stored = false; // the text was converted into the image (false: cell not editable or reserved row)
    bool warned = false; // the out-of-band warning was shown
};

// The channel grid as the image sees it: eight rows, row n showing channel n, rows 1..4 group 1 and
// 5..8 group 2. The window and the command line both drive it; every edit writes the session's image
// at once and re-deriving texts and cell states from the image is always enough to show the grid.
// Row numbers outside 1..8 throw std::out_of_range. Edits are refused (false) where the grid would
// not let the user make them: on a hidden, disabled or reserved cell, and while another edit of this
// editor is still running (a message box of one edit may let the window start another).
class ChannelGridEditor {
public:
    static constexpr int kRowCount = 8;

    ChannelGridEditor(Session& session, Notifier& notifier);

    // The choices of the tone drop-downs (BuildToneList).
    const std::vector<std::string>& ToneList() const { return m_toneList; }

    // Group-2 rows exist only on the extended variants.
    bool IsRowVisible(int row) const;
    // Group 2 can be edited only while a programmable key (0x244 or 0x245) holds function code 11.
    bool IsGroup2Enabled() const;
    // Visible, and in group 2 enabled.
    bool IsRowUsable(int row) const;
    // A row of group 1 kept for the trunking board: its RX cell is read-only, its other cells disabled.
    bool IsReservedRow(int row) const;
    // RX is enabled on every usable row; the other cells need a programmed channel, encode also a TX
    // frequency; on a reserved row only RX is enabled.
    bool IsCellEnabled(int row, GridColumn column) const;
    // What the cell shows: empty for the cells of an empty channel, for encode without TX frequency and
    // for the non-RX cells of a reserved row, whose RX cell shows text 3019155.
    std::string CellText(int row, GridColumn column) const;

    // A frequency cell left after editing: converted, stored, then the out-of-band warning (only when the
    // user had changed the text, modified), the channel reference checks and the trunking rule.
    FrequencyCommit CommitRxCell(int row, std::string_view text, bool modified);
    FrequencyCommit CommitTxCell(int row, std::string_view text, bool modified);
    // A tone cell left after typing: Direction::Rx is the decode cell, Direction::Tx the encode cell.
    bool CommitToneCell(int row, Direction direction, std::string_view typedText);
    // A tone drop-down item chosen; itemText must be one of ToneList().
    bool SelectTone(int row, Direction direction, std::string_view itemText);
    // A flag drop-down item chosen: item 1 sets the field, item 0 clears it.
    bool SelectFlag(int row, GridColumn column, int item);

    // Whether the command can act on the row now; one that cannot does nothing, without a message.
    // Every command needs a usable row, and all but Details one not kept for trunking. Delete: always.
    // Insert: room in the group (see InsertChannel). CopyChannel: a programmed row. TxFrequency: an RX
    // frequency. EncodeTone: RX and TX frequencies. GroupCopy: no trunking port mode, group 2 usable
    // and a programmed channel in the row's group.
    bool Offers(RowCommand command, int row) const;
    // The ">>" button opens the trunking channel dialog instead of the channel detail dialog while the
    // port is in trunking mode (0x258 = 3) with at least one trunking group (0x0DA).
    bool OpensTrunkingChannelDialog() const;

    // Removes the row's channel; the channels below it in the group move up and the group's last row
    // becomes empty.
    bool DeleteChannel(int row);
    // Makes room at the row: it and the channels below it in the group move down; refused when the
    // group's last row holds a channel or the row is the last one.
    bool InsertChannel(int row);
    // Copying is offered only on a programmed, usable, unreserved row.
    bool CanCopyFrom(int row) const;
    // All 16 bytes of row from onto row to.
    bool CopyChannel(int from, int to);
    // The four records of the row's group onto the other group, empty ones included.
    bool CopyGroup(int row);

    // Trunking needs bit 6 of 0x3C6: without it a trunking port mode (0x258 = 3) is taken back to 0, the
    // session leaves trunking mode and 0x250..0x252 become 0xFF. Run after the image came from elsewhere.
    void RefreshTrunkingRows();

private:
    class BusyScope;

    static void CheckRow(int row);
    FrequencyCommit CommitFrequencyCell(int row, Direction direction, std::string_view text, bool modified);
    bool WarnIfOutOfBand(bool outOfBand, bool modified);
    void CheckChannelReferences(int row);

    Session& m_session;
    Notifier& m_notifier;
    std::vector<std::string> m_toneList;
    bool m_busy = false;
};

} // namespace rpx
