#include <gtest/gtest.h>

#include <optional>

#include "core/trunking/new_access_code_rules.h"
#include "core/trunking/smartrunk_rules.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

using O = BoardImage::Offset;

class SmarTrunkRulesTest : public ::testing::Test {
protected:
    std::string Stored(std::size_t offset, std::size_t count) const {
        return session.board.Text(offset, count);
    }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::ShippedTexts()};
    std::optional<SmarTrunkRules> rules{std::in_place, session, notifier};
};

TEST_F(SmarTrunkRulesTest, CodesNeedFourDigitsElseBecomeZeros) {
    const struct {
        const char* typed;
        const char* stored;
        bool refused;
    } cases[] = {{"4711", "04070101", false},
                 {"123", "00000000", true},
                 {"12a4", "00000000", true},
                 {"", "00000000", true}};
    for (const auto& c : cases) {
        rules->CommitCode(BoardCode::Primary, "9999");
        const auto commit = rules->CommitCode(BoardCode::Primary, c.typed);
        EXPECT_EQ(Stored(O::kPrimaryCode, 8), c.stored) << c.typed;
        EXPECT_EQ(commit.refused, c.refused) << c.typed;
        EXPECT_EQ(commit.shown, c.refused ? "0000" : c.typed);
    }
}

TEST_F(SmarTrunkRulesTest, UpperBlockStaysWithinNineteenAboveTheLowerBlock) {
    using Blocks = SmarTrunkRules::Blocks;
    EXPECT_EQ(rules->CommitLowerBlock("0100"), (Blocks{"0100", "0100"}));
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"0150", "0119"}, {"0050", "0100"}, {"0119", "0119"}, {"0105", "0105"}, {"12", "0100"}};
    for (const auto& c : cases)
        EXPECT_EQ(rules->CommitUpperBlock(c.typed), c.shown) << c.typed;
    EXPECT_EQ(Stored(O::kUpperBlock, 8), "00010000");

    EXPECT_EQ(rules->CommitLowerBlock("9990"), (Blocks{"9990", "9990"}));
    EXPECT_EQ(rules->CommitUpperBlock("9999"), "9999"); // no fifth digit
    EXPECT_EQ(rules->CommitLowerBlock("77"), (Blocks{"0000", "0000"}));
    EXPECT_EQ(Stored(O::kLowerBlock, 8), "00000000");
}

TEST_F(SmarTrunkRulesTest, SystemToneAndIdAreClampedAndStoredInTheirForms) {
    const struct {
        bool tone; // else the system ID
        const char* typed;
        int shown;
        const char* stored;
    } cases[] = {{true, "5", 5, "0005"},    {true, "9", 6, "0006"},    {true, "", 3, "0003"},
                 {false, "40", 31, "001F"}, {false, "10", 10, "000A"}, {false, "", 0, "0000"}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.tone ? rules->CommitSystemTone(c.typed) : rules->CommitSystemId(c.typed), c.shown)
            << c.typed;
        EXPECT_EQ(Stored(c.tone ? O::kSystemTone : O::kSystemId, 4), c.stored) << c.typed;
    }
}

TEST_F(SmarTrunkRulesTest, ListsStoreTheirChoiceAndReadTheTwoCharacterRule) {
    session.board.SetText(O::kBusyChannelDetect, "00FF");
    EXPECT_EQ(rules->ChoiceSelection(BoardChoice::BusyChannelDetect), 0);
    rules->SelectChoice(BoardChoice::BusyChannelDetect, 1);
    EXPECT_EQ(Stored(O::kBusyChannelDetect, 4), "0000");
    rules->SelectChoice(BoardChoice::RadioKill, 0);
    EXPECT_EQ(Stored(O::kRadioKill, 4), "0001");
    EXPECT_EQ(rules->ChoiceItems(BoardChoice::RadioKill)[0], test::ShippedText(3019097));
}

TEST_F(SmarTrunkRulesTest, TablesAndRowNames) {
    EXPECT_EQ(rules->CommitSpeedDial(3, "5551234"), "5551234");
    EXPECT_EQ(Stored(BoardImage::SpeedDialOffset(3), 16), "FFFFFFFFF5551234");
    EXPECT_EQ(rules->CommitCodeListEntry(0, ""), "000");
    EXPECT_EQ(rules->SpeedDialLabel(0), test::ShippedText(3019077) + " 0");
    EXPECT_EQ(rules->SpeedDialLabel(10), test::ShippedText(3019079) + " A");
    EXPECT_EQ(rules->SpeedDialLabel(13), "D");
}

TEST_F(SmarTrunkRulesTest, CancelRestoresEveryCharacterAndTheAccessCodeFlag) {
    const BoardImage before = session.board;
    rules->CommitCode(BoardCode::Primary, "1234");
    rules->SetAccessCode("12345");
    EXPECT_TRUE(session.accessCodeKnown);
    rules.reset();
    EXPECT_EQ(session.board, before);
    EXPECT_FALSE(session.accessCodeKnown);

    rules.emplace(session, notifier);
    rules->SetAccessCode("12345");
    rules->Ok();
    rules.reset();
    EXPECT_EQ(session.board.AccessCode(), "12345");
}

TEST_F(SmarTrunkRulesTest, NewAccessCodeIsStoredOnlyOnceVerifiedAndConfirmed) {
    NewAccessCodeRules access(*rules, notifier);
    const std::string before = Stored(O::kAccessCode, 12);
    EXPECT_EQ(access.Ok("12345", "12354"), NewAccessCodeRules::Outcome::Mismatch);
    messenger.Answer(MessageAnswer::Cancel);
    EXPECT_EQ(access.Ok("12345", "12345"), NewAccessCodeRules::Outcome::Declined);
    EXPECT_EQ(Stored(O::kAccessCode, 12), before);
    EXPECT_FALSE(session.accessCodeKnown);
    EXPECT_EQ(access.Ok("12345", "12345"), NewAccessCodeRules::Outcome::Changed);
    EXPECT_EQ(Stored(O::kAccessCode, 12), "000102030405");
    EXPECT_TRUE(session.accessCodeKnown);

    EXPECT_TRUE(access.RefuseShortCode("123"));
    EXPECT_FALSE(access.RefuseShortCode(""));
    EXPECT_FALSE(access.RefuseShortCode("12345"));
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{3019015, 3019017, 3019017, 3003037}));
}

} // namespace
} // namespace rpx
