#include <gtest/gtest.h>

#include "sim/wire_clock.h"
#include "tests/sim/radio_bench.h"

namespace rpx::sim::test {
namespace {

TEST(WireClock, BackToBackBytesDoNotDriftAndAByteAfterAnIdleLineStartsWhenReady) {
    WireClock clock;
    const Clock::time_point start{};
    Clock::time_point last{};
    for (int n = 0; n < 9600; ++n)
        last = clock.Next(start + std::chrono::microseconds(n)); // each ready long before its turn
    EXPECT_EQ(last - start, std::chrono::seconds(11));
    const Clock::time_point later = start + std::chrono::seconds(20);
    EXPECT_EQ(clock.Next(later), later + std::chrono::duration_cast<Clock::duration>(kByteTime));
}

TEST(Pacing, PacedBlockReplyTakesAtLeastItsTimeOnTheWire) {
    RadioSetup setup;
    setup.pace = true;
    RadioBench bench(setup);
    bench.EnterProgramming();
    const auto start = Clock::now();
    const Bytes reply = bench.Ask({'R', 0x00, 0x20, 0x10}, 20);
    const auto elapsed = Clock::now() - start;
    ASSERT_EQ(reply.size(), 20u);
    EXPECT_EQ(Bytes(reply.begin() + 4, reply.end()), MemoryBytes(NewRadioImage(), 0x020, 16));
    EXPECT_GE(elapsed, 20 * kByteTime);
}

} // namespace
} // namespace rpx::sim::test
