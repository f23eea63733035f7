#include <gtest/gtest.h>

#include <string>

#include "core/trunking/board_image.h"

namespace rpx {
namespace {

using O = BoardImage::Offset;

TEST(BoardImage, NewDataSetHoldsTheBoardDefaults) {
    const BoardImage board = BoardImage::NewDataSet();
    EXPECT_EQ(board.Text(0, 0x64), "00E50000"
                                   "0003"
                                   "0001"
                                   "0000"
                                   "0000"
                                   "00000000"
                                   "00000000"
                                   "00000000"
                                   "0000"
                                   "0000"
                                   "0000"
                                   "0000"
                                   "0000"
                                   "000000000000"
                                   "0001"
                                   "0000"
                                   "00000000"
                                   "0000");
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(board.Text(BoardImage::CodeListOffset(i), 4), "000F");
    EXPECT_EQ(board.Text(0xA4, 4), "FF00");
    EXPECT_EQ(board.Text(0xA8, 224), std::string(224, 'F'));
    EXPECT_EQ(board.Text(0x188, 4), "FFFF");
}

TEST(BoardImage, ChoiceFieldsReadTheirLastTwoCharacters) {
    BoardImage board = BoardImage::NewDataSet();
    for (const auto& [stored, first] :
         {std::pair{"0001", true}, {"00FF", true}, {"0000", false}, {"0010", false}, {"0002", false}}) {
        board.SetText(O::kBusyChannelDetect, stored);
        EXPECT_EQ(board.FirstChoice(O::kBusyChannelDetect), first) << stored;
    }
}

TEST(BoardImage, CodesAndNumbersUseTheirCharacterLayout) {
    BoardImage board = BoardImage::NewDataSet();
    board.SetCodeDigits(O::kPrimaryCode, "1234");
    EXPECT_EQ(board.Text(O::kPrimaryCode, 8), "01020304");
    EXPECT_EQ(board.CodeDigits(O::kPrimaryCode, 4), "1234");

    board.SetAccessCode("97531");
    EXPECT_EQ(board.Text(O::kAccessCode, 12), "000907050301");
    EXPECT_EQ(board.AccessCode(), "97531");

    board.SetSystemId(40);
    EXPECT_EQ(board.Text(O::kSystemId, 4), "001F");

    board.SetText(O::kSystemTone, "0008");
    EXPECT_EQ(board.SystemTone(), 3); // out of range shows the default
}

TEST(BoardImage, TablesHideUnusedPositionsAndAlignTheirEntries) {
    BoardImage board = BoardImage::NewDataSet();
    board.SetSpeedDial(3, "5551234");
    board.SetSpeedDial(3, "");
    EXPECT_EQ(board.Text(BoardImage::SpeedDialOffset(3), 16), std::string(16, 'F'));

    struct Case {
        const char* typed;
        const char* stored;
        const char* shown;
    };
    for (const Case& c : {Case{"1234", "1234", "1234"}, {"", "000F", "000"}, {"12", "12FF", "12"}}) {
        board.SetCodeListEntry(15, c.typed);
        EXPECT_EQ(board.Text(BoardImage::CodeListOffset(15), 4), c.stored) << c.typed;
        EXPECT_EQ(board.CodeListEntry(15), c.shown) << c.typed;
    }
    EXPECT_EQ(board.Text(0xA4, 4), "FF00"); // the last entry stays in its place
    EXPECT_THROW(board.SetCodeListEntry(16, "1"), std::out_of_range);
}

} // namespace
} // namespace rpx
