#include "core/editor/channel_detail_rules.h"

#include <algorithm>

#include "core/editor/channel_references.h"
#include "core/editor/channel_table.h"
#include "core/radio/image_layout.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kTitle = 3002059;
constexpr TextId kGroup1 = 1001075;
constexpr TextId kGroup2 = 1001077;
constexpr TextId kFirstChannelOfGroup = 3013039; // then 3013041, 3013043, 3013045
constexpr TextId kCarrier = 3013029;
constexpr TextId kTone = 3013025;
constexpr TextId kOptionSignalling = 3013023;
constexpr TextId kToneAndOption = 3013027;
constexpr TextId kCarrierAndOption = 3013031;
constexpr TextId kNarrow = 1001031;
constexpr TextId kWide = 1001029;
constexpr TextId kPttIds[] = {txt::kSwitchedOff, 3013033, 3013035, 3013037};
constexpr unsigned kScramblerCodes = 16;

enum Lockout : unsigned { kLockoutOff, kLockoutCarrier, kLockoutTone, kLockoutOption };

Direction ToneDirection(DetailList list) {
    return list == DetailList::Decode ? Direction::Rx : Direction::Tx;
}

GridColumn ToneColumn(Direction direction) {
    return direction == Direction::Rx ? GridColumn::Decode : GridColumn::Encode;
}

} // namespace

ChannelDetailRules::ChannelDetailRules(Session& session, Notifier& notifier, int row)
    : m_session(session), m_notifier(notifier), m_grid(session, notifier), m_row(row) {
    Record(); // checks the row
}

bool ChannelDetailRules::Opens() const {
    const RadioImage& image = m_session.image;
    const bool trunkingDialog = image.Byte(layout::kPortMode) == layout::kTrunkingPortMode &&
                                image.Byte(layout::kTrunkingGroups) >= 1;
    return m_grid.IsRowUsable(m_row) && !trunkingDialog;
}

void ChannelDetailRules::Open() {
    m_edit.emplace(m_session.image, m_session.snapshot);
    ChannelRecord record = Record();
    const unsigned lockout = record.BusyLockout();
    if ((lockout == kLockoutOption && !record.OptionSignalling()) ||
        (lockout == kLockoutTone && !HasRxTone()))
        record.SetBusyLockout(kLockoutCarrier);
}

std::string ChannelDetailRules::Title() const {
    std::string title = m_notifier.Text(kTitle) + " -";
    if (m_grid.IsGroup2Enabled())
        title += m_notifier.Text(m_row <= kRowsPerGroup ? kGroup1 : kGroup2) + " ";
    const int inGroup = (m_row - 1) % kRowsPerGroup;
    return title + m_notifier.Text(kFirstChannelOfGroup + static_cast<TextId>(2 * inGroup)) + "-";
}

bool ChannelDetailRules::HasRxTone() const {
    return !Record().Tone(Direction::Rx).IsNone();
}

unsigned ChannelDetailRules::ShownLockout() const {
    const unsigned stored = Record().BusyLockout();
    if ((stored == kLockoutTone && !HasRxTone()) ||
        (stored == kLockoutOption && !Record().OptionSignalling()))
        return kLockoutCarrier;
    return stored;
}

bool ChannelDetailRules::IsFrequencyEnabled(Direction direction) const {
    return m_grid.IsCellEnabled(m_row, direction == Direction::Rx ? GridColumn::Rx : GridColumn::Tx);
}

bool ChannelDetailRules::IsListEnabled(DetailList list) const {
    switch (list) {
    case DetailList::Decode:
    case DetailList::Encode:
        return m_grid.IsCellEnabled(m_row, ToneColumn(ToneDirection(list)));
    case DetailList::ScramblerCode:
        return Record().IsProgrammed() && Record().Scrambler();
    default:
        return Record().IsProgrammed();
    }
}

bool ChannelDetailRules::IsBoxEnabled(DetailBox) const {
    return Record().IsProgrammed();
}

std::string ChannelDetailRules::FrequencyText(Direction direction) const {
    return m_grid.CellText(m_row, direction == Direction::Rx ? GridColumn::Rx : GridColumn::Tx);
}

std::vector<std::string> ChannelDetailRules::ListItems(DetailList list) const {
    std::vector<TextId> ids;
    switch (list) {
    case DetailList::Decode:
    case DetailList::Encode:
        return m_grid.ToneList();
    case DetailList::ScramblerCode: {
        std::vector<std::string> codes;
        for (unsigned code = 1; code <= kScramblerCodes; ++code)
            codes.push_back(std::to_string(code));
        return codes;
    }
    case DetailList::Unmute:
        ids = {HasRxTone() ? kTone : kCarrier};
        if (Record().OptionSignalling())
            ids.push_back(HasRxTone() ? kToneAndOption : kCarrierAndOption);
        break;
    case DetailList::Lockout:
        ids = {txt::kSwitchedOff, kCarrier};
        if (HasRxTone())
            ids.push_back(kTone);
        if (Record().OptionSignalling())
            ids.push_back(kOptionSignalling);
        break;
    case DetailList::Bandwidth:
        ids = {kNarrow, kWide};
        break;
    case DetailList::PttId:
        ids.assign(std::begin(kPttIds), std::end(kPttIds));
        break;
    }
    std::vector<std::string> items;
    for (TextId id : ids)
        items.push_back(m_notifier.Text(id));
    return items;
}

