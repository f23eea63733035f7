#include <gtest/gtest.h>

#include <thread>

#include "tests/sim/radio_bench.h"

namespace rpx::sim::test {
namespace {

TEST(RequestAssembly, RequestArrivingInPiecesIsAssembled) {
    RadioBench bench;
    bench.Send(Text("PRO"));
    std::this_thread::sleep_for(5ms);
    EXPECT_EQ(bench.Ask(Text("GRAM"), 1), Bytes{kAck});
}

TEST(RequestAssembly, IncompleteRequestIsDroppedWhenTheLineFallsSilent) {
    RadioBench bench;
    bench.EnterProgramming();
    bench.Send({'R', 0x00});
    std::this_thread::sleep_for(kSilence);
    // Had the two bytes been kept, 0x02 would have made them a read request of page 0.
    EXPECT_EQ(bench.Ask({0x02}, 8).size(), 8u);
    EXPECT_EQ(bench.Radio().Counters().droppedBytes, 2);
}

TEST(RequestAssembly, BytesThatStartNoRequestAreSkipped) {
    RadioBench bench;
    bench.EnterProgramming();
    EXPECT_EQ(bench.Ask({0x99, 'N', 0x02}, 8).size(), 8u);
    EXPECT_EQ(bench.Radio().Counters().droppedBytes, 2);
}

TEST(RequestAssembly, MemorySizeRequestIsTakenOnceNoProgramFollows) {
    RadioBench bench;
    bench.EnterProgramming();
    EXPECT_EQ(bench.Ask({0x50}, 10).size(), 10u);
    EXPECT_EQ(bench.Radio().Requests().back(), Bytes{0x50});
}

TEST(RequestAssembly, LogsHoldEachRequestAndReplyAsTheyCrossedTheLine) {
    RadioBench bench;
    bench.EnterProgramming();
    const Bytes identification = bench.Ask({0x02}, 8);
    bench.Acknowledge();
    EXPECT_EQ(bench.Radio().Requests(), (std::vector<Bytes>{Text("PROGRAM"), {0x02}, {kAck}}));
    EXPECT_EQ(bench.Radio().Replies(), (std::vector<Bytes>{{kAck}, identification, {kAck}}));
    EXPECT_EQ(bench.Radio().Counters().requests, 3);
    EXPECT_EQ(bench.Radio().Counters().replies, 3);
}

} // namespace
} // namespace rpx::sim::test
