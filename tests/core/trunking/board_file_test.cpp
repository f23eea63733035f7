#include <gtest/gtest.h>

#include <string>

#include "core/text/startup_texts.h"
#include "core/trunking/board_file.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

// A board with a character at each place that a shifted or trimmed copy would change.
BoardImage PatternBoard() {
    BoardImage board;
    for (std::size_t n = 0; n < BoardImage::kSize; ++n)
        board.SetByte(n, static_cast<uint8_t>("0123456789ABCDEF"[n * 7 % 16]));
    return board;
}

TEST(BoardFile, ParseTakesTheHeaderLineAndExactly396Characters) {
    const std::string header(kBoardFileHeader);
    const std::string characters = PatternBoard().Text(0, BoardImage::kSize);
    struct Case {
        std::string content;
        bool accepted;
    };
    const Case cases[] = {
        {header + "\n" + characters + "\n", true},
        {header + "\r\n" + characters + "\r\n", true},
        {header + "\n" + characters, true},
        {header + "\n" + characters.substr(1) + "\n", false},
        {header + "\n" + characters.substr(1) + "\r\n", false},
        {header + "\n" + characters + "0\n", false},
        {header + " \n" + characters + "\n", false},
        {"RPX41C board settings 2\n" + characters, false},
        {characters, false},
        {"", false},
    };
    for (const Case& c : cases) {
        const auto board = ParseBoardFile(std::vector<uint8_t>(c.content.begin(), c.content.end()));
        ASSERT_EQ(board.has_value(), c.accepted) << c.content;
        if (board) {
            EXPECT_EQ(*board, PatternBoard());
        }
    }
}

TEST(BoardFile, SavedFileReadsBackAndFailuresNameThePath) {
    test::TempDir dir;
    test::ScriptedMessenger messenger;
    const Notifier notifier(messenger, test::ShippedTexts());
    BoardImage board = PatternBoard();
    board.SetByte(0x44, 0x00); // whatever the board holds survives
    ASSERT_TRUE(WriteBoardFile(dir / "b.board", board, notifier));
    EXPECT_EQ(test::ReadFileText(dir / "b.board").substr(0, kBoardFileHeader.size() + 1),
              std::string(kBoardFileHeader) + "\n");
    const auto read = ReadBoardFile(dir / "b.board", notifier);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, board);

    dir.Write("radio.dat", std::string(2064, 'x'));
    const auto refused = ReadBoardFile(dir / "radio.dat", notifier);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.Message().find((dir / "radio.dat").string()), std::string::npos);
    EXPECT_NE(refused.Message().find(kBoardFileHeader), std::string::npos);

    EXPECT_FALSE(WriteBoardFile(dir / "missing" / "b.board", board, notifier));
    EXPECT_TRUE(messenger.Shown().empty());
}

} // namespace
} // namespace rpx
