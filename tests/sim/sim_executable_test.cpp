#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/sim/program_port.h"
#include "tests/sim/radio_bench.h"
#include "tests/sim/sim_process.h"
#include "tests/support/temp_dir.h"

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

// A FIFO named as the image would block a plain read for ever: it is refused at once.
TEST(SimExecutable, RefusesAnImageThatIsNotARegularFile) {
    rpx::test::TempDir dir;
    const std::string fifo = (dir / "radio.dat").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    SimProcess sim({"--image", fifo});
    EXPECT_EQ(sim.FirstLine(5000ms), "") << "no terminal announced";
    EXPECT_EQ(sim.Terminate(), 1);
}

} // namespace
} // namespace rpx::sim::test
