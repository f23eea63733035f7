#include <gtest/gtest.h>

#include "tests/sim/radio_bench.h"

namespace rpx::sim::test {
namespace {

// Each fault, given by its command-line name, spoils the second of three equal requests; the first
// and the third are answered alike. The entering PROGRAM and its ACK count as the first of theirs.
TEST(RadioFault, EachKindSpoilsOnlyTheChosenOccurrence) {
    const Bytes read = {'R', 0x00, 0x40, 0x10};
    const Bytes block = Join({{'W', 0x00, 0x40, 0x10}, MemoryBytes(PatternImage(), 0x040, 16)});
    const Bytes identification = Text("MDL2A1\xFF\xFF");
    const struct {
        const char* fault;
        Bytes request;
        Bytes good;
        Bytes spoilt;
    } cases[] = {
        {"no-program-ack:3", Text("PROGRAM"), {kAck}, {}},
        {"no-block-reply:2", read, block, {}},
        {"short-block:2", read, block, Bytes(block.begin(), block.end() - 1)},
        {"bad-block-start:2", read, block, Join({{0x5A}, Bytes(block.begin() + 1, block.end())})},
        {"bad-length:2", read, block, Join({{'W', 0x00, 0x40, 0x08}, Bytes(block.begin() + 4, block.end())})},
        {"nak-write:2", WriteRequest(0x100, 0x42), {kAck}, {kNak}},
        {"slow-reply:3", {0x02}, identification, {}}, // late, not lost: it comes after the program gave up
        {"garbage:3", {0x02}, identification, Join({{0x00, 0x55, 0xAA}, identification})},
    };
    for (const auto& c : cases) {
        const std::optional<RadioFault> fault = ParseRadioFault(c.fault);
        ASSERT_TRUE(fault.has_value()) << c.fault;
        RadioSetup setup;
        setup.image = PatternImage();
        setup.faults = {*fault};
        RadioBench bench(setup);
        bench.EnterProgramming();
        EXPECT_EQ(bench.Ask(c.request, c.good.size()), c.good) << c.fault;
        const std::size_t awaited = std::max<std::size_t>(c.spoilt.size(), 1);
        EXPECT_EQ(bench.Ask(c.request, awaited, c.spoilt.empty() ? kSilence : 1000ms), c.spoilt) << c.fault;
        if (fault->kind == FaultKind::SlowReply) {
            EXPECT_EQ(bench.Collect(c.good.size(), 2000ms), c.good);
        }
        EXPECT_EQ(bench.Ask(c.request, c.good.size()), c.good) << c.fault;
    }
}

TEST(RadioFault, NamesWithoutAValidOccurrenceAreRefused) {
    EXPECT_EQ(ParseRadioFault("garbage"), (RadioFault{FaultKind::Garbage, 1}));
    for (const char* text : {"garbage:0", "garbage:", "garbage:2x", "noise", ""})
        EXPECT_EQ(ParseRadioFault(text), std::nullopt) << text;
}

} // namespace
} // namespace rpx::sim::test
