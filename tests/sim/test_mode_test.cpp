#include <gtest/gtest.h>

#include "core/radio/image_layout.h"
#include "tests/sim/radio_bench.h"

namespace rpx::sim::test {
namespace {

RadioSetup WithVolume(uint8_t volume) {
    RadioSetup setup;
    setup.adjustments[kVolumeEntry] = volume;
    return setup;
}

// The adjustment values as the radio reports them, its ACK exchange included.
Bytes ReadAdjustments(RadioBench& bench) {
    const Bytes values = bench.Ask({0x05}, kAdjustmentCount);
    EXPECT_EQ(bench.Acknowledge(), Bytes{kAck});
    return values;
}

TEST(TestMode, TuningIsAcknowledgedAndEntersTestMode) {
    RadioBench bench;
    bench.EnterTesting();
    EXPECT_EQ(bench.Radio().Mode(), RadioMode::Testing);
    EXPECT_EQ(bench.Ask({0x02}, 8).size(), 8u);
    EXPECT_EQ(bench.Acknowledge(), Bytes{kAck});
}

TEST(TestMode, AdjustmentValuesAreTheSixtyTwoBytesOfTheRadioThenAnAckExchange) {
    RadioBench bench;
    bench.EnterTesting();
    const AdjustmentTable defaults = DefaultAdjustments();
    EXPECT_EQ(ReadAdjustments(bench), Bytes(defaults.begin(), defaults.end()));
}

TEST(TestMode, TestChannelRecordIsItsEightBytesOfMemoryThenAnAckExchange) {
    TestChannelTable table;
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<uint8_t>(i);
    RadioSetup setup;
    setup.testChannels = table;
    RadioBench bench(setup);
    bench.EnterTesting();
    for (uint8_t n : {1, 7, 16}) {
        const auto record = table.begin() + (n - 1) * 8;
        EXPECT_EQ(bench.Ask({0x10, n}, 8), Bytes(record, record + 8)) << int(n);
        EXPECT_EQ(bench.Acknowledge(), Bytes{kAck}) << int(n);
    }
    EXPECT_EQ(MemoryBytes(bench.Radio().Memory(), layout::kTestFrequencies, 128),
              Bytes(table.begin(), table.end()));
}

TEST(TestMode, TestChannelOutsideOneToSixteenIsRefused) {
    RadioBench bench;
    bench.EnterTesting();
    for (uint8_t n : {0, 17})
        EXPECT_EQ(bench.Ask({0x10, n}, 1), Bytes{kNak}) << int(n);
}

TEST(TestMode, EachDialogRequestIsAnsweredWithOneByte) {
    const Bytes requests[] = {
        {0x11, 0x05}, {0x08, 0x0D}, {0x08, 0x0E},       {'F'},        {'G'},       {0x7D, 0x0A},
        {0x7D, 0x0B}, {0x12, 0x0D}, {0x30, 0x20, 0x80}, {0x12, 0x0E}, {0x72, 0x0D}};
    RadioBench bench;
    bench.EnterTesting();
    for (const Bytes& request : requests)
        EXPECT_EQ(bench.Ask(request, 1), Bytes{kAck}) << int(request[0]);
}

TEST(TestMode, TransmitterSpacingAndSignallingFollowTheRequests) {
    RadioBench bench;
    bench.EnterTesting();
    bench.Ask({0x08, 0x0D}, 1);
    bench.Ask({'G'}, 1);
    bench.Ask({0x11, 0x04}, 1);
    TestPanelState state = bench.Radio().TestState();
    EXPECT_TRUE(state.transmitting);
    EXPECT_FALSE(state.wide);
    EXPECT_EQ(state.signalling, 4);
    bench.Ask({0x08, 0x0E}, 1);
    bench.Ask({'F'}, 1);
    state = bench.Radio().TestState();
    EXPECT_FALSE(state.transmitting);
    EXPECT_TRUE(state.wide);
}

TEST(TestMode, VolumeStepsStayWithinZeroToThirtyOne) {
    struct Case {
        uint8_t start;
        uint8_t step;
        uint8_t expected;
    };
    for (const Case& c : {Case{30, 0x0A, 31}, Case{1, 0x0B, 0}, Case{16, 0x0A, 18}}) {
        RadioBench bench(WithVolume(c.start));
        bench.EnterTesting();
        bench.Ask({0x7D, c.step}, 1);
        bench.Ask({0x7D, c.step}, 1);
        EXPECT_EQ(ReadAdjustments(bench).back(), c.expected) << int(c.start);
    }
}

TEST(TestMode, TuningValueIsStoredInTheEntryOfItsPointAndSpacing) {
    struct Case {
        char spacing;
        uint8_t code;
        std::size_t entry;
    };
    const Case cases[] = {{'F', 12, 0},  {'G', 12, 4},  {'F', 115, 2}, {'F', 18, 10},
                          {'F', 50, 15}, {'G', 29, 44}, {'F', 55, 48}, {'F', 32, 22}};
    for (const Case& c : cases) {
        RadioBench bench;
        bench.EnterTesting();
        bench.Ask({static_cast<uint8_t>(c.spacing)}, 1);
        bench.Ask({c.code, 0x0D}, 1);
        EXPECT_EQ(bench.Radio().TestState().tuningPoint, c.code);
        bench.Ask({c.code, 0x20, 0xE7}, 1);
        bench.Ask({c.code, 0x0E}, 1);
        EXPECT_EQ(ReadAdjustments(bench)[c.entry], 0xE7) << int(c.code) << c.spacing;
    }
}

TEST(TestMode, LeavingTestModeEndsIt) {
    RadioBench bench;
    bench.EnterTesting();
    bench.Send({'E'});
    EXPECT_TRUE(bench.Ask({0x05}, 1, kSilence).empty());
    EXPECT_EQ(bench.Radio().Mode(), RadioMode::Idle);
}

} // namespace
} // namespace rpx::sim::test
