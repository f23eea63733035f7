#include <gtest/gtest.h>

#include "core/editor/channel_detail_rules.h"
#include "core/radio/image_layout.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

constexpr ToneCode kTone670 = ToneCode(0x029E);

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
    // Stores the lockout, option signalling and RX tone, then opens the dialog.
    ChannelDetailRules& OpenWith(unsigned lockout, bool option, bool tone) {
        Record().SetBusyLockout(lockout);
        Record().SetOptionSignalling(option);
        Record().SetTone(Direction::Rx, tone ? kTone670 : ToneCode());
        m_rules.Open();
        return m_rules;
    }
    std::string Text(TextId id) { return test::ShippedTexts().GetText(id); }

    static constexpr int kRow = 6;
    Session m_session;
    test::ScriptedMessenger m_messenger;
    Notifier m_notifier{m_messenger, test::ShippedTexts()};
    ChannelDetailRules m_rules{m_session, m_notifier, kRow};
};

TEST_F(ChannelDetailRulesTest, LockoutIsCorrectedAtOpeningAndListsFollowToneAndOption) {
    struct Case {
        unsigned stored;
        bool option, tone;
        unsigned opened; // stored once the dialog is open
        std::vector<TextId> lockoutItems, unmuteItems;
        int selection;
    };
    const Case cases[] = {
        {3, false, true, 1, {1001039, 3013029, 3013025}, {3013025}, 1},
        {2, true, false, 1, {1001039, 3013029, 3013023}, {3013029, 3013031}, 1},
        {2, false, true, 2, {1001039, 3013029, 3013025}, {3013025}, 2},
        {3, true, false, 3, {1001039, 3013029, 3013023}, {3013029, 3013031}, 2},
        {3, true, true, 3, {1001039, 3013029, 3013025, 3013023}, {3013025, 3013027}, 3},
        {0, false, false, 0, {1001039, 3013029}, {3013029}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored << c.option << c.tone);
        ChannelDetailRules& rules = OpenWith(c.stored, c.option, c.tone);
        EXPECT_EQ(Record().BusyLockout(), c.opened);
        std::vector<std::string> lockout, unmute;
        for (TextId id : c.lockoutItems)
            lockout.push_back(Text(id));
        for (TextId id : c.unmuteItems)
            unmute.push_back(Text(id));
        EXPECT_EQ(rules.ListItems(DetailList::Lockout), lockout);
        EXPECT_EQ(rules.ListItems(DetailList::Unmute), unmute);
        EXPECT_EQ(rules.ListSelection(DetailList::Lockout), c.selection);
        EXPECT_EQ(rules.ListText(DetailList::Lockout), lockout[static_cast<std::size_t>(c.selection)]);
        rules.Cancel();
    }
}

TEST_F(ChannelDetailRulesTest, ThirdLockoutItemWithoutToneStoresOptionSignalling) {
    ChannelDetailRules& rules = OpenWith(2, true, true);
    ASSERT_TRUE(rules.SelectItem(DetailList::Decode, 0)) << "decode off";
    EXPECT_TRUE(Record().Tone(Direction::Rx).IsNone());
    EXPECT_EQ(rules.ListItems(DetailList::Lockout).size(), 3u) << "no tone item";
    EXPECT_EQ(rules.ListText(DetailList::Lockout), Text(3013029)) << "tone lockout without a tone";
    ASSERT_TRUE(rules.SelectItem(DetailList::Lockout, 2));
    EXPECT_EQ(Record().BusyLockout(), 3u);
    EXPECT_FALSE(rules.SelectItem(DetailList::Lockout, 3));
}

TEST_F(ChannelDetailRulesTest, OptionSignallingDecidesUnmuteAndLockout) {
    ChannelDetailRules& rules = OpenWith(0, true, false);
    ASSERT_TRUE(rules.SelectItem(DetailList::Unmute, 1));
    EXPECT_EQ(Record().UnmuteRule(), 1u);
    EXPECT_EQ(rules.ListText(DetailList::Unmute), Text(3013031));
    ASSERT_TRUE(rules.SelectItem(DetailList::Lockout, 2));
    ASSERT_TRUE(rules.SetBox(DetailBox::OptionSignalling, false));
    EXPECT_EQ(rules.ListText(DetailList::Unmute), Text(3013029));
    EXPECT_EQ(rules.ListText(DetailList::Lockout), Text(3013029)) << "3 shown as carrier";
    EXPECT_EQ(Record().BusyLockout(), 3u) << "while it stays stored";
    EXPECT_EQ(Record().UnmuteRule(), 1u) << "until OK";
    rules.Ok();
    EXPECT_EQ(Record().UnmuteRule(), 0u);
    EXPECT_EQ(m_session.image.Byte(layout::ChannelRecordOffset(kRow) + 0xC) & 0xF0, 0);

    // Ticking option signalling turns a tone lockout without a tone into the option lockout.
    ChannelDetailRules again(m_session, m_notifier, kRow);
    again.Open();
    Record().SetBusyLockout(2);
    again.SetBox(DetailBox::OptionSignalling, true);
    EXPECT_EQ(Record().BusyLockout(), 3u);
    again.Cancel();
}

