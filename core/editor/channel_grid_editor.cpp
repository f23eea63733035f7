#include "core/editor/channel_grid_editor.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "core/editor/channel_flags.h"
#include "core/editor/channel_references.h"
#include "core/editor/channel_table.h"
#include "core/editor/frequency_text.h"
#include "core/editor/tone_list.h"
#include "core/editor/tone_text.h"
#include "core/editor/trunking_rows.h"
#include "core/radio/image_layout.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kTrunkedChannel = 3019155;
constexpr TextId kOutOfBand = 3003043;
constexpr uint8_t kGroup2KeyFunction = 11;
constexpr std::size_t kTrunkingDataChannels = 3; // 0x250..0x252

GridColumn ToneColumn(Direction direction) {
    return direction == Direction::Rx ? GridColumn::Decode : GridColumn::Encode;
}

} // namespace

std::optional<ChannelFlag> FlagOfColumn(GridColumn column) {
    switch (column) {
    case GridColumn::Power:
        return ChannelFlag::Power;
    case GridColumn::WideNarrow:
        return ChannelFlag::WideNarrow;
    case GridColumn::Scan:
        return ChannelFlag::Scan;
    case GridColumn::Option:
        return ChannelFlag::Option;
    default:
        return std::nullopt;
    }
}

// Marks an edit as running for as long as it lives.
class ChannelGridEditor::BusyScope {
public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_busy;
};

ChannelGridEditor::ChannelGridEditor(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier), m_toneList(BuildToneList(notifier.Texts())) {}

void ChannelGridEditor::CheckRow(int row) {
    if (row < 1 || row > kRowCount)
        throw std::out_of_range("grid row outside 1..8");
}

bool ChannelGridEditor::IsRowVisible(int row) const {
    CheckRow(row);
    return row <= kRowsPerGroup || m_session.image.IsExtendedVariant();
}

bool ChannelGridEditor::IsGroup2Enabled() const {
    const RadioImage& image = m_session.image;
    return image.IsExtendedVariant() && (image.Byte(layout::kProgrammableKey1) == kGroup2KeyFunction ||
                                         image.Byte(layout::kProgrammableKey2) == kGroup2KeyFunction);
}

bool ChannelGridEditor::IsRowUsable(int row) const {
    return IsRowVisible(row) && (row <= kRowsPerGroup || IsGroup2Enabled());
}

bool ChannelGridEditor::IsReservedRow(int row) const {
    CheckRow(row);
    return rpx::IsReservedRow(m_session.image, row);
}

bool ChannelGridEditor::IsCellEnabled(int row, GridColumn column) const {
    if (!IsRowUsable(row))
        return false;
    if (column == GridColumn::Rx)
        return true;
    const ConstChannelRecord record(m_session.image, row);
    if (IsReservedRow(row) || !record.IsProgrammed())
        return false;
    return column != GridColumn::Encode || record.HasFrequency(Direction::Tx);
}

std::string ChannelGridEditor::CellText(int row, GridColumn column) const {
    CheckRow(row);
    const RadioImage& image = m_session.image;
    if (IsReservedRow(row))
        return column == GridColumn::Rx ? m_notifier.Text(kTrunkedChannel) : std::string();
    if (column == GridColumn::Rx)
        return FormatFrequency(image, row, Direction::Rx);
    const ConstChannelRecord record(image, row);
    if (!record.IsProgrammed())
        return {};
    switch (column) {
    case GridColumn::Tx:
        return FormatFrequency(image, row, Direction::Tx);
    case GridColumn::Decode:
        return FormatTone(image, row, Direction::Rx, m_notifier.Texts());
    case GridColumn::Encode:
        return record.HasFrequency(Direction::Tx) ? FormatTone(image, row, Direction::Tx, m_notifier.Texts())
                                                  : std::string();
    default:
        return m_notifier.Text(FlagText(image, row, *FlagOfColumn(column)));
    }
}

bool ChannelGridEditor::WarnIfOutOfBand(bool outOfBand, bool modified) {
    if (!outOfBand || !modified)
        return false;
    m_notifier.Show(kOutOfBand, txt::kCaptionWarning, MessageButtons::Ok, MessageIcon::Exclamation);
    return true;
}

void ChannelGridEditor::CheckChannelReferences(int row) {
    rpx::CheckChannelReferences(m_session.image, m_notifier, row);
}

FrequencyCommit ChannelGridEditor::CommitFrequencyCell(int row, Direction direction, std::string_view text,
                                                       bool modified) {
    const GridColumn column = direction == Direction::Rx ? GridColumn::Rx : GridColumn::Tx;
    if (m_busy || !IsCellEnabled(row, column))
        return {};
    BusyScope busy(m_busy);
    RadioImage& image = m_session.image;
    const std::optional<FrequencyEntry> entry =
        direction == Direction::Rx ? ParseRxFrequency(image, row, text) : ParseTxFrequency(image, row, text);
    FrequencyCommit commit;
    if (entry) {
        commit.stored = true;
        commit.warned = WarnIfOutOfBand(entry->outOfBand, modified);
    }
    CheckChannelReferences(row);
    RefreshTrunkingRows();
    return commit;
}

