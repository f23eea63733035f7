#include <gtest/gtest.h>

#include "core/radio/image_layout.h"
#include "core/trunking/trunking_channel_rules.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

class TrunkingChannelRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        session.image = test::NewImage("MDL1A", 0x10);
        session.image.SetByte(layout::kPortMode, layout::kTrunkingPortMode);
        session.image.SetByte(layout::kTrunkingGroups, 2);
    }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
};

TEST_F(TrunkingChannelRulesTest, OpensForTrunkingGroupRowsOnly) {
    EXPECT_TRUE(TrunkingChannelRules::Opens(session.image, 2));
    EXPECT_FALSE(TrunkingChannelRules::Opens(session.image, 3));
    session.image.SetByte(layout::kPortMode, 0);
    EXPECT_FALSE(TrunkingChannelRules::Opens(session.image, 1));
    EXPECT_EQ(TrunkingChannelRules::RecordOffset(1, 1), 0x400u);
    EXPECT_EQ(TrunkingChannelRules::RecordOffset(3, 16), 0x6F0u);
    EXPECT_THROW(TrunkingChannelRules::RecordOffset(1, 17), std::out_of_range);
}

TEST_F(TrunkingChannelRulesTest, CellsWriteTheRecordOfTheirGroupAndChannel) {
    const RadioImage before = session.image;
    {
        TrunkingChannelRules rules(session, notifier, 2);
        EXPECT_EQ(rules.Title(), test::ShippedText(3019013) + " - " + test::ShippedText(3019157) + " 2");
        rules.CommitFrequency(3, Direction::Rx, "146.52", true);
        rules.CommitFrequency(3, Direction::Tx, "146.52", true);
        EXPECT_EQ(rules.FrequencyText(3, Direction::Rx), "146.52000");
        const std::size_t record = 0x500 + 0x20;
        EXPECT_EQ(session.image.Byte(record), 0x00); // BCD, least significant byte first
        EXPECT_EQ(session.image.Byte(record + 2), 0x65);

        rules.SelectItem(3, TrunkingList::Power, 1);
        EXPECT_TRUE(session.image.Bit(record + 13, 5));
        rules.SelectItem(3, TrunkingList::Power, 0);
        EXPECT_FALSE(session.image.Bit(record + 13, 5));
        rules.SelectItem(3, TrunkingList::WideNarrow, 1);
        EXPECT_TRUE(session.image.Bit(record + 12, 1));
        rules.SelectItem(3, TrunkingList::BeatShift, 1);
        EXPECT_TRUE(session.image.Bit(record + 12, 0));
        const auto tones = rules.ListItems(TrunkingList::Encode);
        rules.SelectItem(3, TrunkingList::Encode, 1);
        EXPECT_EQ(rules.ListText(3, TrunkingList::Encode), tones[1]);
        EXPECT_EQ(session.image.Word(record + 10), ToneCode::FromItemText(tones[1]).Raw());
        EXPECT_EQ(rules.ListSelection(3, TrunkingList::Encode), 1);

        rules.CommitFrequency(3, Direction::Rx, "", false);
        EXPECT_EQ(rules.FrequencyText(3, Direction::Rx), "");
        EXPECT_TRUE(messenger.Shown().empty());
    }
    EXPECT_EQ(session.image, before); // closed without OK
}

} // namespace
} // namespace rpx
