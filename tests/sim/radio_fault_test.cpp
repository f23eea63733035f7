#include <gtest/gtest.h>

#include "tests/sim/radio_bench.h"

namespace rpx::sim::test {
namespace {

RadioSetup WithFault(FaultKind kind, int occurrence) {
    RadioSetup setup;
    setup.image = PatternImage();
    setup.faults = {{kind, occurrence}};
    return setup;
}

const Bytes kReadRequest = {'R', 0x00, 0x40, 0x10};

Bytes GoodBlockReply() {
    Bytes reply{'W', 0x00, 0x40, 0x10};
    const Bytes data = MemoryBytes(PatternImage(), 0x040, 16);
    reply.insert(reply.end(), data.begin(), data.end());
    return reply;
}

TEST(RadioFault, ProgramGoesUnansweredOnlyAtTheChosenOccurrence) {
    for (int occurrence : {1, 2}) {
        RadioBench bench(WithFault(FaultKind::NoProgramAck, occurrence));
        for (int n = 1; n <= 3; ++n) {
            const Bytes expected = n == occurrence ? Bytes{} : Bytes{kAck};
            EXPECT_EQ(bench.Ask(Text("PROGRAM"), 1, kSilence), expected) << occurrence << " " << n;
        }
    }
}

TEST(RadioFault, BlockReadFaultsStrikeTheChosenReadAndTheRadioKeepsAnswering) {
    struct Case {
        FaultKind kind;
        Bytes faultyReply;
    };
    Bytes shortReply = GoodBlockReply();
    shortReply.pop_back();
    Bytes badStart = GoodBlockReply();
    badStart[0] = 0x5A;
    const Case cases[] = {{FaultKind::NoBlockReply, {}},
                          {FaultKind::ShortBlock, shortReply},
                          {FaultKind::BadBlockStart, badStart}};
    for (const Case& c : cases) {
        RadioBench bench(WithFault(c.kind, 2));
        bench.EnterProgramming();
        EXPECT_EQ(bench.Ask(kReadRequest, 20), GoodBlockReply());
        bench.Acknowledge();
        EXPECT_EQ(bench.Ask(kReadRequest, 20, kSilence), c.faultyReply);
        // The program's Retry identifies the radio again; it is still in programming mode.
        EXPECT_EQ(bench.Ask({0x02}, 8).size(), 8u);
        bench.Acknowledge();
        EXPECT_EQ(bench.Ask(kReadRequest, 20), GoodBlockReply());
    }
}

TEST(RadioFault, RefusedBlockIsNotStoredAndTheNextWriteIs) {
    RadioBench bench(WithFault(FaultKind::NakWrite, 1));
    bench.EnterProgramming();
    Bytes request{'W', 0x01, 0x00, 0x10};
    request.resize(20, 0x42);
    EXPECT_EQ(bench.Ask(request, 1), Bytes{kNak});
    EXPECT_EQ(MemoryBytes(bench.Radio().Memory(), 0x100, 16), MemoryBytes(PatternImage(), 0x100, 16));
    EXPECT_EQ(bench.Ask(request, 1), Bytes{kAck});
    EXPECT_EQ(MemoryBytes(bench.Radio().Memory(), 0x100, 16), Bytes(16, 0x42));
}

TEST(RadioFault, SlowReplyArrivesAfterTheProgramHasStoppedWaiting) {
    RadioBench bench(WithFault(FaultKind::SlowReply, 2));
    bench.EnterProgramming();
    EXPECT_TRUE(bench.Ask({0x02}, 8, 300ms).empty());
    EXPECT_EQ(bench.Collect(8, 2000ms).size(), 8u);
}

TEST(RadioFault, GarbageComesBeforeTheChosenReply) {
    RadioBench bench(WithFault(FaultKind::Garbage, 2));
    bench.EnterProgramming();
    const Bytes reply = bench.Ask({0x02}, 11);
    ASSERT_EQ(reply.size(), 11u);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 3), (Bytes{0x00, 0x55, 0xAA}));
    EXPECT_EQ(Bytes(reply.begin() + 3, reply.end()), Text("MDL2A\x31\xFF\xFF"));
    EXPECT_EQ(bench.Acknowledge(), Bytes{kAck});
}

TEST(RadioFault, ParsesKindAndOccurrence) {
    struct Case {
        const char* text;
        std::optional<RadioFault> expected;
    };
    const Case cases[] = {
        {"no-program-ack", RadioFault{FaultKind::NoProgramAck, 1}},
        {"no-block-reply:3", RadioFault{FaultKind::NoBlockReply, 3}},
        {"short-block", RadioFault{FaultKind::ShortBlock, 1}},
        {"bad-block-start:12", RadioFault{FaultKind::BadBlockStart, 12}},
        {"nak-write", RadioFault{FaultKind::NakWrite, 1}},
        {"slow-reply:2", RadioFault{FaultKind::SlowReply, 2}},
        {"garbage", RadioFault{FaultKind::Garbage, 1}},
        {"garbage:0", std::nullopt},
        {"garbage:", std::nullopt},
        {"garbage:2x", std::nullopt},
        {"noise", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseRadioFault(c.text), c.expected) << c.text;
}

} // namespace
} // namespace rpx::sim::test