FrequencyCommit ChannelGridEditor::CommitRxCell(int row, std::string_view text, bool modified) {
    return CommitFrequencyCell(row, Direction::Rx, text, modified);
}

FrequencyCommit ChannelGridEditor::CommitTxCell(int row, std::string_view text, bool modified) {
    return CommitFrequencyCell(row, Direction::Tx, text, modified);
}

bool ChannelGridEditor::CommitToneCell(int row, Direction direction, std::string_view typedText) {
    if (m_busy || !IsCellEnabled(row, ToneColumn(direction)))
        return false;
    ParseToneText(m_session.image, row, direction, typedText);
    return true;
}

bool ChannelGridEditor::SelectTone(int row, Direction direction, std::string_view itemText) {
    if (m_busy || !IsCellEnabled(row, ToneColumn(direction)) ||
        std::find(m_toneList.begin(), m_toneList.end(), itemText) == m_toneList.end())
        return false;
    ParseToneSelection(m_session.image, row, direction, itemText);
    return true;
}

bool ChannelGridEditor::SelectFlag(int row, GridColumn column, int item) {
    const std::optional<ChannelFlag> flag = FlagOfColumn(column);
    if (m_busy || !flag || (item != 0 && item != 1) || !IsCellEnabled(row, column))
        return false;
    SetFlag(m_session.image, row, *flag, item == 1);
    return true;
}

bool ChannelGridEditor::DeleteChannel(int row) {
    if (m_busy || !Offers(RowCommand::Delete, row))
        return false;
    BusyScope busy(m_busy);
    const int last = LastRowOfGroup(row);
    for (int r = row; r < last; ++r)
        CopyRecord(m_session.image, r + 1, r);
    ClearChannel(m_session.image, last);
    RefreshTrunkingRows();
    CheckChannelReferences(row);
    return true;
}

bool ChannelGridEditor::InsertChannel(int row) {
    if (m_busy || !Offers(RowCommand::Insert, row))
        return false;
    BusyScope busy(m_busy);
    const int last = LastRowOfGroup(row);
    for (int r = last - 1; r >= row; --r)
        CopyRecord(m_session.image, r, r + 1);
    ClearChannel(m_session.image, row);
    RefreshTrunkingRows();
    CheckChannelReferences(row);
    return true;
}

bool ChannelGridEditor::Offers(RowCommand command, int row) const {
    if (!IsRowUsable(row))
        return false;
    if (command == RowCommand::Details)
        return true;
    if (IsReservedRow(row))
        return false;
    const RadioImage& image = m_session.image;
    const ConstChannelRecord record(image, row);
    switch (command) {
    case RowCommand::Insert:
        return row != LastRowOfGroup(row) && !ConstChannelRecord(image, LastRowOfGroup(row)).IsProgrammed();
    case RowCommand::CopyChannel:
    case RowCommand::TxFrequency:
        return record.IsProgrammed();
    case RowCommand::EncodeTone:
        return record.IsProgrammed() && record.HasFrequency(Direction::Tx);
    case RowCommand::GroupCopy: {
        const int first = LastRowOfGroup(row) - kRowsPerGroup + 1;
        bool programmed = false;
        for (int r = first; r < first + kRowsPerGroup; ++r)
            programmed = programmed || ConstChannelRecord(image, r).IsProgrammed();
        return programmed && IsGroup2Enabled() && image.Byte(layout::kPortMode) != layout::kTrunkingPortMode;
    }
    default:
        return true;
    }
}

bool ChannelGridEditor::OpensTrunkingChannelDialog() const {
    const RadioImage& image = m_session.image;
    return image.Byte(layout::kPortMode) == layout::kTrunkingPortMode &&
           image.Byte(layout::kTrunkingGroups) >= 1;
}

bool ChannelGridEditor::CanCopyFrom(int row) const {
    return Offers(RowCommand::CopyChannel, row);
}

bool ChannelGridEditor::CopyChannel(int from, int to) {
    if (m_busy || !CanCopyFrom(from) || !IsRowUsable(to) || IsReservedRow(to))
        return false;
    BusyScope busy(m_busy);
    CopyRecord(m_session.image, from, to);
    RefreshTrunkingRows();
    CheckChannelReferences(to);
    return true;
}

bool ChannelGridEditor::CopyGroup(int row) {
    if (m_busy || !Offers(RowCommand::GroupCopy, row))
        return false;
    BusyScope busy(m_busy);
    const int from = LastRowOfGroup(row) - kRowsPerGroup + 1;
    const int to = from == 1 ? kRowsPerGroup + 1 : 1;
    for (int i = 0; i < kRowsPerGroup; ++i)
        CopyRecord(m_session.image, from + i, to + i);
    // Empty records copied over may have emptied a channel that a setting names.
    for (int i = 0; i < kRowsPerGroup; ++i)
        CheckChannelReferences(to + i);
    return true;
}

void ChannelGridEditor::RefreshTrunkingRows() {
    RadioImage& image = m_session.image;
    if (!image.HiddenFunctionsEnabled() || image.Byte(layout::kPortMode) != layout::kTrunkingPortMode)
        return;
    image.SetByte(layout::kPortMode, 0);
    m_session.trunkingMode = false;
    image.Fill(layout::kDataChannelList, kTrunkingDataChannels, 0xFF);
}

} // namespace rpx
