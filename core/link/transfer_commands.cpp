#include "core/link/transfer_commands.h"

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

bool TransferCommands::OnProgramRead() {
    m_commandRunning = true;
    bool replaced = false;
    if (m_notifier.Show(kReadQuestion, 0, MessageButtons::OkCancel, MessageIcon::Question) == MessageAnswer::Ok) {
        m_link.ReadRadio();
        if (m_link.ReadSucceeded()) {
            m_notifier.Show(kReadDone, 0, MessageButtons::Ok, MessageIcon::Information);
            TakeReadData();
            replaced = true;
        }
    }
    m_commandRunning = false;
    m_session.titleFilePart = m_notifier.Text(txt::kUntitled);
    return replaced;
}

void TransferCommands::TakeReadData() {
    RadioImage& image = m_session.image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        image.SetByte(i, static_cast<uint8_t>(m_session.snapshot.Entry(i)));
    if (!m_link.RadioHas2048())
        image.Fill(RadioImage::kLowerHalf, RadioImage::kSize - RadioImage::kLowerHalf, 0xFF);
    m_session.trunkingMode = image.Byte(layout::kPortMode) == layout::kTrunkingPortMode;
    if (image.Byte(layout::kTrunkingGroups) == 0xFF)
        image.SetByte(layout::kTrunkingGroups, 1);
    if (image.Byte(layout::kPortMode) == 0xFF)
        image.SetByte(layout::kPortMode, 0);
    if (m_link.BlankModelRadio()) {
        // A radio that was never programmed: start from a blank image of the default model.
        image.FillAll(0xFF);
        image.SetModelString("MDL2A");
        image.SetRangeCode('1');
        ApplyNewImageDefaults(image);
        ApplyBandTestFrequencies(image);
    }
    m_link.ClearReading();
}

bool TransferCommands::OnProgramWrite() {
    if (m_session.image.Byte(layout::kPortMode) == layout::kTrunkingPortMode &&
        !TrunkingTablesContiguous(m_session.image)) {
        m_notifier.Show({kTablesNotContiguous, kTablesNotContiguousHint}, "", "", txt::kCaptionError,
                        MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    m_commandRunning = true;
    bool written = false;
    if (m_notifier.Show(kWriteQuestion, 0, MessageButtons::OkCancel, MessageIcon::Question) == MessageAnswer::Ok) {
        m_link.WriteRadio();
        written = m_link.WriteSucceeded();
    }
    m_commandRunning = false;
    return written;
}

} // namespace rpx
