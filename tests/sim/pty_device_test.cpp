#include <gtest/gtest.h>

#include "sim/pty_device.h"
#include "tests/sim/program_port.h"
#include "tests/sim/radio_bench.h"

namespace rpx::sim::test {
namespace {

Bytes ReadMaster(PtyDevice& pty, std::size_t count) {
    Bytes bytes(count);
    bytes.resize(pty.Read(bytes, 1000ms));
    return bytes;
}

TEST(PtyDevice, CarriesBytesBothWaysAcrossTheProgramsOpenings) {
    PtyDevice pty;
    ASSERT_TRUE(pty.Open(PtyDevice::kMultiplexer)) << pty.ErrorText();
    ASSERT_FALSE(pty.SlavePath().empty());
    for (int opening = 1; opening <= 2; ++opening) {
        ProgramPort program;
        ASSERT_TRUE(program.Open(pty.SlavePath())) << opening;
        ASSERT_TRUE(program.Write(Text("PROGRAM")));
        EXPECT_EQ(ReadMaster(pty, 7), Text("PROGRAM")) << opening;
        ASSERT_TRUE(pty.Write({{kAck, 0x0D, 0x0A}}));
        // A raw line passes carriage return and line feed unchanged and echoes nothing.
        EXPECT_EQ(program.Read(3, 1000ms), (Bytes{kAck, 0x0D, 0x0A})) << opening;
        EXPECT_EQ(pty.BytesWaiting(), 0) << opening;
    }
}

TEST(PtyDevice, WaitsForInputAndPurgesIt) {
    PtyDevice pty;
    ASSERT_TRUE(pty.Open(PtyDevice::kMultiplexer));
    ProgramPort program;
    ASSERT_TRUE(program.Open(pty.SlavePath()));
    EXPECT_FALSE(pty.WaitForInput(0, 20ms));
    program.Write({1, 2, 3});
    ASSERT_TRUE(pty.WaitForInput(0, 1000ms));
    while (pty.BytesWaiting() < 3 && pty.WaitForInput(pty.BytesWaiting(), 1000ms)) {
    }
    EXPECT_EQ(pty.BytesWaiting(), 3);
    pty.PurgeInput();
    EXPECT_EQ(pty.BytesWaiting(), 0);
}

} // namespace
} // namespace rpx::sim::test
