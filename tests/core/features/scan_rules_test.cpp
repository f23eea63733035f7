#include <gtest/gtest.h>

#include "core/features/scan_rules.h"
#include "tests/core/features/rules_fixture.h"

namespace rpx {
namespace {

using Time = ScanRules::Time;

class ScanRulesTest : public test::RulesFixture<ScanRules> {
protected:
    ScanRules& Open(uint8_t revert, uint8_t delay, uint8_t dwell, uint8_t offHook) {
        rules.reset();
        session.image.SetByte(ScanRules::Offset::kRevertChannel, revert);
        session.image.SetByte(ScanRules::Offset::kDropoutDelay, delay);
        session.image.SetByte(ScanRules::Offset::kDwellTime, dwell);
        session.image.SetByte(ScanRules::Offset::kOffHookScan, offHook);
        return Reopen();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const SettingField& field : rules->Fields())
            texts.push_back(field.text);
        return texts;
    }
};

TEST_F(ScanRulesTest, OpeningShowsStoredValuesAndOutOfRangeTimesAsThreeSecondsWithoutWriting) {
    Open(7, 0, 11, 2);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Last Called", "3.0", "3.0", "off"}));
    EXPECT_EQ(Byte(ScanRules::Offset::kDropoutDelay), 0);
    Open(0, 1, 10, 1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Selected", "0.5", "5.0", "on"}));
}

TEST_F(ScanRulesTest, TimeFieldRoundsToHalfSecondsTiesToTheSmallerAndClamps) {
    const struct {
        const char* typed;
        int stored;
    } cases[] = {
        {"2.2", 4},  {"2.25", 4}, {"2.3", 5}, {"0.75", 1}, {"4.75", 9}, {"9", 10},
        {"5.2", 10}, {"0.1", 1},  {"0", 6},   {"abc", 6},  {"", 6},     {"0.0", 6},
    };
    for (const auto& c : cases) {
        Open(0, 3, 3, 0);
        EXPECT_EQ(rules->CommitTime(Time::DwellTime, c.typed), c.stored) << c.typed;
        EXPECT_EQ(Byte(ScanRules::Offset::kDwellTime), c.stored) << c.typed;
    }
    EXPECT_EQ(ScanRules::HalfSecondsText(1), "0.5");
    EXPECT_EQ(ScanRules::HalfSecondsText(9), "4.5");
}

TEST_F(ScanRulesTest, SpinStepsToTheNextHalfSecondAndWraps) {
    const struct {
        const char* text;
        int position, step, next;
    } cases[] = {
        {"2.5", 1, -1, 4}, {"2.5", 1, 1, 6}, {"2.3", 1, -1, 4}, {"2.3", 1, 1, 5}, {"0.5", 5, -1, 10},
        {"5.0", 5, 1, 1},  {"9", 5, -1, 1},  {"0", 7, 1, 8},    {"", 10, 1, 1},   {"abc", 1, -1, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScanRules::SpinStep(c.text, c.position, c.step), c.next) << c.text << ' ' << c.step;
}

TEST_F(ScanRulesTest, SetTakesWhatTheControlsTakeAndRefusesTheRestUnchanged) {
    const struct {
        const char* key;
        const char* value;
        bool taken;
        std::size_t offset;
        uint8_t stored;
    } cases[] = {
        {"revert-channel", "last called", true, ScanRules::Offset::kRevertChannel, 1},
        {"revert-channel", "#0", true, ScanRules::Offset::kRevertChannel, 0},
        {"revert-channel", "#2", false, ScanRules::Offset::kRevertChannel, 5},
        {"dropout-delay-time", "4.5", true, ScanRules::Offset::kDropoutDelay, 9},
        {"dropout-delay-time", "10.5", false, ScanRules::Offset::kDropoutDelay,
         3}, // the point only after the first digit
        {"dropout-delay-time", "2.55", false, ScanRules::Offset::kDropoutDelay,
         3}, // three characters at most
        {"tx-dwell-time", "0", true, ScanRules::Offset::kDwellTime, 6},
        {"tx-dwell-time", "-1", false, ScanRules::Offset::kDwellTime, 3},
        {"off-hook-scan", "on", true, ScanRules::Offset::kOffHookScan, 1},
        {"off-hook-scan", "yes", false, ScanRules::Offset::kOffHookScan, 2},
        {"scan-type", "1", false, ScanRules::Offset::kRevertChannel, 5},
    };
    for (const auto& c : cases) {
        Open(5, 3, 3, 2);
        const Status status = rules->Set(c.key, c.value);
        EXPECT_EQ(status.Ok(), c.taken) << c.key << '=' << c.value;
        EXPECT_EQ(status.Message().empty(), c.taken) << c.key << '=' << c.value;
        EXPECT_EQ(session.image.Byte(c.offset), c.stored) << c.key << '=' << c.value;
    }
}

TEST_F(ScanRulesTest, ClosingWithoutOkPutsEveryByteBack) {
    Open(1, 4, 4, 1);
    ASSERT_TRUE(rules->Set("tx-dwell-time", "1").Ok());
    rules->SetOffHookScan(false);
    rules->SelectRevert(0);
    rules.reset();
    EXPECT_EQ(session.image, before);
}

} // namespace
} // namespace rpx
