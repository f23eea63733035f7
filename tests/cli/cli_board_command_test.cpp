#include <gtest/gtest.h>

#include "core/trunking/board_file.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

constexpr auto& Text = test::ShippedText;

TEST(CliBoardCommand, ShowPrintsThePagesOfABoardFileAndRefusesOtherFiles) {
    test::TempDir dir;
    BoardImage board = BoardImage::NewDataSet();
    board.SetCodeDigits(BoardImage::Offset::kPrimaryCode, "4711");
    board.SetSystemId(10);
    board.SetSpeedDial(3, "5551234");
    board.SetCodeListEntry(15, "12");
    dir.Write("b.board", SerialiseBoardFile(board));

    const auto shown = test::RunCli({"board", "show", (dir / "b.board").string()});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    for (const std::string& line :
         {Text(3019013) + "\n", "  " + Text(3019051) + ": 4711\n", "  " + Text(3019059) + ": 10\n",
          "  " + Text(3019073) + ": " + Text(3019095) + "\n", std::string("  3: 5551234\n"),
          "  " + Text(3019079) + " A: \n", std::string("  16: 12\n")})
        EXPECT_NE(shown.out.find(line), std::string::npos) << line;

    dir.Write("radio.dat", std::string(2064, 'x'));
    const auto refused = test::RunCli({"board", "show", (dir / "radio.dat").string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("radio.dat"), std::string::npos) << refused.err;
    EXPECT_EQ(test::RunCli({"board", "list", "x"}).exitCode, 2);
}

} // namespace
} // namespace rpx
