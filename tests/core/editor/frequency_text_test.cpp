#include <gtest/gtest.h>

#include "core/editor/channel_raster.h"
#include "core/editor/channel_record.h"
#include "core/editor/frequency_text.h"
#include "core/radio/bcd_frequency.h"
#include "core/radio/image_layout.h"
#include "tests/core/editor/editor_test_image.h"

namespace rpx {
namespace {

using test::NewImage;

struct TypedCase {
    uint8_t rangeCode;
    const char* typed;
    const char* stored;
    StepCode step;
    bool outOfBand;
};

TEST(FrequencyText, TypedFrequencyIsClampedFittedAndStored) {
    const TypedCase cases[] = {
        {0x11, "146.52", "146.52000", StepCode::Step5k, false}, // 5 kHz exact beats 6.25; 7.5 ties and loses
        {0x11, "146", "146.00000", StepCode::Step6k25, false},  // every raster fits: 6.25 comes first
        {0x11, "146.0", "146.00000", StepCode::Step6k25, false},
        {0x11, "146.5225", "146.52250", StepCode::Step2k5, false},
        {0x11, "146.0025", "146.00250", StepCode::Step7k5, false},  // 7.5 exact, before 2.5
        {0x31, "450.0025", "450.00000", StepCode::Step6k25, false}, // no 7.5/2.5 on UHF
        {0x21, "162.12345", "162.12250", StepCode::Step2k5, true},
        {0x31, "450.0125", "450.01250", StepCode::Step6k25, false},
        {0x31, "450.003", "450.00500", StepCode::Step5k, false},
        {0x11, "1465", "174.00000", StepCode::Step6k25, true}, // reads "9000": above 280 MHz
        {0x11, "300.00000", "174.00000", StepCode::Step6k25, true},
        {0x11, "200.00000", "200.00000", StepCode::Step6k25, true},
        {0x11, "99", "146.00000", StepCode::Step6k25, true},               // 99 x 10 Hz: below 100 MHz
        {0x11, "abc", "146.00000", StepCode::Step6k25, true},              // pasted text reads as 0
        {0x11, "0146", "146.00000", StepCode::Step6k25, false},            // leading number below 1000
        {0x11, "146.520001234567", "174.00000", StepCode::Step6k25, true}, // too many digits: no wrap-around
        {0x21, "100", "100.00000", StepCode::Step6k25, true}, // below the band, inside the absolute range
        {0x31, "146", "450.00000", StepCode::Step6k25, true}, // UHF absolute range starts at 327 MHz
        {0x31, "600", "490.00000", StepCode::Step6k25, true},
        {0x41, "515", "515.00000", StepCode::Step6k25, false}, // band 4 version 1 reaches 520
        {0x40, "515", "515.00000", StepCode::Step6k25, true},  // otherwise 512
        {0x41, "600", "520.00000", StepCode::Step6k25, true},
        {0x40, "600", "512.00000", StepCode::Step6k25, true},
        {0x51, "300", "400.00000", StepCode::Step6k25, true},
        {0x51, "431", "431.00000", StepCode::Step6k25, true},
        {0x01, "300", "280.00000", StepCode::Step6k25, false}, // no band: the absolute edges, no warning
        {0x01, "146", "146.00000", StepCode::Step6k25, false},
        {0x61, "146", "327.00000", StepCode::Step6k25, false},
        {0x61, "600", "550.00000", StepCode::Step6k25, false},
    };
    for (const TypedCase& c : cases) {
        RadioImage image = NewImage("MDL2B", c.rangeCode);
        const std::optional<FrequencyEntry> entry = ParseRxFrequency(image, 3, c.typed);
        ASSERT_TRUE(entry) << c.typed;
        EXPECT_EQ(entry->text, c.stored) << c.typed << " band code " << int(c.rangeCode);
        EXPECT_EQ(entry->outOfBand, c.outOfBand) << c.typed << " band code " << int(c.rangeCode);
        EXPECT_EQ(ConstChannelRecord(image, 3).Step(Direction::Rx), c.step) << c.typed;
        EXPECT_EQ(ConstChannelRecord(image, 3).Step(Direction::Tx), StepCode::None) << c.typed;
    }
}

TEST(FrequencyText, StoresPackedBcdLeastSignificantByteFirst) {
    RadioImage image = NewImage("MDL1B", 0x11);
    ParseRxFrequency(image, 1, "146.52");
    ParseTxFrequency(image, 1, "146.5225");
    const std::size_t record = layout::ChannelRecordOffset(1);
    const uint8_t expected[] = {0x00, 0x20, 0x65, 0x14, 0x50, 0x22, 0x65, 0x14};
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(image.Byte(record + i), expected[i]) << i;
    EXPECT_EQ(image.Byte(record + 0xF), 0x10); // RX 5 kHz, TX 2.5 kHz
}

TEST(FrequencyText, FormatsEveryNibbleWithoutCrashing) {
    RadioImage image = NewImage("MDL2A", 0x31);
    const std::size_t record = layout::ChannelRecordOffset(2);
    const uint8_t bytes[] = {0x0A, 0xBC, 0xDE, 0x1F};
    for (std::size_t i = 0; i < 4; ++i)
        image.SetByte(record + i, bytes[i]);
    EXPECT_EQ(FormatFrequency(image, 2, Direction::Rx), "1FD.EBC0A");
    EXPECT_EQ(FormatFrequency(image, 2, Direction::Tx), "");
}

TEST(FrequencyText, EmptyTextErasesRxChannelOrTxSide) {
    RadioImage image = NewImage("MDL2A", 0x31);
    ParseRxFrequency(image, 4, "450.1");
    ParseTxFrequency(image, 4, "455.1");
    ChannelRecord record(image, 4);
    record.SetTone(Direction::Rx, ToneCode::Ctcss(670));
    record.SetTone(Direction::Tx, ToneCode::Ctcss(693));
    image.SetByte(record.Offset() + 0xE, 0x7F);
    image.SetByte(layout::kEmergencyChannel, 4);

    EXPECT_EQ(ParseTxFrequency(image, 4, "").text, "");
    EXPECT_FALSE(record.HasFrequency(Direction::Tx));
    EXPECT_TRUE(record.Tone(Direction::Tx).IsNone());
    EXPECT_EQ(record.Tone(Direction::Rx), ToneCode::Ctcss(670));
    EXPECT_EQ(record.Step(Direction::Tx), StepCode::None);
    EXPECT_EQ(image.Byte(layout::kEmergencyChannel), 0);

    image.SetByte(record.Offset() + 0xD, 0xC5); // PTT ID 3, reserved nibble 5
    EXPECT_EQ(ParseRxFrequency(image, 4, "")->text, "");
    EXPECT_TRUE(image.AllEqual(record.Offset(), 12, 0xFF));
    EXPECT_EQ(image.Byte(record.Offset() + 0xC), 0x02);
    EXPECT_EQ(image.Byte(record.Offset() + 0xD), 0x35);
    EXPECT_EQ(image.Byte(record.Offset() + 0xE), 0x7F); // unlike a cleared channel
    EXPECT_EQ(image.Byte(record.Offset() + 0xF), 0xFF);
}

TEST(FrequencyText, RxOfRowsReservedForTrunkingIsRefused) {
    struct Case {
        uint8_t options; // 0x3C6
        uint8_t groups;  // 0x0DA
        int channel;
        bool refused;
    };
    const Case cases[] = {
        {0xFF, 2, 2, true},  {0xFF, 2, 3, false}, {0xFF, 0, 1, true},
        {0xFF, 9, 4, true},  {0xFF, 9, 5, false}, // group 2 is never reserved
        {0xBF, 2, 1, false},                      // hidden functions enabled: no trunking
    };
    for (const Case& c : cases) {
        RadioImage image = NewImage("MDL2B", 0x31);
        image.SetByte(RadioImage::kModelOptions, c.options);
        image.SetByte(layout::kTrunkingGroups, c.groups);
        image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
        const RadioImage before = image;
        const bool refused = !ParseRxFrequency(image, c.channel, "450.1");
        EXPECT_EQ(refused, c.refused) << int(c.groups) << " " << c.channel;
        if (refused) {
            EXPECT_EQ(image, before);
        }
    }
}

} // namespace
} // namespace rpx
