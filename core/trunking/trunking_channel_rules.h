#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/editor/channel_record.h"
#include "core/radio/scoped_image_edit.h"

namespace rpx {

// The list columns of the trunking channel dialog, in its order.
enum class TrunkingList { Decode, Encode, Power, WideNarrow, BeatShift };

// The trunking channel dialog: the sixteen channels of one trunking group, each a channel record in
// the radio's upper memory, edited with the channel grid's conversions. Every cell writes its field
// when it is left; rules destroyed without Ok() put every byte back.
class TrunkingChannelRules {
public:
    static constexpr int kChannels = 16;
    static constexpr int kGroups = 4;

    // Whether row's ">>" opens this dialog (for group row): the port is in trunking mode and the row
    // is one of the trunking groups (byte 0x0DA).
    static bool Opens(const RadioImage& image, int row);
    // The image offset of channel (1..16) of group (1..4); std::out_of_range outside them.
    static std::size_t RecordOffset(int group, int channel);

    // group 1..4 (std::out_of_range otherwise). Takes the image snapshot.
    TrunkingChannelRules(Session& session, Notifier& notifier, int group);

    // "SmarTrunk - Group 1"
    std::string Title() const;
    int Group() const { return m_group; }

    // What a cell shows: the frequency as the grid shows it, empty when not set.
    std::string FrequencyText(int channel, Direction direction) const;
    // A frequency cell left: an empty text erases the frequency (RX: the whole channel). Shows the
    // grid's out-of-band warning when modified text lay outside the band.
    void CommitFrequency(int channel, Direction direction, std::string_view text, bool modified);

    std::vector<std::string> ListItems(TrunkingList list) const;
    std::string ListText(int channel, TrunkingList list) const;
    // The item the cell shows; -1 for a tone that is not one of the items.
    int ListSelection(int channel, TrunkingList list) const;
    void SelectItem(int channel, TrunkingList list, int item);

    // OK: the edit is kept.
    void Ok() { m_edit.Commit(); }

private:
    RecordAt At(int channel) const { return {RecordOffset(m_group, channel)}; }

    Session& m_session;
    Notifier& m_notifier;
    int m_group;
    ScopedImageEdit m_edit;
    std::vector<std::string> m_tones;
};

} // namespace rpx
