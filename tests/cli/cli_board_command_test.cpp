#include <gtest/gtest.h>

#include <filesystem>

#include "core/trunking/board_file.h"
#include "tests/cli/cli_runner.h"
#include "tests/sim/sim_process.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

using test::RunCli;

constexpr auto& Text = test::ShippedText;

constexpr TextId kAccessRefused = 3019015;
constexpr TextId kReadDone = 3019021;
constexpr TextId kWriteDone = 3019023;

// A board file written to rpx41c-sim --board on a pseudo-terminal (paced as on the real line) is
// what the board saves, and reads back; a wrong access code is refused.
TEST(CliBoardCommand, WritesAndReadsTheSimulatedBoard) {
    test::TempDir dir;
    test::ScriptedMessenger messenger;
    const Notifier notifier(messenger, test::NoTexts());
    const std::string written = (dir / "written.txt").string();
    const std::string saved = (dir / "saved.txt").string();
    const std::string read = (dir / "read.txt").string();
    BoardImage board = BoardImage::NewDataSet();
    board.SetAccessCode("24680");
    board.SetSystemId(17);
    ASSERT_TRUE(WriteBoardFile(written, board, notifier));

    sim::test::SimProcess simulated({"--board", "--access", "24680", "--pace", "--save", saved});
    const std::string first = simulated.FirstLine(std::chrono::seconds(5));
    ASSERT_EQ(first.rfind("PTY ", 0), 0u) << first;
    const std::string port = first.substr(4);

    test::CliResult result =
        RunCli({"board", "write", written, "--port", port, "--access", "24680", "--yes"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find(Text(kWriteDone)), std::string::npos) << result.err;
    result = RunCli({"board", "read", "--port", port, "--access", "24680", "-o", read, "--yes"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find(Text(kReadDone)), std::string::npos) << result.err;
    result = RunCli(
        {"board", "read", "--port", port, "--access", "11111", "-o", (dir / "no.txt").string(), "--yes"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find(Text(kAccessRefused).substr(0, 20)), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "no.txt"));
    EXPECT_EQ(simulated.Terminate(), 0);

    EXPECT_EQ(*ReadBoardFile(saved, notifier), board);
    EXPECT_EQ(*ReadBoardFile(read, notifier), board);
}

TEST(CliBoardCommand, ShowPrintsThePagesOfABoardFileAndRefusesOtherFiles) {
    test::TempDir dir;
    BoardImage board = BoardImage::NewDataSet();
    board.SetCodeDigits(BoardImage::Offset::kPrimaryCode, "4711");
    board.SetSystemId(10);
    board.SetSpeedDial(3, "5551234");
    board.SetCodeListEntry(15, "12");
    dir.Write("b.board", SerialiseBoardFile(board));

    const auto shown = RunCli({"board", "show", (dir / "b.board").string()});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    for (const std::string& line :
         {Text(3019013) + "\n", "  " + Text(3019051) + ": 4711\n", "  " + Text(3019059) + ": 10\n",
          "  " + Text(3019073) + ": " + Text(3019095) + "\n", std::string("  3: 5551234\n"),
          "  " + Text(3019079) + " A: \n", std::string("  16: 12\n")})
        EXPECT_NE(shown.out.find(line), std::string::npos) << line;

    dir.Write("radio.dat", std::string(2064, 'x'));
    const auto refused = RunCli({"board", "show", (dir / "radio.dat").string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("radio.dat"), std::string::npos) << refused.err;
    EXPECT_EQ(RunCli({"board", "list", "x"}).exitCode, 2);
}

} // namespace
} // namespace rpx
