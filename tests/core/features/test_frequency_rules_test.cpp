#include <gtest/gtest.h>

#include "core/features/test_frequency_rules.h"
#include "core/radio/image_defaults.h"
#include "tests/core/features/rules_fixture.h"

namespace rpx {
namespace {

constexpr TextId kOutOfBand = 3003043;
constexpr TextId kWriteBeforeTestMode = 3003025;

class TestFrequencyRulesTest : public test::RulesFixture<TestFrequencyRules> {
protected:
    // A band-1 image (146..174 MHz) with the band's test frequencies.
    TestFrequencyRulesTest() {
        session.image = test::NewImage("MDL1B", 0x11);
        ApplyBandTestFrequencies(session.image);
        Reopen();
    }
    std::string Bytes(std::size_t offset, std::size_t count) const {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += (i ? " " : "") + std::to_string(session.image.Byte(offset + i));
        return text;
    }
};

TEST_F(TestFrequencyRulesTest, FieldsStoreAsChannelCellsWithTheWarningOnlyForTypedText) {
    const struct {
        int record;
        Direction direction;
        const char* typed;
        bool modified;
        const char* shown;
        const char* record8Bytes; // the whole record afterwards
        bool warn;
    } cases[] = {
        // The 5 kHz raster is exact; 7.5 and 2.5 kHz do not replace it.
        {9, Direction::Rx, "146.52", true, "146.52000", "0 32 101 20 255 255 255 255", false},
        {9, Direction::Tx, "146.5225", true, "146.52250", "255 255 255 255 80 34 101 20", false},
        {9, Direction::Rx, "200", true, "200.00000", "0 0 0 32 255 255 255 255", true},
        {9, Direction::Rx, "200", false, "200.00000", "0 0 0 32 255 255 255 255", false},
        {9, Direction::Rx, "1465", true, "174.00000", "0 0 64 23 255 255 255 255", true},
        // Emptying the receive side empties the record; the transmit side goes alone.
        {1, Direction::Rx, "", true, "", "255 255 255 255 255 255 255 255", false},
        {1, Direction::Tx, "", true, "", "0 80 0 22 255 255 255 255", false},
    };
    for (const auto& c : cases) {
        rules.reset();
        session.image.Fill(TestFrequencyRules::Offset::kTable + 8 * 8, 8, 0xFF);
        Reopen();
        const TestFrequencyRules::Commit commit =
            rules->CommitFrequency(c.record, c.direction, c.typed, c.modified);
        EXPECT_FALSE(commit.refilled) << c.typed;
        EXPECT_EQ(commit.warn, c.warn) << c.typed;
        EXPECT_EQ(rules->FrequencyText(c.record, c.direction), c.shown) << c.typed;
        EXPECT_EQ(Bytes(TestFrequencyRules::FrequencyOffset(c.record, Direction::Rx), 8), c.record8Bytes)
            << c.typed;
    }
}

TEST_F(TestFrequencyRulesTest, EmptyingTheWholeTableRefillsTheBandDefaultsAndCancelPutsEveryByteBack) {
    ASSERT_FALSE(rules->CommitFrequency(10, Direction::Rx, "150", true).refilled);
    // The band's defaults fill records 1..6; emptying their last side empties the table.
    for (int record = 1; record <= 6; ++record) {
        ASSERT_FALSE(rules->CommitFrequency(record, Direction::Tx, "", true).refilled) << record;
        ASSERT_FALSE(rules->CommitFrequency(record, Direction::Rx, "", true).refilled) << record;
    }
    EXPECT_TRUE(rules->CommitFrequency(10, Direction::Rx, "", true).refilled);
    EXPECT_EQ(rules->FrequencyText(1, Direction::Rx), "160.05000");
    EXPECT_EQ(session.image, before);
    ASSERT_FALSE(rules->CommitFrequency(2, Direction::Tx, "151", true).refilled);
    rules.reset();
    EXPECT_EQ(session.image, before);
}

TEST_F(TestFrequencyRulesTest, OkKeepsTheChangeAndAsksForAWrite) {
    ASSERT_TRUE(rules->Set("16.tx", "170").Ok());
    EXPECT_TRUE(rules->Ok());
    rules.reset();
    EXPECT_EQ(Reopen().FrequencyText(16, Direction::Tx), "170.00000");
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kWriteBeforeTestMode}));
}

TEST_F(TestFrequencyRulesTest, CommandLineTakesOnlyWhatTheFieldTakesAndWarnsOutOfBand) {
    ASSERT_TRUE(rules->Set("2.rx", "200").Ok());
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{kOutOfBand});
    const RadioImage taken = session.image;
    EXPECT_FALSE(rules->Set("1.rx", "146,5").Ok());
    EXPECT_FALSE(rules->Set("1.rx", "146.5000000").Ok());
    EXPECT_FALSE(rules->Set("17.rx", "146").Ok());
    EXPECT_FALSE(rules->Set("1.RX", "146").Ok());
    EXPECT_EQ(session.image, taken);
    EXPECT_EQ(rules->Fields().front(),
              (SettingField{"1.rx", "160.05000", TestFrequencyRules::kRxHeading, " 1"}));
    EXPECT_EQ(rules->Fields().size(), 32u);
}

} // namespace
} // namespace rpx