int ChannelDetailRules::ListSelection(DetailList list) const {
    const ConstChannelRecord record = Record();
    switch (list) {
    case DetailList::Decode:
    case DetailList::Encode: {
        const std::vector<std::string>& tones = m_grid.ToneList();
        const auto it = std::find(tones.begin(), tones.end(), ListText(list));
        return it == tones.end() ? -1 : static_cast<int>(it - tones.begin());
    }
    case DetailList::Unmute:
        return record.OptionSignalling() && record.UnmuteRule() != 0 ? 1 : 0;
    case DetailList::Lockout: {
        const unsigned shown = ShownLockout();
        // Without an RX tone the option-signalling item takes the tone item's place.
        return static_cast<int>(shown == kLockoutOption && !HasRxTone() ? kLockoutTone : shown);
    }
    case DetailList::Bandwidth:
        return record.Wide() ? 1 : 0;
    case DetailList::PttId:
        return static_cast<int>(record.PttId());
    case DetailList::ScramblerCode:
        return static_cast<int>(record.ScramblerCode()) - 1;
    }
    return -1;
}

std::string ChannelDetailRules::ListText(DetailList list) const {
    if (list == DetailList::Decode || list == DetailList::Encode)
        return m_grid.CellText(m_row, ToneColumn(ToneDirection(list)));
    const std::vector<std::string> items = ListItems(list);
    const int item = ListSelection(list);
    return item >= 0 && item < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(item)]
                                                              : std::string();
}

bool ChannelDetailRules::IsBoxChecked(DetailBox box) const {
    switch (box) {
    case DetailBox::HighPower:
        return FlagValue(m_session.image, m_row, ChannelFlag::Power);
    case DetailBox::ScanAdd:
        return FlagValue(m_session.image, m_row, ChannelFlag::Scan);
    case DetailBox::OptionSignalling:
        return FlagValue(m_session.image, m_row, ChannelFlag::Option);
    case DetailBox::BeatShift:
        return Record().BeatShift();
    case DetailBox::VoiceScrambler:
        return Record().Scrambler();
    }
    return false;
}

FrequencyCommit ChannelDetailRules::CommitFrequency(Direction direction, std::string_view text,
                                                    bool modified) {
    if (!m_edit)
        return {};
    return direction == Direction::Rx ? m_grid.CommitRxCell(m_row, text, modified)
                                      : m_grid.CommitTxCell(m_row, text, modified);
}

bool ChannelDetailRules::SelectItem(DetailList list, int item) {
    const std::vector<std::string> items = ListItems(list);
    if (!m_edit || !IsListEnabled(list) || item < 0 || item >= static_cast<int>(items.size()))
        return false;
    const unsigned value = static_cast<unsigned>(item);
    ChannelRecord record = Record();
    switch (list) {
    case DetailList::Decode:
    case DetailList::Encode: {
        const std::string& tone = items[value];
        const Direction direction = ToneDirection(list);
        return m_grid.SelectTone(m_row, direction, tone) && m_grid.CommitToneCell(m_row, direction, tone);
    }
    case DetailList::Unmute:
        if (record.OptionSignalling())
            record.SetUnmuteRule(value);
        break;
    case DetailList::Lockout:
        // Without an RX tone the third item is option signalling.
        record.SetBusyLockout(value == kLockoutTone && !HasRxTone() ? kLockoutOption : value);
        break;
    case DetailList::Bandwidth:
        return m_grid.SelectFlag(m_row, GridColumn::WideNarrow, item);
    case DetailList::PttId:
        record.SetPttId(value);
        break;
    case DetailList::ScramblerCode:
        record.SetScramblerCode(value + 1);
        break;
    }
    return true;
}

bool ChannelDetailRules::CommitTypedTone(Direction direction, std::string_view text) {
    return m_edit && m_grid.CommitToneCell(m_row, direction, text);
}

bool ChannelDetailRules::SetBox(DetailBox box, bool checked) {
    if (!m_edit || !IsBoxEnabled(box))
        return false;
    ChannelRecord record = Record();
    switch (box) {
    case DetailBox::HighPower:
        return m_grid.SelectFlag(m_row, GridColumn::Power, checked ? 1 : 0);
    case DetailBox::ScanAdd:
        return m_grid.SelectFlag(m_row, GridColumn::Scan, checked ? 1 : 0);
    case DetailBox::OptionSignalling:
        m_grid.SelectFlag(m_row, GridColumn::Option, checked ? 1 : 0);
        // A tone lockout without a tone to lock on becomes the option-signalling lockout.
        if (checked && record.BusyLockout() == kLockoutTone && !HasRxTone())
            record.SetBusyLockout(kLockoutOption);
        break;
    case DetailBox::BeatShift:
        record.SetBeatShift(checked);
        break;
    case DetailBox::VoiceScrambler:
        record.SetScrambler(checked);
        break;
    }
    return true;
}

void ChannelDetailRules::Ok() {
    if (!m_edit)
        return;
    ChannelRecord record = Record();
    if (!record.OptionSignalling())
        record.SetUnmuteRule(0);
    if (!record.IsProgrammed())
        CheckChannelReferences(m_session.image, m_notifier, m_row);
    m_edit->Commit();
    m_edit.reset();
}

void ChannelDetailRules::Cancel() {
    m_edit.reset();
}

} // namespace rpx
