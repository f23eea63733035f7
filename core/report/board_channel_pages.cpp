#include "core/editor/channel_record.h"
#include "core/editor/tone_code.h"
#include "core/radio/bcd_frequency.h"
#include "core/radio/image_layout.h"
#include "core/report/print_selection_rules.h"
#include "core/report/section_printers.h"

namespace rpx {

namespace {

constexpr TextId kGroup = 3019157;
constexpr TextId kOff = 1001023;
constexpr int kGroupsPerPage = 2;
constexpr int kChannelsPerGroup = 16;
constexpr std::size_t kGroupSize = layout::kRecordSize * kChannelsPerGroup;
constexpr int kLinesPerGroup = kChannelsPerGroup + 3;
// The bits of the record's signalling and options bytes that these pages show.
constexpr uint8_t kBeatShiftBit = 0x01, kWideBit = 0x02, kHighPowerBit = 0x20;

// Channel number, the two frequencies, the two tones, power, bandwidth, beat shift.
constexpr int kColumns[] = {BodyColumn::kLabel, 24, 38, 52, 62, 72, 84, 96};
constexpr TextId kHeadings[] = {0, 1001059, 1001057, 3010049, 3010047, 3016001, 3016003, 3013013};

std::string ToneText(const RadioImage& image, std::size_t offset, const LanguageTable& texts) {
    const ToneCode tone(image.Word(offset));
    return tone.IsNone() ? texts.GetText(kOff) : tone.Text();
}

} // namespace

// Groups 1 and 2 on the first page, 3 and 4 on the second: sixteen channel records each, in the
// radio's upper memory, with the columns of the trunking channel dialog.
void PrintBoardChannels(PrintPage& page, const RadioImage& image, const LanguageTable& texts, int part) {
    page.AddBody(0, BodyColumn::kTitle, PrintSelectionRules::BoxText(PrintSection::SmarTrunkChannel, texts));
    for (int index = 0; index < kGroupsPerPage; ++index) {
        const int group = part * kGroupsPerPage + index + 1;
        const int top = 2 + index * kLinesPerGroup;
        page.AddBody(top, BodyColumn::kLabel,
                     texts.GetText(kGroup) + std::string(" ") + std::to_string(group));
        for (std::size_t column = 1; column < std::size(kColumns); ++column)
            page.AddBody(top + 1, kColumns[column], texts.GetText(kHeadings[column]));
        for (int channel = 1; channel <= kChannelsPerGroup; ++channel) {
            const std::size_t record = layout::kUpperMemory +
                                       kGroupSize * static_cast<std::size_t>(group - 1) +
                                       layout::kRecordSize * static_cast<std::size_t>(channel - 1);
            const int line = top + 1 + channel;
            page.AddBody(line, kColumns[0], std::to_string(channel));
            const std::string rx = bcd::FrequencyText(image, record);
            if (rx.empty())
                continue;
            const uint8_t signalling = image.Byte(record + ChannelRecord::kSignalling);
            const uint8_t options = image.Byte(record + ChannelRecord::kOptions);
            const std::string cells[] = {
                rx,
                bcd::FrequencyText(image, record + ChannelRecord::kTxFrequency),
                ToneText(image, record + ChannelRecord::kRxTone, texts),
                ToneText(image, record + ChannelRecord::kTxTone, texts),
                texts.GetText((options & kHighPowerBit) ? 3013015 : 3013017),
                texts.GetText((signalling & kWideBit) ? 1001029 : 1001031),
                texts.GetText((signalling & kBeatShiftBit) ? 1001037 : 1001039),
            };
            for (std::size_t cell = 0; cell < std::size(cells); ++cell)
                page.AddBody(line, kColumns[cell + 1], cells[cell]);
        }
    }
}

} // namespace rpx
