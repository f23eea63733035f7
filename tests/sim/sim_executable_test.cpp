#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/sim/sim_process.h"
#include "tests/support/temp_dir.h"

namespace rpx::sim::test {
namespace {

// A FIFO named as the image would block a plain read for ever: it is refused at once.
TEST(SimExecutable, RefusesAnImageThatIsNotARegularFile) {
    rpx::test::TempDir dir;
    const std::string fifo = (dir / "radio.dat").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    SimProcess sim({"--image", fifo});
    EXPECT_EQ(sim.FirstLine(std::chrono::seconds(5)), "") << "no terminal announced";
    EXPECT_EQ(sim.Terminate(), 1);
}

} // namespace
} // namespace rpx::sim::test
