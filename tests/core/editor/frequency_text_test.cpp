#include <gtest/gtest.h>

#include "core/editor/channel_raster.h"
#include "core/editor/channel_record.h"
#include "core/editor/frequency_text.h"
#include "core/radio/image_layout.h"
#include "tests/core/editor/editor_test_image.h"

namespace rpx {
namespace {

using test::NewImage;

TEST(FrequencyText, TypedFrequencyIsClampedFittedAndStored) {
    // Rasters: 5 kHz exact beats 6.25 and a 7.5 tie loses; where every raster fits 6.25 comes first;
    // 7.5 exact comes before 2.5; UHF has neither. A fourth character other than "." reads the leading
    // number ("9000" from 1000 on); too many digits must not wrap around. Outside the absolute range the
    // band edge is stored, outside the band it only warns; band 4 reaches 520 MHz in version 1, else
    // 512; without a band the absolute edges apply and nothing warns.
    using enum StepCode;
    const struct {
        uint8_t rangeCode;
        const char* typed;
        const char* stored;
        StepCode step;
        bool outOfBand;
    } cases[] = {
        {0x11, "146.52", "146.52000", Step5k, false},     {0x11, "146", "146.00000", Step6k25, false},
        {0x11, "146.5225", "146.52250", Step2k5, false},  {0x11, "146.0025", "146.00250", Step7k5, false},
        {0x31, "450.0025", "450.00000", Step6k25, false}, {0x21, "162.12345", "162.12250", Step2k5, true},
        {0x31, "450.0125", "450.01250", Step6k25, false}, {0x31, "450.003", "450.00500", Step5k, false},
        {0x11, "1465", "174.00000", Step6k25, true},      {0x11, "0146", "146.00000", Step6k25, false},
        {0x11, "300.00000", "174.00000", Step6k25, true}, {0x11, "200.00000", "200.00000", Step6k25, true},
        {0x21, "100", "100.00000", Step6k25, true},       {0x31, "146", "450.00000", Step6k25, true},
        {0x41, "515", "515.00000", Step6k25, false},      {0x40, "515", "515.00000", Step6k25, true},
        {0x43, "600", "512.00000", Step6k25, true},       {0x51, "431", "431.00000", Step6k25, true},
        {0x01, "300", "280.00000", Step6k25, false},      {0x61, "146", "327.00000", Step6k25, false},
    };
    for (const auto& c : cases) {
        RadioImage image = NewImage("MDL2B", c.rangeCode);
        const std::optional<FrequencyEntry> entry = ParseRxFrequency(image, 3, c.typed);
        ASSERT_TRUE(entry) << c.typed;
        EXPECT_EQ(std::tuple(entry->text, entry->outOfBand), std::tuple(c.stored, c.outOfBand))
            << c.typed << " band code " << int(c.rangeCode);
        EXPECT_EQ(ConstChannelRecord(image, 3).Step(Direction::Rx), c.step) << c.typed;
        EXPECT_EQ(ConstChannelRecord(image, 3).Step(Direction::Tx), StepCode::None) << c.typed;
    }
    RadioImage image = NewImage("MDL2B", 0x11);
    EXPECT_EQ(ParseRxFrequency(image, 3, "146.520001234567890123456789")->text, "174.00000")
        << "wrapped around";
}

TEST(FrequencyText, StoresPackedBcdLeastSignificantByteFirstAndShowsAnyNibble) {
    RadioImage image = NewImage("MDL1B", 0x11);
    ParseRxFrequency(image, 1, "146.52");
    ParseTxFrequency(image, 1, "146.5225");
    const std::size_t record = layout::ChannelRecordOffset(1);
    const uint8_t expected[] = {0x00, 0x20, 0x65, 0x14, 0x50, 0x22, 0x65, 0x14};
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(image.Byte(record + i), expected[i]) << i;
    EXPECT_EQ(image.Byte(record + 0xF), 0x10); // RX 5 kHz, TX 2.5 kHz
    image.SetWord(record, 0xBC0A);
    image.SetWord(record + 2, 0x1FDE);
    EXPECT_EQ(FormatFrequency(image, 1, Direction::Rx), "1FD.EBC0A");
}

TEST(FrequencyText, EmptyTxTextErasesTheTxSideAndReleasesTheEmergencyChannel) {
    RadioImage image = NewImage("MDL2A", 0x31);
    ParseRxFrequency(image, 4, "450.1");
    ParseTxFrequency(image, 4, "455.1");
    ChannelRecord record(image, 4);
    record.SetTone(Direction::Rx, ToneCode::Ctcss(670));
    record.SetTone(Direction::Tx, ToneCode::Ctcss(693));
    image.SetByte(layout::kEmergencyChannel, 4);
    EXPECT_EQ(ParseTxFrequency(image, 4, "").text, "");
    EXPECT_EQ(std::tuple(record.HasFrequency(Direction::Tx), record.Tone(Direction::Tx),
                         record.Step(Direction::Tx)),
              std::tuple(false, ToneCode(), StepCode::None));
    EXPECT_EQ(std::tuple(record.Tone(Direction::Rx), image.Byte(layout::kEmergencyChannel)),
              std::tuple(ToneCode::Ctcss(670), 0));
}

TEST(FrequencyText, RxOfRowsReservedForTrunkingIsRefused) {
    // Model options (bit 6 clear: hidden functions, no trunking), trunking groups, channel, refused.
    const std::tuple<uint8_t, uint8_t, int, bool> cases[] = {
        {0xFF, 2, 2, true}, {0xFF, 2, 3, false}, {0xFF, 0, 1, false}, {0xFF, 1, 1, true},
        {0xFF, 9, 4, true}, {0xFF, 9, 5, false}, {0xBF, 2, 1, false},
    };
    for (const auto& [options, groups, channel, refused] : cases) {
        RadioImage image = NewImage("MDL2B", 0x31);
        image.SetByte(RadioImage::kModelOptions, options);
        image.SetByte(layout::kTrunkingGroups, groups);
        image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
        const RadioImage before = image;
        EXPECT_EQ(!ParseRxFrequency(image, channel, "450.1"), refused) << int(groups) << " " << channel;
        EXPECT_EQ(image == before, refused);
    }
}

} // namespace
} // namespace rpx
