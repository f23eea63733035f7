#include "core/link/transfer_commands.h"

#include <algorithm>

#include "core/radio/image_defaults.h"
#include "core/radio/image_layout.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kReadQuestion = 3003001;
constexpr TextId kWriteQuestion = 3003003;
constexpr TextId kReadDone = 3003049;
constexpr TextId kTablesNotContiguous = 3019151;
constexpr TextId kTablesNotContiguousHint = 3019153;
constexpr std::size_t kTableRecords = 16;

} // namespace

bool TrunkingTablesContiguous(const RadioImage& image) {
    const std::size_t tables = std::min<std::size_t>(image.Byte(layout::kTrunkingGroups), 4);
    for (std::size_t t = 0; t < tables; ++t) {
        const std::size_t table = layout::kUpperMemory + t * kTableRecords * layout::kRecordSize;
        auto inUse = [&](std::size_t r) { return image.Byte(table + r * layout::kRecordSize) != 0xFF; };
        std::size_t used = 0;
        for (std::size_t r = 0; r < kTableRecords; ++r)
            used += inUse(r) ? 1 : 0;
        for (std::size_t r = 0; r < used; ++r)
            if (!inUse(r))
                return false;
    }
    return true;
}

std::optional<StagedRead> TransferCommands::ReadFromRadio() {
    if (m_notifier.Show(kReadQuestion, 0, MessageButtons::OkCancel, MessageIcon::Question) !=
        MessageAnswer::Ok)
        return std::nullopt;
    std::optional<StagedRead> staged = m_link.ReadRadio();
    if (staged)
        m_notifier.Show(kReadDone, 0, MessageButtons::Ok, MessageIcon::Information);
    return staged;
}

bool TransferCommands::OnProgramRead() {
    const std::optional<StagedRead> staged = ReadFromRadio();
    if (staged)
        ApplyRead(*staged);
    return staged.has_value();
}

void TransferCommands::ApplyRead(const StagedRead& staged) {
    RadioImage& image = m_session.image;
    image.FillAll(0xFF); // a 1024-byte radio leaves the upper half erased
    std::copy_n(staged.bytes.begin(), std::min(staged.bytes.size(), RadioImage::kSize),
                image.Bytes().begin());
    m_session.trunkingMode = image.Byte(layout::kPortMode) == layout::kTrunkingPortMode;
    if (image.Byte(layout::kTrunkingGroups) == 0xFF)
        image.SetByte(layout::kTrunkingGroups, 1);
    if (image.Byte(layout::kPortMode) == 0xFF)
        image.SetByte(layout::kPortMode, 0);
    if (staged.blankModelRadio) {
        // A radio that was never programmed: start from a blank image of the default model.
        image.FillAll(0xFF);
        image.SetModelString("MDL2A");
        image.SetRangeCode('1');
        ApplyNewImageDefaults(image);
        ApplyBandTestFrequencies(image);
    }
    m_session.titleFilePart = m_notifier.Text(txt::kUntitled);
}

bool TransferCommands::OnProgramWrite() {
    if (m_session.image.Byte(layout::kPortMode) == layout::kTrunkingPortMode &&
        !TrunkingTablesContiguous(m_session.image)) {
        m_notifier.Show({kTablesNotContiguous, kTablesNotContiguousHint}, "", "", txt::kCaptionError,
                        MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    return m_notifier.Show(kWriteQuestion, 0, MessageButtons::OkCancel, MessageIcon::Question) ==
               MessageAnswer::Ok &&
           m_link.WriteRadio();
}

} // namespace rpx
