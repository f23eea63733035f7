#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <future>

#include "tests/sim/radio_bench.h"

namespace rpx::sim::test {
namespace {

using Adjust = std::function<void(RadioSetup&)>;

RadioSetup Configured(const Adjust& adjust) {
    RadioSetup setup;
    adjust(setup);
    return setup;
}

Bytes WriteRequest(uint8_t page, uint8_t offset, const Bytes& data) {
    Bytes request{'W', page, offset, 0x10};
    request.insert(request.end(), data.begin(), data.end());
    return request;
}

const Bytes kData = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7,
                     0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF};

TEST(ProgrammingMode, ProgramIsAcknowledgedAndEntersProgrammingMode) {
    RadioBench bench;
    EXPECT_EQ(bench.Radio().Mode(), RadioMode::Idle);
    bench.EnterProgramming();
    EXPECT_EQ(bench.Radio().Mode(), RadioMode::Programming);
}

TEST(ProgrammingMode, IdentificationIsTheModelCodeAndTheReadableFlagThenAnAckExchange) {
    struct Case {
        const char* name;
        Adjust adjust;
        Bytes expected;
    };
    const Case cases[] = {
        {"model code of the memory", [](RadioSetup&) {}, {'M', 'D', 'L', '2', 'A', 0x31, 0xFF, 0xFF}},
        {"model code given",
         [](RadioSetup& s) { s.modelCode = "MDL1B\x11"; },
         {'M', 'D', 'L', '1', 'B', 0x11, 0xFF, 0xFF}},
        {"unreadable",
         [](RadioSetup& s) { s.readable = false; },
         {'M', 'D', 'L', '2', 'A', 0x31, 0xBF, 0xFF}},
    };
    for (const Case& c : cases) {
        RadioBench bench(Configured(c.adjust));
        bench.EnterProgramming();
        EXPECT_EQ(bench.Ask({0x02}, 8), c.expected) << c.name;
        EXPECT_EQ(bench.Acknowledge(), Bytes{kAck}) << c.name;
    }
}

TEST(ProgrammingMode, IdentificationFollowsAModelCodeWrittenIntoMemory) {
    RadioBench bench;
    bench.EnterProgramming();
    Bytes identity = Text("MDL1A\x21");
    identity.resize(16, 0xFF);
    ASSERT_EQ(bench.Ask(WriteRequest(0x03, 0xC0, identity), 1), Bytes{kAck});
    EXPECT_EQ(bench.Ask({0x02}, 8), (Bytes{'M', 'D', 'L', '1', 'A', 0x21, 0xFF, 0xFF}));
}

TEST(ProgrammingMode, MemorySizeRecordGivesTheSizeAndTheRefusalOfExtendedData) {
    struct Case {
        std::size_t memorySize;
        bool refuseExtended;
        uint8_t sizeByte;
        uint8_t refusalByte;
    };
    for (const Case& c :
         {Case{2048, false, 0x33, 0x00}, Case{1024, false, 0x31, 0x00}, Case{2048, true, 0x33, 0xFF}}) {
        RadioBench bench(Configured([&](RadioSetup& s) {
            s.memorySize = c.memorySize;
            s.refuseExtended = c.refuseExtended;
        }));
        bench.EnterProgramming();
        const Bytes record = bench.Ask({0x50}, 10);
        ASSERT_EQ(record.size(), 10u) << c.memorySize;
        EXPECT_EQ(record[1], c.sizeByte) << c.memorySize;
        EXPECT_EQ(record[6], c.refusalByte) << c.memorySize << " " << c.refuseExtended;
        EXPECT_EQ(bench.Acknowledge(), Bytes{kAck});
    }
}

TEST(ProgrammingMode, BlockReadRepliesWithTheAddressedMemoryThenAnAckExchange) {
    RadioBench bench(Configured([](RadioSetup& s) { s.image = PatternImage(); }));
    bench.EnterProgramming();
    Bytes expected{'W', 0x01, 0x20, 0x10};
    const Bytes data = MemoryBytes(PatternImage(), 0x120, 16);
    expected.insert(expected.end(), data.begin(), data.end());
    EXPECT_EQ(bench.Ask({'R', 0x01, 0x20, 0x10}, 20), expected);
    EXPECT_EQ(bench.Acknowledge(), Bytes{kAck});
}

TEST(ProgrammingMode, WrittenBlockIsStoredAndKeptForTheNextSession) {
    RadioBench bench;
    bench.EnterProgramming();
    EXPECT_EQ(bench.Ask(WriteRequest(0x07, 0xF0, kData), 1), Bytes{kAck});
    EXPECT_EQ(MemoryBytes(bench.Radio().Memory(), 0x7F0, 16), kData);
    bench.Send(Text("Ee"));
    bench.EnterProgramming();
    EXPECT_EQ(bench.Ask({'R', 0x07, 0xF0, 0x10}, 20), WriteRequest(0x07, 0xF0, kData));
}

TEST(ProgrammingMode, PasswordAndMessageAreReadAsBlocks) {
    RadioBench bench(Configured([](RadioSetup& s) {
        s.dataPassword = "1234";
        s.messageLines = {"HELLO", "WORLD"};
    }));
    bench.EnterProgramming();
    EXPECT_EQ(bench.Ask({'R', 0x00, 0xD0, 0x0A}, 14),
              (Bytes{'W', 0x00, 0xD0, 0x0A, '1', '2', '3', '4', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bench.Acknowledge(), Bytes{kAck});

    Bytes message{'W', 0x03, 0x00, 0x40};
    for (const char* line : {"HELLO", "WORLD"}) {
        Bytes text = Text(line);
        text.resize(32, 0xFF);
        message.insert(message.end(), text.begin(), text.end());
    }
    EXPECT_EQ(bench.Ask({'R', 0x03, 0x00, 0x40}, 68), message);
}

TEST(ProgrammingMode, RadioWithoutPasswordReadsTenErasedBytes) {
    RadioBench bench;
    bench.EnterProgramming();
    Bytes expected{'W', 0x00, 0xD0, 0x0A};
    expected.resize(14, 0xFF);
    EXPECT_EQ(bench.Ask({'R', 0x00, 0xD0, 0x0A}, 14), expected);
}

TEST(ProgrammingMode, RadioWith1024BytesRefusesWritesToTheUpperHalfAndReadsItErased) {
    RadioBench bench(Configured([](RadioSetup& s) {
        s.image = PatternImage();
        s.memorySize = 1024;
    }));
    bench.EnterProgramming();
    EXPECT_EQ(bench.Ask(WriteRequest(0x04, 0x00, kData), 1), Bytes{kNak});
    Bytes erased(16, 0xFF);
    EXPECT_EQ(MemoryBytes(bench.Radio().Memory(), 0x400, 16), erased);
    EXPECT_EQ(bench.Ask({'R', 0x04, 0x00, 0x10}, 20), WriteRequest(0x04, 0x00, erased));
    bench.Acknowledge();
    EXPECT_EQ(bench.Ask(WriteRequest(0x03, 0xF0, kData), 1), Bytes{kAck});
}

TEST(ProgrammingMode, ReadOutsideTheAddressSpaceIsRefused) {
    RadioBench bench;
    bench.EnterProgramming();
    for (const Bytes& request :
         {Bytes{'R', 0x07, 0xF8, 0x10}, Bytes{'R', 0x08, 0x00, 0x10}, Bytes{'R', 0x00, 0x00, 0x00}})
        EXPECT_EQ(bench.Ask(request, 1), Bytes{kNak}) << int(request[1]) << " " << int(request[2]);
}

TEST(ProgrammingMode, InfoRecordHoldsTheTextTheModelCodeAndTwoUnusedBytes) {
    struct Case {
        const char* text;
        Bytes expectedText;
    };
    const Case cases[] = {
        {"12345678-ABCDEFG", Text("12345678-ABCDEFG")},
        {"12",
         {'1', '2', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        RadioBench bench(Configured([&](RadioSetup& s) { s.infoText = c.text; }));
        bench.EnterProgramming();
        Bytes expected{'N'};
        expected.insert(expected.end(), c.expectedText.begin(), c.expectedText.end());
        const Bytes modelCode{'M', 'D', 'L', '2', 'A', 0x31, 0xFF, 0xFF};
        expected.insert(expected.end(), modelCode.begin(), modelCode.end());
        EXPECT_EQ(bench.Ask(Text("NRK"), 25), expected) << c.text;
        EXPECT_EQ(bench.Acknowledge(), Bytes{kAck}) << c.text;
    }
}

TEST(ProgrammingMode, EndLeavesProgrammingModeAndTheLowerCaseEAfterItIsIgnored) {
    RadioBench bench;
    bench.EnterProgramming();
    EXPECT_TRUE(bench.Ask(Text("Ee"), 1, kSilence).empty());
    EXPECT_EQ(bench.Radio().Mode(), RadioMode::Idle);
    EXPECT_TRUE(bench.Ask({0x02}, 1, kSilence).empty());
    bench.EnterProgramming();
    EXPECT_EQ(bench.Radio().Requests().back(), Text("PROGRAM"));
}

TEST(ProgrammingMode, AckIsAnsweredOnlyWhenItClosesAReply) {
    RadioBench bench;
    bench.EnterProgramming();
    EXPECT_TRUE(bench.Ask({kAck}, 1, kSilence).empty());
    bench.Ask({0x50}, 10);
    EXPECT_EQ(bench.Acknowledge(), Bytes{kAck});
    EXPECT_TRUE(bench.Ask({kAck}, 1, kSilence).empty());
}

TEST(ProgrammingMode, ProgramInProgrammingModeIsAcknowledgedAgain) {
    RadioBench bench;
    bench.EnterProgramming();
    bench.EnterProgramming();
    EXPECT_EQ(bench.Radio().Counters().programRequests, 2);
    EXPECT_EQ(bench.Radio().Counters().droppedBytes, 0);
}

TEST(ProgrammingMode, SessionHandlerRunsWhenASessionThatStoredBlocksEnds) {
    std::atomic<int> calls = 0;
    std::promise<RadioImage> stored;
    RadioBench bench({}, [&](const RadioImage& memory) {
        if (calls++ == 0)
            stored.set_value(memory);
    });
    bench.EnterProgramming();
    bench.Ask({'R', 0x00, 0x20, 0x10}, 20);
    bench.Acknowledge();
    bench.Send(Text("E"));
    bench.EnterProgramming();
    bench.Ask(WriteRequest(0x00, 0x20, kData), 1);
    bench.Send(Text("E"));

    std::future<RadioImage> memory = stored.get_future();
    ASSERT_EQ(memory.wait_for(2s), std::future_status::ready);
    EXPECT_EQ(MemoryBytes(memory.get(), 0x020, 16), kData);
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace rpx::sim::test