TEST_F(ChannelDetailRulesTest, ListItemsStoreTheirFields) {
    struct Case {
        DetailList list;
        int item;
        std::size_t byte;
        uint8_t mask, value;
    };
    const Case cases[] = {
        {DetailList::ScramblerCode, 15, 0xE, 0xF0, 0xF0}, {DetailList::ScramblerCode, 0, 0xE, 0xF0, 0x00},
        {DetailList::PttId, 3, 0xD, 0xC0, 0xC0},          {DetailList::PttId, 1, 0xD, 0xC0, 0x40},
        {DetailList::Bandwidth, 0, 0xC, 0x02, 0x00},      {DetailList::Encode, 40, 0xA, 0xFF, 0x13},
    };
    ChannelDetailRules& rules = OpenWith(0, false, false);
    rules.SetBox(DetailBox::VoiceScrambler, true);
    for (const Case& c : cases) {
        ASSERT_TRUE(rules.SelectItem(c.list, c.item)) << c.item;
        EXPECT_EQ(m_session.image.Byte(layout::ChannelRecordOffset(kRow) + c.byte) & c.mask, c.value)
            << c.item;
        EXPECT_EQ(rules.ListSelection(c.list), c.item);
    }
    EXPECT_EQ(rules.ListText(DetailList::Encode), "D023N");
}

TEST_F(ChannelDetailRulesTest, EnablingFollowsTheRecord) {
    // RX, TX, decode, encode, lockout, scrambler code, power box; then the TX, decode and encode texts.
    const auto state = [&] {
        std::string s;
        for (bool on :
             {m_rules.IsFrequencyEnabled(Direction::Rx), m_rules.IsFrequencyEnabled(Direction::Tx),
              m_rules.IsListEnabled(DetailList::Decode), m_rules.IsListEnabled(DetailList::Encode),
              m_rules.IsListEnabled(DetailList::Lockout), m_rules.IsListEnabled(DetailList::ScramblerCode),
              m_rules.IsBoxEnabled(DetailBox::HighPower)})
            s += on ? '1' : '0';
        return s + " " + m_rules.FrequencyText(Direction::Tx) + "|" + m_rules.ListText(DetailList::Decode) +
               "|" + m_rules.ListText(DetailList::Encode);
    };
    m_rules.Open();
    EXPECT_EQ(state(), "1111101 455.10000|" + Text(1001023) + "|" + Text(1001023));
    m_rules.SetBox(DetailBox::VoiceScrambler, true);
    m_rules.CommitFrequency(Direction::Tx, "", true);
    EXPECT_EQ(state(), "1110111 |" + Text(1001023) + "|");
    EXPECT_FALSE(m_rules.SelectItem(DetailList::Encode, 1));
    m_rules.CommitFrequency(Direction::Rx, "", true);
    EXPECT_EQ(state(), "1000000 ||");
    EXPECT_FALSE(m_rules.SetBox(DetailBox::BeatShift, true));
}

TEST_F(ChannelDetailRulesTest, CancelPutsEveryByteBack) {
    Record().SetBusyLockout(3);
    const RadioImage before = m_session.image;
    m_rules.Open();
    m_rules.CommitFrequency(Direction::Rx, "460.0125", true);
    m_rules.CommitTypedTone(Direction::Rx, "D754I");
    m_rules.SetBox(DetailBox::BeatShift, true);
    m_rules.SetBox(DetailBox::OptionSignalling, true);
    m_rules.SelectItem(DetailList::Unmute, 1);
    m_rules.SelectItem(DetailList::PttId, 2);
    ASSERT_FALSE(m_session.image == before);
    m_rules.Cancel();
    EXPECT_TRUE(m_session.image == before);
    // A window may still report an edit while it closes; it must not land behind the undo.
    EXPECT_FALSE(m_rules.SetBox(DetailBox::BeatShift, true));
    EXPECT_FALSE(m_rules.CommitFrequency(Direction::Rx, "146", true).stored);
    EXPECT_TRUE(m_session.image == before);
}

TEST_F(ChannelDetailRulesTest, OkOnAnEmptiedChannelReleasesItsReferences) {
    m_session.image.SetByte(layout::kEmergencyChannel, kRow);
    m_rules.Open();
    m_rules.CommitFrequency(Direction::Rx, "", true);
    m_rules.Ok();
    EXPECT_EQ(m_session.image.Byte(layout::kEmergencyChannel), 0);
    EXPECT_EQ(m_messenger.ShownIds(), std::vector<TextId>{3003027});
}

TEST_F(ChannelDetailRulesTest, TitleNamesTheGroupOnlyWhenGroup2CanBeUsed) {
    const std::string channel2 = Text(3002059) + " -" + Text(3013041) + "-";
    EXPECT_EQ(m_rules.Title(), Text(3002059) + " -" + Text(1001077) + " " + Text(3013041) + "-");
    m_session.image.SetByte(layout::kProgrammableKey2, 0);
    EXPECT_EQ(m_rules.Title(), channel2);
    EXPECT_EQ(ChannelDetailRules(m_session, m_notifier, 2).Title(), channel2);
}

} // namespace
} // namespace rpx
