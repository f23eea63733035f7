#include <gtest/gtest.h>

#include "tests/sim/program_port.h"
#include "tests/sim/radio_bench.h"
#include "tests/sim/sim_process.h"

namespace rpx::sim::test {
namespace {

TEST(SimExecutable, AnnouncesItsTerminalAndAcknowledgesProgram) {
    SimProcess sim({});
    const std::string line = sim.FirstLine(5000ms);
    ASSERT_EQ(line.substr(0, 4), "PTY ") << line;
    ProgramPort program;
    ASSERT_TRUE(program.Open(line.substr(4)));
    ASSERT_TRUE(program.Write(Text("PROGRAM")));
    EXPECT_EQ(program.Read(1, 2000ms), Bytes{kAck});
    EXPECT_EQ(sim.Terminate(), 0);
}

} // namespace
} // namespace rpx::sim::test
