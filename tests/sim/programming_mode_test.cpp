#include <gtest/gtest.h>

#include <functional>

#include "tests/sim/radio_bench.h"

namespace rpx::sim::test {
namespace {

TEST(ProgrammingMode, IdentificationAndInfoRecordsHaveTheirLayoutThenAnAckExchange) {
    const struct {
        const char* name;
        std::function<void(RadioSetup&)> adjust;
        Bytes request;
        Bytes expected;
    } cases[] = {
        {"model code of the memory", [](RadioSetup&) {}, {0x02}, Text("MDL2A1\xFF\xFF")},
        {"model code given",
         [](RadioSetup& s) { s.modelCode = "MDL1B\x11"; },
         {0x02},
         Text("MDL1B\x11\xFF\xFF")},
        {"unreadable", [](RadioSetup& s) { s.readable = false; }, {0x02}, Text("MDL2A1\xBF\xFF")},
        {"full info text", [](RadioSetup& s) { s.infoText = "12345678-ABCDEFG"; }, Text("NRK"),
         Text("N12345678-ABCDEFGMDL2A1\xFF\xFF")},
        {"short info text", [](RadioSetup& s) { s.infoText = "12"; }, Text("NRK"),
         Join({Text("N12"), Bytes(14, 0xFF), Text("MDL2A1\xFF\xFF")})},
    };
    for (const auto& c : cases) {
        RadioSetup setup;
        c.adjust(setup);
        RadioBench bench(setup);
        bench.EnterProgramming();
        EXPECT_EQ(bench.Ask(c.request, c.expected.size()), c.expected) << c.name;
        EXPECT_EQ(bench.Acknowledge(), Bytes{kAck}) << c.name;
    }
}

TEST(ProgrammingMode, MemorySizeRecordGivesTheSizeAndTheRefusalOfExtendedData) {
    const struct {
        std::size_t memorySize;
        bool refuseExtended;
        uint8_t sizeByte;
        uint8_t refusalByte;
    } cases[] = {{2048, false, 0x33, 0x00}, {1024, false, 0x31, 0x00}, {2048, true, 0x33, 0xFF}};
    for (const auto& c : cases) {
        RadioSetup setup;
        setup.memorySize = c.memorySize;
        setup.refuseExtended = c.refuseExtended;
        RadioBench bench(setup);
        bench.EnterProgramming();
        const Bytes record = bench.Ask({0x50}, 10);
        ASSERT_EQ(record.size(), 10u) << c.memorySize;
        EXPECT_EQ(record[1], c.sizeByte) << c.memorySize;
        EXPECT_EQ(record[6], c.refusalByte) << c.memorySize << " " << c.refuseExtended;
        EXPECT_EQ(bench.Acknowledge(), Bytes{kAck});
    }
}

TEST(ProgrammingMode, RadioWith1024BytesRefusesWritesToTheUpperHalf) {
    RadioSetup setup;
    setup.image = PatternImage();
    setup.memorySize = 1024;
    RadioBench bench(setup);
    bench.EnterProgramming();
    EXPECT_EQ(bench.Ask(WriteRequest(0x400, 0x42), 1), Bytes{kNak});
    EXPECT_EQ(MemoryBytes(bench.Radio().Memory(), 0x400, 16), Bytes(16, 0xFF));
    EXPECT_EQ(bench.Ask(WriteRequest(0x3F0, 0x42), 1), Bytes{kAck});
    EXPECT_EQ(MemoryBytes(bench.Radio().Memory(), 0x3F0, 16), Bytes(16, 0x42));
}

} // namespace
} // namespace rpx::sim::test
