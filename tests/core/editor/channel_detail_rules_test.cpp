#include <gtest/gtest.h>

#include "core/editor/channel_detail_rules.h"
#include "core/radio/image_layout.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

class ChannelDetailRulesTest : public ::testing::Test {
protected:
    // Channel 6 (group 2, usable) programmed at 450.1/455.1 MHz.
    ChannelDetailRulesTest() {
        m_session.image = test::NewImage("MDL2B", 0x31);
        m_session.image.SetByte(layout::kProgrammableKey2, 11);
        ChannelGridEditor grid(m_session, m_notifier);
        grid.CommitRxCell(kRow, "450.1", true);
        grid.CommitTxCell(kRow, "455.1", true);
    }
    ChannelRecord Record() { return ChannelRecord(m_session.image, kRow); }
    // Stores the lockout, option signalling and an RX tone of 67.0 Hz or none, then opens the dialog.
    void OpenWith(unsigned lockout, bool option, bool tone) {
        Record().SetBusyLockout(lockout);
        Record().SetOptionSignalling(option);
        Record().SetTone(Direction::Rx, tone ? ToneCode::Ctcss(670) : ToneCode());
        m_rules.Open();
    }
    // The list's items, the shown one in brackets.
    std::string Items(DetailList list) {
        std::string items;
        const std::vector<std::string> all = m_rules.ListItems(list);
        for (std::size_t i = 0; i < all.size(); ++i) {
            const bool shown = static_cast<int>(i) == m_rules.ListSelection(list);
            items += (i ? " " : "") + (shown ? "[" + all[i] + "]" : all[i]);
        }
        return items;
    }
    uint8_t RecordByte(std::size_t offset) {
        return m_session.image.Byte(layout::ChannelRecordOffset(kRow) + offset);
    }

    static constexpr int kRow = 6;
    Session m_session;
    test::ScriptedMessenger m_messenger;
    Notifier m_notifier{m_messenger, test::ShippedTexts()};
    ChannelDetailRules m_rules{m_session, m_notifier, kRow};
};

TEST_F(ChannelDetailRulesTest, LockoutIsCorrectedAtOpeningAndListsFollowToneAndOption) {
    const std::tuple<unsigned, bool, bool, unsigned, const char*, const char*> cases[] = {
        // stored lockout, option signalling, RX tone; lockout once opened, its list, the unmute list
        {3, false, true, 1, "Off [Carrier] QT/DQT", "[QT/DQT]"},
        {2, true, false, 1, "Off [Carrier] DTMF", "[Carrier] Carrier+DTMF"},
        {2, false, true, 2, "Off Carrier [QT/DQT]", "[QT/DQT]"},
        {3, true, false, 3, "Off Carrier [DTMF]", "[Carrier] Carrier+DTMF"},
        {3, true, true, 3, "Off Carrier QT/DQT [DTMF]", "[QT/DQT] QT/DQT+DTMF"},
    };
    for (const auto& [stored, option, tone, opened, lockout, unmute] : cases) {
        OpenWith(stored, option, tone);
        EXPECT_EQ(Record().BusyLockout(), opened) << lockout;
        EXPECT_EQ(Items(DetailList::Lockout), lockout);
        EXPECT_EQ(Items(DetailList::Unmute), unmute);
        m_rules.Cancel();
    }
}

TEST_F(ChannelDetailRulesTest, LockoutWithoutToneItem) {
    OpenWith(2, false, true);
    ASSERT_TRUE(m_rules.SelectItem(DetailList::Decode, 0)) << "decode off";
    EXPECT_EQ(Items(DetailList::Lockout), "Off [Carrier]");
    ASSERT_TRUE(m_rules.SetBox(DetailBox::OptionSignalling, true));
    EXPECT_EQ(Items(DetailList::Lockout), "Off Carrier [DTMF]") << "ticking turns the tone lockout into 3";
    EXPECT_EQ(Record().BusyLockout(), 3u);
    ASSERT_TRUE(m_rules.SelectItem(DetailList::Lockout, 1));
    ASSERT_TRUE(m_rules.SelectItem(DetailList::Lockout, 2)) << "the third item";
    EXPECT_EQ(Record().BusyLockout(), 3u);
}

