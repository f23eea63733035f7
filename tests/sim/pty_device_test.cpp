#include <gtest/gtest.h>

#include "sim/pty_device.h"
#include "tests/sim/program_port.h"
#include "tests/sim/radio_bench.h"

namespace rpx::sim::test {
namespace {

TEST(PtyDevice, CarriesBytesBothWaysAcrossTheProgramsOpenings) {
    PtyDevice pty;
    ASSERT_TRUE(pty.Open(PtyDevice::kMultiplexer)) << pty.ErrorText();
    for (int opening = 1; opening <= 2; ++opening) {
        ProgramPort program;
        ASSERT_TRUE(program.Open(pty.SlavePath())) << opening;
        ASSERT_TRUE(program.Write(Text("PROGRAM")));
        Bytes received(7);
        received.resize(pty.Read(received, 1000ms));
        EXPECT_EQ(received, Text("PROGRAM")) << opening;
        ASSERT_TRUE(pty.Write({{kAck, 0x0D, 0x0A}}));
        // A raw line passes carriage return and line feed unchanged and echoes nothing.
        EXPECT_EQ(program.Read(3, 1000ms), (Bytes{kAck, 0x0D, 0x0A})) << opening;
        EXPECT_EQ(pty.BytesWaiting(), 0) << opening;
    }
}

} // namespace
} // namespace rpx::sim::test
