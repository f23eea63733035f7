#include <gtest/gtest.h>

#include "core/features/optional_rules.h"
#include "tests/core/features/rules_fixture.h"

namespace rpx {
namespace {

using Number = OptionalRules::Number;
using List = OptionalRules::List;
using Offset = OptionalRules::Offset;

class OptionalRulesTest : public test::RulesFixture<OptionalRules> {
protected:
    OptionalRulesTest() {
        RadioImage& image = session.image;
        image.SetModelString("MDL1B");
        image.SetRangeCode(0x11);
        image.SetByte(RadioImage::kModelOptions, 0xFF); // data signalling allowed
        image.SetByte(Offset::kTot, 6);
        image.SetByte(Offset::kPreAlert, 5);
        image.SetByte(Offset::kSquelch, 3);
        image.SetByte(Offset::kPassword, 0xFF);
        for (std::size_t channel = 1; channel <= 8; ++channel)
            image.SetByte(layout::ChannelRecordOffset(channel), channel == 2 || channel == 6 ? 0xFF : 0);
    }
    std::vector<std::string> ItemTexts(List list) const {
        std::vector<std::string> texts;
        for (const OptionalRules::Item& item : rules->Items(list))
            texts.push_back(item.text);
        return texts;
    }
};

TEST_F(OptionalRulesTest, OpeningShowsTimersOffForZeroAnd3CAndCorrectsBytesThatCancelPutsBack) {
    for (uint8_t tot : {uint8_t{0}, uint8_t{0x3C}}) {
        rules.reset();
        session.image.SetByte(Offset::kTot, tot);
        Reopen();
        EXPECT_EQ(FieldText("tot"), "Off");
        EXPECT_FALSE(rules->Enabled(Number::PreAlert));
        EXPECT_EQ(Byte(Offset::kTot), tot);
    }
    rules.reset();
    session.image.SetByte(Offset::kTot, 45); // beyond 300 s: shows a minute, the byte stays
    session.image.SetByte(Offset::kSquelch, 12);
    session.image.SetByte(Offset::kTrunkingGroups, 3);
    Reopen();
    EXPECT_EQ(std::tuple(FieldText("tot"), FieldText("pre-alert"), FieldText("squelch")),
              std::tuple("60", "5", "1"));
    EXPECT_EQ(std::tuple(Byte(Offset::kTot), Byte(Offset::kSquelch), Byte(Offset::kTrunkingGroups)),
              std::tuple(45, 1, 1));
    rules.reset();
    EXPECT_EQ(session.image, before);
}

TEST_F(OptionalRulesTest, TimeOutTimerRoundsTo30SecondStepsTiesToTheSmallerAndOffClearsAllFour) {
    const struct {
        const char* typed;
        uint8_t stored;
    } cases[] = {{"44", 3},   {"45", 3},   {"46", 6},  {"1", 3},
                 {"999", 30}, {"300", 30}, {"", 0x3C}, {"0", 0x3C}};
    for (const auto& c : cases) {
        Reopen().CommitNumber(Number::Tot, c.typed);
        EXPECT_EQ(Byte(Offset::kTot), c.stored) << c.typed;
        EXPECT_EQ(Byte(Offset::kPreAlert), c.stored == 0x3C ? 0 : 5) << c.typed;
        EXPECT_EQ(rules->Enabled(Number::Rekey), c.stored != 0x3C) << c.typed;
    }
    rules.reset();
    session.image.SetByte(Offset::kTot, 0);
    Reopen().CommitNumber(Number::Tot, "Off"); // leaving a field that shows off changes nothing
    EXPECT_EQ(Byte(Offset::kTot), 0);
}

TEST_F(OptionalRulesTest, NumberFieldsClampAndSpinsWrap) {
    const struct {
        Number number;
        const char* typed;
        std::size_t offset;
        uint8_t stored;
    } cases[] = {
        {Number::PreAlert, "0", Offset::kPreAlert, 0},
        {Number::PreAlert, "12", Offset::kPreAlert, 10},
        {Number::Rekey, "75", Offset::kRekey, 60},
        {Number::Reset, "15", Offset::kReset, 15},
        {Number::MinimumVolume, "", Offset::kMinimumVolume, 0},
        {Number::MinimumVolume, "40", Offset::kMinimumVolume, 31},
        {Number::Squelch, "", Offset::kSquelch, 1},
        {Number::Squelch, "0", Offset::kSquelch, 0},
    };
    for (const auto& c : cases) {
        Reopen().CommitNumber(c.number, c.typed);
        EXPECT_EQ(Byte(c.offset), c.stored) << c.typed;
    }
    const struct {
        Number number;
        uint8_t start;
        int direction;
        uint8_t stored;
        const char* shown;
    } spins[] = {
        {Number::Tot, 30, +1, 0x3C, "Off"},  {Number::Tot, 0x3C, -1, 30, "300"},
        {Number::Tot, 3, -1, 0x3C, "Off"},   {Number::PreAlert, 10, +1, 0, "Off"},
        {Number::PreAlert, 0, -1, 10, "10"}, {Number::Squelch, 9, +1, 0, "0"},
    };
    for (const auto& s : spins) {
        const std::size_t offset = s.number == Number::Tot       ? Offset::kTot
                                   : s.number == Number::Squelch ? Offset::kSquelch
                                                                 : Offset::kPreAlert;
        rules.reset();
        session.image.SetByte(offset, s.start);
        Reopen().StepNumber(s.number, s.direction);
        EXPECT_EQ(Byte(offset), s.stored) << int(s.start);
        EXPECT_EQ(rules->NumberText(s.number), s.shown) << int(s.start);
    }
}

TEST_F(OptionalRulesTest, PasswordKeepsOnlyTheDigitsOneToFour) {
    Reopen().CommitPassword("1234");
    EXPECT_EQ(rules->PasswordText(), "1234");
    EXPECT_EQ(std::tuple(Byte(Offset::kPassword), Byte(Offset::kPassword + 3), Byte(Offset::kPassword + 4),
                         Byte(Offset::kPassword + 9)),
              std::tuple('1', '4', 0xFF, 0xFF));
    rules->CommitPassword("12a");
    EXPECT_EQ(rules->PasswordText(), "");
    EXPECT_TRUE(session.image.AllEqual(Offset::kPassword, 10, 0xFF));
    EXPECT_TRUE(OptionalRules::SwallowsPasswordKey('5') && OptionalRules::SwallowsPasswordKey('0'));
    EXPECT_FALSE(OptionalRules::SwallowsPasswordKey('4') || OptionalRules::SwallowsPasswordKey('a'));
}

TEST_F(OptionalRulesTest, DataChannelListsProgrammedChannelsPlainOrByGroupAndStoresTheChannel) {
    session.image.SetByte(layout::kProgrammableKey1, 4);
    session.image.SetByte(layout::kProgrammableKey2, 4);
    Reopen();
    EXPECT_EQ(ItemTexts(List::DataChannel), (std::vector<std::string>{"None", "1", "3", "4"}));
    EXPECT_FALSE(rules->Enabled(List::DataChannel)) << "no port is the data channel input";
    rules->Select(List::DataChannel, 2);
    EXPECT_EQ(Byte(Offset::kDataChannel), 3);

    rules.reset();
    session.image.SetByte(layout::kProgrammableKey2, 11);
    session.image.SetByte(layout::kDataChannelList + 4, 3);
    session.image.SetByte(Offset::kDataChannel, 3);
    Reopen();
    EXPECT_EQ(ItemTexts(List::DataChannel),
              (std::vector<std::string>{"None", "Group 1 Ch 1", "Group 1 Ch 3", "Group 1 Ch 4",
                                        "Group 2 Ch 1", "Group 2 Ch 3", "Group 2 Ch 4"}));
    EXPECT_TRUE(rules->Enabled(List::DataChannel));
    EXPECT_EQ(rules->Selection(List::DataChannel), 2);
    rules->Select(List::DataChannel, 6);
    EXPECT_EQ(Byte(Offset::kDataChannel), 8);

    rules.reset();
    session.image.SetModelString("MDL1A"); // a group key without groups leaves nothing to choose
    Reopen();
    EXPECT_EQ(ItemTexts(List::DataChannel), (std::vector<std::string>{"None"}));
}

TEST_F(OptionalRulesTest, ModelGateAndTrunkingModeDecideTheDataSignallingControls) {
    session.image.SetByte(layout::kPortMode, 3);
    session.image.SetByte(layout::kDataChannelList, 3);
    session.image.SetByte(Offset::kTrunkingGroups, 2);
    Reopen();
    EXPECT_TRUE(rules->Enabled(List::TrunkingGroups) && rules->Enabled(List::DataChannel) &&
                rules->Enabled(OptionalRules::Box::DataTxQt));
    rules->Select(List::TrunkingGroups, 1);
    EXPECT_FALSE(rules->TrunkingGroupCountChanged());
    rules->Select(List::TrunkingGroups, 3);
    EXPECT_TRUE(rules->TrunkingGroupCountChanged());
    EXPECT_EQ(Byte(Offset::kTrunkingGroups), 4);

    for (auto [range, options] : {std::pair<uint8_t, uint8_t>{0x23, 0xFF}, {0x11, 0xBF}}) {
        rules.reset();
        session.image.SetRangeCode(range);
        session.image.SetByte(RadioImage::kModelOptions, options);
        Reopen();
        EXPECT_FALSE(rules->Enabled(List::TrunkingGroups) || rules->Enabled(List::DataChannel) ||
                     rules->Enabled(List::PttIdType) || rules->Enabled(OptionalRules::Box::DataTxQt));
    }
}

TEST_F(OptionalRulesTest, SetRefusesGreyedFieldsAndWhatTheFieldsCannotHoldLeavingTheImage) {
    const struct {
        const char* key;
        const char* value;
        bool taken;
    } cases[] = {
        {"tot", "off", true},
        {"pre-alert", "3", false}, // greyed once the timer is off
        {"tot", "1000", false},
        {"squelch", "10", false},
        {"password", "125", false},
        {"password", "", true},
        {"clone-mode", "on", true},
        {"ptt-id-type", "msk", true},
        {"trunking-groups", "2", false}, // greyed outside trunking mode
    };
    Reopen();
    for (const auto& c : cases) {
        const RadioImage unchanged = session.image;
        const Status status = rules->Set(c.key, c.value);
        EXPECT_EQ(status.Ok(), c.taken) << c.key << '=' << c.value;
        if (!c.taken) {
            EXPECT_EQ(session.image, unchanged) << c.key;
        }
    }
    EXPECT_EQ(std::tuple(FieldText("tot"), FieldText("pre-alert"), FieldText("clone-mode"),
                         FieldText("ptt-id-type")),
              std::tuple("Off", "Off", "on", "MSK"));
}

} // namespace
} // namespace rpx
