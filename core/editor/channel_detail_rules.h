#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/editor/channel_grid_editor.h"
#include "core/editor/channel_record.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// The list cells of the channel detail dialog, in the order the dialog numbers them.
enum class DetailList { Unmute, Lockout, Bandwidth, PttId, Decode, Encode, ScramblerCode };
// Its check boxes.
enum class DetailBox { HighPower, ScanAdd, OptionSignalling, BeatShift, VoiceScrambler };

// What the channel detail dialog does to one channel of the image: every field of the record as
// texts, list items and check marks, every store the user can make, OK and Cancel. Frequencies and
// tones are committed through the grid's own editor, so they follow the grid's rules. The window and
// the command line only show what it derives and forward the user's choices.
//
// The voice-scrambler box can be used on a programmed channel like the other boxes; the scrambler
// code only while the voice scrambler is on, since the code means nothing without it.
class ChannelDetailRules {
public:
    // row 1..8 (std::out_of_range otherwise).
    ChannelDetailRules(Session& session, Notifier& notifier, int row);

    // Whether the row's ">>" opens this dialog: a usable row while the trunking option (0x258 = 3) has
    // no trunking group (0x0DA = 0); with one, the trunking channel dialog stands in its place.
    bool Opens() const;

    // Starts the dialog's edit of the image, then writes the busy-channel-lockout correction: option
    // signalling (3) without option signalling, or tone (2) without an RX tone, becomes carrier (1).
    // The edit ends with Ok() or Cancel(); rules destroyed before either put every byte back.
    void Open();

    int Row() const { return m_row; }
    // "Channel Details -Group 1 Channel 2-": the group only while group 2 can be used.
    std::string Title() const;

    // RX is always enabled; TX and every other field need a programmed channel, encode also a TX
    // frequency, the scrambler code the voice scrambler.
    bool IsFrequencyEnabled(Direction direction) const;
    bool IsListEnabled(DetailList list) const;
    bool IsBoxEnabled(DetailBox box) const;

    // What the cell shows: empty for a disabled TX, decode or encode cell.
    std::string FrequencyText(Direction direction) const;
    std::string ListText(DetailList list) const;
    // The list's items; the unmute and lockout items depend on the RX tone and option signalling.
    std::vector<std::string> ListItems(DetailList list) const;
    // The item the cell shows, -1 for a tone that is not one of the items.
    int ListSelection(DetailList list) const;
    bool IsBoxChecked(DetailBox box) const;

    // The stores below change nothing (false, or nothing stored) unless the dialog is open: after OK or
    // Cancel a late edit would escape the undo.

    // A frequency cell left after editing, as the grid commits it (out-of-band warning when modified).
    FrequencyCommit CommitFrequency(Direction direction, std::string_view text, bool modified);
    // An item chosen from a list; false when the cell is disabled or there is no such item. A tone
    // item is stored as the grid's tone cells store a choice and then leave the cell.
    bool SelectItem(DetailList list, int item);
    // A tone typed into the decode or encode list, committed as the grid's tone cells commit it.
    bool CommitTypedTone(Direction direction, std::string_view text);
    // A check box clicked; false when it is disabled.
    bool SetBox(DetailBox box, bool checked);

    // Without option signalling the unmute rule is cleared; an empty channel then releases the
    // settings that name it (emergency channel, data channel), telling the user. Keeps the edit.
    void Ok();
    // Every byte back as it was when the dialog opened.
    void Cancel();

private:
    ConstChannelRecord Record() const { return ConstChannelRecord(m_session.image, m_row); }
    ChannelRecord Record() { return ChannelRecord(m_session.image, m_row); }
    bool HasRxTone() const;
    // The lockout item the stored value shows as: 0 off, 1 carrier, 2 tone (with an RX tone), 3 option
    // signalling (while it is on).
    unsigned ShownLockout() const;

    Session& m_session;
    Notifier& m_notifier;
    ChannelGridEditor m_grid;
    int m_row;
    std::optional<ScopedImageEdit> m_edit;
};

} // namespace rpx
