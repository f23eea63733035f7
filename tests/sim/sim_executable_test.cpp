#include <gtest/gtest.h>

#include <thread>

#include "core/radio/data_file.h"
#include "tests/sim/program_port.h"
#include "tests/sim/radio_bench.h"
#include "tests/sim/sim_process.h"
#include "tests/support/temp_dir.h"

namespace rpx::sim::test {
namespace {

constexpr std::string_view kPtyPrefix = "PTY ";

// The slave path the simulator announces on its first line.
std::string AnnouncedPath(SimProcess& sim) {
    const std::string line = sim.FirstLine(5000ms);
    EXPECT_EQ(line.substr(0, kPtyPrefix.size()), kPtyPrefix);
    return line.size() > kPtyPrefix.size() ? line.substr(kPtyPrefix.size()) : std::string();
}

TEST(SimExecutable, AnnouncesItsTerminalAndAcknowledgesProgram) {
    SimProcess sim({});
    ProgramPort program;
    ASSERT_TRUE(program.Open(AnnouncedPath(sim)));
    ASSERT_TRUE(program.Write(Text("PROGRAM")));
    EXPECT_EQ(program.Read(1, 2000ms), Bytes{kAck});
    EXPECT_EQ(sim.Terminate(), 0);
}

TEST(SimExecutable, SavesTheMemoryAfterASessionThatWroteBlocks) {
    rpx::test::TempDir dir;
    const auto saved = dir / "radio.dat";
    SimProcess sim({"--save", saved.string()});
    ProgramPort program;
    ASSERT_TRUE(program.Open(AnnouncedPath(sim)));
    ASSERT_TRUE(program.Write(Text("PROGRAM")));
    ASSERT_EQ(program.Read(1, 2000ms), Bytes{kAck});
    Bytes block{'W', 0x00, 0x20, 0x10};
    block.resize(20, 0x42);
    ASSERT_TRUE(program.Write(block));
    ASSERT_EQ(program.Read(1, 2000ms), Bytes{kAck});
    ASSERT_TRUE(program.Write(Text("E")));

    const auto until = std::chrono::steady_clock::now() + 5s;
    while (!std::filesystem::exists(saved) && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(10ms);
    const std::optional<RadioImage> image = ParseDataFile(rpx::test::ReadFileBytes(saved));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(MemoryBytes(*image, 0x020, 16), Bytes(16, 0x42));
    EXPECT_EQ(sim.Terminate(), 0);
}

TEST(SimExecutable, UsageErrorsEndWithStatusTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--memory", "512"}, {"--fault", "noise"}, {"--ident"}, {"--bogus"}}) {
        SimProcess sim(args);
        EXPECT_EQ(sim.Wait(), 2) << args[0];
    }
}

} // namespace
} // namespace rpx::sim::test
