#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/text/startup_texts.h"
#include "tests/cli/cli_runner.h"
#include "tests/sim/sim_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

using test::RunCli;

class CliExchangeCommands : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return (dir / name).string(); }
    test::TempDir dir;
};

// diff exits as diff(1) does; export and import give the file back byte for byte.
TEST_F(CliExchangeCommands, DiffAndTextRoundTrip) {
    const std::string golden = RPX_SOURCE_DIR "/tests/data/MDL1B.dat";
    const test::CliResult same = RunCli({"diff", golden, golden});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");

    ASSERT_EQ(RunCli({"export", golden, "-o", File("a.txt")}).exitCode, 0);
    const test::CliResult imported = RunCli({"import", File("a.txt"), "-o", File("b.dat")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(test::ReadFileBytes(File("b.dat")), test::ReadFileBytes(golden));

    ASSERT_EQ(RunCli({"poke", File("b.dat"), "3F0", "12"}).exitCode, 0);
    const test::CliResult differs = RunCli({"diff", golden, File("b.dat")});
    EXPECT_EQ(differs.exitCode, 1);
    EXPECT_EQ(differs.out, "0x3F0: FF -> 12\n");
    EXPECT_EQ(RunCli({"diff", golden, File("none.dat")}).exitCode, 2);
}

// A channel plan exported from one file and imported into a new one gives the same plan; a refused
// value is reported by Location and makes the exit code 1, with the accepted values saved.
TEST_F(CliExchangeCommands, ChannelPlanRoundTripAndRefusals) {
    const std::string golden = RPX_SOURCE_DIR "/tests/data/MDL1A.dat";
    ASSERT_EQ(RunCli({"export", golden, "--format", "csv", "-o", File("plan.csv")}).exitCode, 0);
    ASSERT_EQ(RunCli({"new", File("n.dat"), "--model", "MDL1A", "--code", "21"}).exitCode, 0);
    const test::CliResult imported = RunCli({"import", File("plan.csv"), File("n.dat")});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "");
    EXPECT_EQ(RunCli({"export", File("n.dat"), "--format", "csv"}).out, test::ReadFileText(File("plan.csv")));

    std::ofstream(File("bad.csv")) << "Location,Frequency,Power\n9,140.5,High\n2,140.6,Mid\n";
    const test::CliResult refused = RunCli({"import", File("bad.csv"), File("n.dat")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "9: location refused: not a channel of the radio (1 to 8)\n"
                           "2: power Mid refused: not one of: High, Low\n");
    EXPECT_NE(RunCli({"export", File("n.dat"), "--format", "csv"}).out.find("\n2,,140.600000,"),
              std::string::npos);
    EXPECT_EQ(RunCli({"import", File("bad.csv"), File("n.dat"), "-o", File("x.dat")}).exitCode, 2);
}

// Every read keeps a backup; --verify reads back and fails on a radio that dropped a block.
TEST_F(CliExchangeCommands, BackupAndVerifyAgainstTheSimulator) {
    const std::string data = File("site.dat");
    ASSERT_EQ(RunCli({"new", data, "--model", "MDL2A"}).exitCode, 0);
    sim::test::SimProcess radio(
        {"--image", RPX_SOURCE_DIR "/tests/data/MDL2A.dat", "--fault", "drop-write:2"});
    const std::string port = radio.FirstLine(std::chrono::seconds(5)).substr(4);

    const test::CliResult read = RunCli({"read", "--port", port, "-o", File("r.dat"), "--yes"});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const std::string kept =
        read.err.substr(read.err.find(test::ShippedText(txt::kBackupKept).substr(0, 12)) + 13);
    EXPECT_EQ(std::filesystem::path(kept.substr(0, kept.find('\n'))).parent_path(), test::CliBackupFolder());
    EXPECT_EQ(test::ReadFileBytes(kept.substr(0, kept.find('\n'))), test::ReadFileBytes(File("r.dat")));

    const test::CliResult write = RunCli({"write", "--port", port, data, "--yes", "--verify"});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_NE(write.err.find("bytes differ, at 0x030"), std::string::npos) << write.err;
}

// Several --port write several radios at once; one that fails makes the exit code non-zero.
TEST_F(CliExchangeCommands, FleetWriteEndsWithATable) {
    const std::string data = File("site.dat");
    ASSERT_EQ(RunCli({"new", data, "--model", "MDL2A"}).exitCode, 0);
    const test::CliResult both =
        RunCli({"write", "--port", "virtual", "--port", "virtual", data, "--yes", "--force"});
    EXPECT_EQ(both.exitCode, 0) << both.err;
    EXPECT_EQ(std::count(both.out.begin(), both.out.end(), '\n'), 3) << both.out;
    EXPECT_EQ(both.out.find("FAILED"), std::string::npos) << both.out;

    const test::CliResult one =
        RunCli({"write", "--port", "virtual", "--port", File("nothing"), data, "--yes", "--force"});
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_NE(one.out.find("FAILED"), std::string::npos) << one.out;
}

} // namespace
} // namespace rpx