TEST_F(ChannelDetailRulesTest, OptionSignallingDecidesUnmuteAndLockout) {
    OpenWith(0, true, false);
    ASSERT_TRUE(m_rules.SelectItem(DetailList::Unmute, 1));
    ASSERT_TRUE(m_rules.SelectItem(DetailList::Lockout, 2));
    ASSERT_TRUE(m_rules.SetBox(DetailBox::OptionSignalling, false));
    EXPECT_EQ(Items(DetailList::Unmute) + ", " + Items(DetailList::Lockout), "[Carrier], Off [Carrier]");
    EXPECT_EQ(RecordByte(0xC) & 0xFC, 0x1C) << "unmute 1 and lockout 3 stay stored until OK";
    m_rules.Ok();
    EXPECT_EQ(RecordByte(0xC) & 0xFC, 0x0C);
}

TEST_F(ChannelDetailRulesTest, ListItemsStoreTheirFields) {
    const std::tuple<DetailList, int, std::size_t, uint8_t, uint8_t> cases[] = {
        // list, item; record byte, mask and the bits expected
        {DetailList::ScramblerCode, 15, 0xE, 0xF0, 0xF0}, {DetailList::ScramblerCode, 0, 0xE, 0xF0, 0x00},
        {DetailList::PttId, 3, 0xD, 0xC0, 0xC0},          {DetailList::PttId, 1, 0xD, 0xC0, 0x40},
        {DetailList::Bandwidth, 0, 0xC, 0x02, 0x00},      {DetailList::Encode, 40, 0xA, 0xFF, 0x13},
    };
    OpenWith(0, false, false);
    m_rules.SetBox(DetailBox::VoiceScrambler, true);
    for (const auto& [list, item, byte, mask, bits] : cases) {
        ASSERT_TRUE(m_rules.SelectItem(list, item)) << item;
        EXPECT_EQ(RecordByte(byte) & mask, bits) << item;
        EXPECT_EQ(m_rules.ListSelection(list), item);
    }
}

TEST_F(ChannelDetailRulesTest, CancelPutsEveryByteBack) {
    Record().SetBusyLockout(3);
    const RadioImage before = m_session.image;
    m_rules.Open();
    m_rules.CommitFrequency(Direction::Rx, "460.0125", true);
    m_rules.CommitTypedTone(Direction::Rx, "D754I");
    m_rules.SetBox(DetailBox::OptionSignalling, true);
    m_rules.SelectItem(DetailList::Unmute, 1);
    m_rules.SelectItem(DetailList::PttId, 2);
    ASSERT_FALSE(m_session.image == before);
    m_rules.Cancel();
    EXPECT_TRUE(m_session.image == before);
}

TEST_F(ChannelDetailRulesTest, TitleAndReleasedReferencesOfAnEmptiedChannel) {
    EXPECT_EQ(m_rules.Title(), "Channel Details -Group 2 Channel 2-");
    m_session.image.SetByte(layout::kProgrammableKey2, 0);
    EXPECT_EQ(m_rules.Title(), "Channel Details -Channel 2-") << "no group while group 2 is unused";

    m_session.image.SetByte(layout::kProgrammableKey2, 11);
    m_session.image.SetByte(layout::kEmergencyChannel, kRow);
    m_rules.Open();
    m_rules.CommitFrequency(Direction::Rx, "", true);
    m_rules.Ok();
    EXPECT_EQ(m_session.image.Byte(layout::kEmergencyChannel), 0);
    EXPECT_EQ(m_messenger.ShownIds(), std::vector<TextId>{3003027});
}

} // namespace
} // namespace rpx
