#include <gtest/gtest.h>

#include "core/editor/cell_key_filters.h"
#include "core/editor/channel_flags.h"
#include "core/editor/channel_record.h"
#include "core/editor/channel_table.h"
#include "core/editor/copy_target.h"
#include "tests/core/editor/editor_test_image.h"

namespace rpx {
namespace {

TEST(ChannelTable, ClearingAChannelOrItsRxKeepsOnlyTheReservedBitsAndNoOtherRecordChanges) {
    // Clearing also turns the scrambler off; erasing RX leaves it.
    const std::pair<void (*)(RadioImage&, int), uint8_t> cases[] = {{ClearChannel, 0x00},
                                                                    {EraseRxFrequency, 0x4F}};
    for (const auto& [clear, scrambler] : cases) {
        RadioImage image = test::NewImage("MDL2A", 0x31);
        const std::size_t record = ChannelRecord(image, 2).Offset();
        for (std::size_t i = 0; i < 16; ++i)
            image.SetByte(record + i, static_cast<uint8_t>(0x41 + i));
        image.SetByte(record + 0xD, 0xC5); // PTT ID 3, reserved nibble 5
        RadioImage expected = image;
        const uint8_t tail[] = {0x02, 0x35, scrambler, 0xFF};
        expected.Fill(record, 12, 0xFF);
        for (std::size_t i = 0; i < 4; ++i)
            expected.SetByte(record + 12 + i, tail[i]);
        clear(image, 2);
        EXPECT_EQ(image, expected) << int(scrambler);
    }
}

TEST(ChannelRecord, FieldsSitWhereTheRecordSaysAndChannelsAreChecked) {
    RadioImage image = test::NewImage("MDL2A", 0x31);
    ChannelRecord record(image, 8);
    EXPECT_EQ(record.Offset(), 0x090u);
    record.SetScramblerCode(16);
    record.SetTone(Direction::Tx, ToneCode(0x029E));
    EXPECT_EQ(std::tuple(image.Byte(0x09E), image.Word(0x09A)), std::tuple(0xF7, 0x029E));
    EXPECT_THROW(ChannelRecord(image, 0), std::out_of_range);
    EXPECT_THROW(ChannelRecord(image, 9), std::out_of_range);
}

TEST(ChannelFlags, ItemsWriteTheirBitsAndOptionNeedsBoth) {
    RadioImage image = test::NewImage("MDL2A", 0x31);
    const std::size_t record = ChannelRecord(image, 1).Offset();
    EXPECT_EQ(FlagText(image, 1, ChannelFlag::Power), 0); // empty channel
    image.SetByte(record, 0x00);
    EXPECT_EQ(FlagText(image, 1, ChannelFlag::Power), 3013015); // fresh channel: high
    image.SetByte(record + 0xC, 0x72);                          // bit 6 alone is not option signalling
    EXPECT_EQ(FlagText(image, 1, ChannelFlag::Option), 1001023);
    SetFlag(image, 1, ChannelFlag::Option, true);
    EXPECT_EQ(image.Byte(record + 0xC), 0xF2);
    SetFlag(image, 1, ChannelFlag::Option, false);
    EXPECT_EQ(image.Byte(record + 0xC), 0x32); // the unmute rule is left to the detail dialog
    for (ChannelFlag flag : {ChannelFlag::Power, ChannelFlag::WideNarrow, ChannelFlag::Scan})
        SetFlag(image, 1, flag, false);
    EXPECT_EQ(std::tuple(image.Byte(record + 0xC), image.Byte(record + 0xD)), std::tuple(0x30, 0x0F));
    EXPECT_EQ(FlagText(image, 1, ChannelFlag::Power), 3013017);
}

TEST(CellKeyFilters, KeysAreFilteredAndLimited) {
    const std::tuple<bool, const char*, const char*, const char*> cases[] = {
        // tone cell?, text before, keys, text after
        {true, "", "d023n", "D023N"},       {true, "", "D08", "D0"},
        {true, "", "123456", "12345"},      {true, "", "x1.-5", "1.5"},
        {true, "D02", "\b\t", "D0"},        {true, "8", "9", "89"},
        {false, "", "146.52abc", "146.52"}, {false, "", "1234567890", "123456789"},
        {false, "146.5", "\b\b7", "1467"},  {false, "", "\t-+ ", ""},
    };
    for (const auto& [tone, before, keys, after] : cases)
        EXPECT_EQ(tone ? TypeIntoToneCell(before, keys) : TypeIntoFrequencyCell(before, keys), after) << keys;
}

TEST(CellKeyFilters, TxDialogKeepsOnePointAsTheFourthCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"146.5", "146.5"}, {"14.6", "146"},     {".146", "146"},
        {"146..", "146."},  {"14.6.5", "146.5"}, {"1465.", "1465"},
    };
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(DropMisplacedPoints(typed), kept) << typed;
}

TEST(CopyTarget, FieldsAreCorrectedToExistingChannels) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"0", "0", 1}, {"x", "3", 3}, {"3", "9", 8},
        {"2", "1", 5}, {"-", "5", 4}, {"18446744073709551615", "1", 5}};
    for (const auto& [group, channel, row] : cases)
        EXPECT_EQ(CopyTarget::FromFields(group, channel).Row(), row) << group << "/" << channel;
}

} // namespace
} // namespace rpx
