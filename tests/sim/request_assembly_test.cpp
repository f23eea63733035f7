#include <gtest/gtest.h>

#include <thread>

#include "tests/sim/radio_bench.h"

namespace rpx::sim::test {
namespace {

TEST(RequestAssembly, PiecesAreJoinedUntilTheLineFallsSilentAndStrayBytesAreDropped) {
    const Bytes identification = Text("MDL2A1\xFF\xFF");
    const struct {
        const char* name;
        bool programming;
        Bytes piece;
        std::chrono::milliseconds pause;
        Bytes rest;
        Bytes reply;
        int dropped;
    } cases[] = {
        {"request in two pieces", false, Text("PRO"), 5ms, Text("GRAM"), {kAck}, 0},
        // Had the two bytes been kept, 0x02 would have made them a read request of page 0.
        {"unfinished request", true, {'R', 0x00}, kSilence, {0x02}, identification, 2},
        {"bytes that start no request", true, {0x99, 'N'}, 0ms, {0x02}, identification, 2},
    };
    for (const auto& c : cases) {
        RadioBench bench;
        if (c.programming)
            bench.EnterProgramming();
        bench.Send(c.piece);
        std::this_thread::sleep_for(c.pause);
        EXPECT_EQ(bench.Ask(c.rest, c.reply.size()), c.reply) << c.name;
        EXPECT_EQ(bench.Radio().Counters().droppedBytes, c.dropped) << c.name;
    }
}

} // namespace
} // namespace rpx::sim::test
