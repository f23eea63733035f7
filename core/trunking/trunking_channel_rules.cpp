#include "core/trunking/trunking_channel_rules.h"

#include <algorithm>
#include <stdexcept>

#include "core/editor/channel_flags.h"
#include "core/editor/channel_table.h"
#include "core/editor/frequency_text.h"
#include "core/editor/tone_list.h"
#include "core/editor/tone_text.h"
#include "core/radio/image_layout.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kTitle = 3019013;
constexpr TextId kGroupText = 3019157;
constexpr TextId kOutOfBand = 3003043;
// Beat shift has no list of its own elsewhere: off, then on.
constexpr TextId kBeatShiftItems[] = {1001015, 1001011};
constexpr std::size_t kGroupSize = 0x100;

int Checked(int value, int highest, const char* what) {
    if (value < 1 || value > highest)
        throw std::out_of_range(what);
    return value;
}

Direction ToneDirection(TrunkingList list) {
    return list == TrunkingList::Decode ? Direction::Rx : Direction::Tx;
}
bool IsTone(TrunkingList list) {
    return list == TrunkingList::Decode || list == TrunkingList::Encode;
}

} // namespace

bool TrunkingChannelRules::Opens(const RadioImage& image, int row) {
    return image.Byte(layout::kPortMode) == layout::kTrunkingPortMode && row >= 1 &&
           row <= std::min<int>(image.Byte(layout::kTrunkingGroups), kGroups);
}

std::size_t TrunkingChannelRules::RecordOffset(int group, int channel) {
    return layout::kUpperMemory +
           kGroupSize * static_cast<std::size_t>(Checked(group, kGroups, "trunking group") - 1) +
           layout::kRecordSize *
               static_cast<std::size_t>(Checked(channel, kChannels, "trunking channel") - 1);
}

TrunkingChannelRules::TrunkingChannelRules(Session& session, Notifier& notifier, int group)
    : m_session(session), m_notifier(notifier), m_group(Checked(group, kGroups, "trunking group")),
      m_edit(session.image, session.snapshot), m_tones(BuildToneList(notifier.Texts())) {}

std::string TrunkingChannelRules::Title() const {
    return m_notifier.Text(kTitle) + " - " + m_notifier.Text(kGroupText) + " " + std::to_string(m_group);
}

std::string TrunkingChannelRules::FrequencyText(int channel, Direction direction) const {
    return FormatFrequency(m_session.image, At(channel), direction);
}

void TrunkingChannelRules::CommitFrequency(int channel, Direction direction, std::string_view text,
                                           bool modified) {
    if (text.empty()) {
        direction == Direction::Rx ? EraseRxFrequency(m_session.image, At(channel))
                                   : EraseTxFrequency(m_session.image, At(channel));
        return;
    }
    if (StoreFrequency(m_session.image, At(channel), direction, text).outOfBand && modified)
        m_notifier.Show(kOutOfBand, txt::kCaptionWarning, MessageButtons::Ok, MessageIcon::Exclamation);
}

std::vector<std::string> TrunkingChannelRules::ListItems(TrunkingList list) const {
    if (IsTone(list))
        return m_tones;
    if (list == TrunkingList::BeatShift)
        return {m_notifier.Text(kBeatShiftItems[0]), m_notifier.Text(kBeatShiftItems[1])};
    const FlagItemTexts items =
        FlagItems(list == TrunkingList::Power ? ChannelFlag::Power : ChannelFlag::WideNarrow);
    return {m_notifier.Text(items.clear), m_notifier.Text(items.set)};
}

std::string TrunkingChannelRules::ListText(int channel, TrunkingList list) const {
    if (IsTone(list))
        return FormatTone(m_session.image, At(channel), ToneDirection(list), m_notifier.Texts());
    return ListItems(list).at(static_cast<std::size_t>(ListSelection(channel, list)));
}

int TrunkingChannelRules::ListSelection(int channel, TrunkingList list) const {
    const ConstChannelRecord record(m_session.image, At(channel));
    switch (list) {
    case TrunkingList::Power:
        return record.HighPower() ? 1 : 0;
    case TrunkingList::WideNarrow:
        return record.Wide() ? 1 : 0;
    case TrunkingList::BeatShift:
        return record.BeatShift() ? 1 : 0;
    default:
        break;
    }
    const auto item = std::ranges::find(m_tones, ListText(channel, list));
    return item == m_tones.end() ? -1 : static_cast<int>(item - m_tones.begin());
}

void TrunkingChannelRules::SelectItem(int channel, TrunkingList list, int item) {
    ChannelRecord record(m_session.image, At(channel));
    const bool second = item == 1;
    switch (list) {
    case TrunkingList::Power:
        record.SetHighPower(second);
        break;
    case TrunkingList::WideNarrow:
        record.SetWide(second);
        break;
    case TrunkingList::BeatShift:
        record.SetBeatShift(second);
        break;
    default:
        if (item >= 0 && item < static_cast<int>(m_tones.size()))
            record.SetTone(ToneDirection(list),
                           ToneCode::FromItemText(m_tones[static_cast<std::size_t>(item)]));
    }
}

} // namespace rpx
