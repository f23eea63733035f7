#include <gtest/gtest.h>

#include "core/editor/cell_key_filters.h"
#include "core/editor/channel_flags.h"
#include "core/editor/channel_record.h"
#include "core/editor/channel_table.h"
#include "core/editor/copy_target.h"
#include "tests/core/editor/editor_test_image.h"

namespace rpx {
namespace {

TEST(ChannelTable, ClearChannelKeepsOnlyTheReservedNibble) {
    RadioImage image = test::NewImage("MDL2A", 0x31);
    const std::size_t record = ChannelRecord(image, 2).Offset();
    for (std::size_t i = 0; i < 16; ++i)
        image.SetByte(record + i, static_cast<uint8_t>(0x41 + i));
    image.SetByte(record + 0xD, 0xC5);
    const RadioImage before = image;
    ClearChannel(image, 2);
    const uint8_t expected[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x35, 0x00, 0xFF};
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(image.Byte(record + i), expected[i]) << i;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
        if (i < record || i >= record + 16) {
            ASSERT_EQ(image.Byte(i), before.Byte(i)) << i;
        }
    }
}

TEST(ChannelRecord, FieldsSitWhereTheRecordSaysAndChannelsAreChecked) {
    RadioImage image = test::NewImage("MDL2A", 0x31);
    ChannelRecord record(image, 8);
    EXPECT_EQ(record.Offset(), 0x090u);
    record.SetScramblerCode(16);
    record.SetTone(Direction::Tx, ToneCode(0x029E));
    EXPECT_EQ(image.Byte(0x09E), 0xF7);
    EXPECT_EQ(image.Word(0x09A), 0x029E);
    EXPECT_THROW(ChannelRecord(image, 0), std::out_of_range);
    EXPECT_THROW(ChannelRecord(image, 9), std::out_of_range);
}

TEST(ChannelFlags, ItemsWriteTheirBitsAndOptionNeedsBoth) {
    RadioImage image = test::NewImage("MDL2A", 0x31);
    const std::size_t record = ChannelRecord(image, 1).Offset();
    EXPECT_EQ(FlagText(image, 1, ChannelFlag::Power), 0); // empty channel
    image.SetByte(record, 0x00);
    EXPECT_EQ(FlagText(image, 1, ChannelFlag::Power), 3013015);      // fresh channel: high
    EXPECT_EQ(FlagText(image, 1, ChannelFlag::WideNarrow), 1001029); // item 1
    EXPECT_EQ(FlagText(image, 1, ChannelFlag::Scan), 3013021);
    image.SetByte(record + 0xC, 0x72); // bit 6 alone is not option signalling
    EXPECT_EQ(FlagText(image, 1, ChannelFlag::Option), 1001023);
    SetFlag(image, 1, ChannelFlag::Option, true);
    EXPECT_EQ(image.Byte(record + 0xC), 0xF2);
    SetFlag(image, 1, ChannelFlag::Option, false);
    EXPECT_EQ(image.Byte(record + 0xC), 0x32); // the unmute rule is left to the detail dialog
    SetFlag(image, 1, ChannelFlag::Power, false);
    SetFlag(image, 1, ChannelFlag::WideNarrow, false);
    SetFlag(image, 1, ChannelFlag::Scan, false);
    EXPECT_EQ(image.Byte(record + 0xC), 0x30);
    EXPECT_EQ(image.Byte(record + 0xD), 0x0F);
}

TEST(CellKeyFilters, KeysAreFilteredAndLimited) {
    struct Case {
        const char* before;
        const char* keys;
        const char* after;
    };
    const Case toneCases[] = {
        {"", "d023n", "D023N"}, {"", "D08", "D0"},     {"", "8", "8"},     {"", "123456", "12345"},
        {"", "x1.-5", "1.5"},   {"D02", "\b\t", "D0"}, {"", "dni", "DNI"}, {"8", "9", "89"},
    };
    for (const Case& c : toneCases)
        EXPECT_EQ(TypeIntoToneCell(c.before, c.keys), c.after) << c.keys;
    const Case frequencyCases[] = {
        {"", "146.52abc", "146.52"},
        {"", "1234567890", "123456789"},
        {"146.5", "\b\b7", "1467"},
        {"", "\t-+ ", ""},
    };
    for (const Case& c : frequencyCases)
        EXPECT_EQ(TypeIntoFrequencyCell(c.before, c.keys), c.after) << c.keys;
}

TEST(CopyTarget, FieldsAreCorrectedToExistingChannels) {
    struct Case {
        const char* group;
        const char* channel;
        int row;
    };
    const Case cases[] = {
        {"0", "0", 1}, {"", "", 1}, {"x", "3", 3}, {"3", "9", 8}, {"2", "1", 5}, {"1", "4", 4}, {"-", "5", 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CopyTarget::FromFields(c.group, c.channel).Row(), c.row) << c.group << "/" << c.channel;
}

} // namespace
} // namespace rpx
