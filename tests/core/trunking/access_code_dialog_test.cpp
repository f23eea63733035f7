#include <gtest/gtest.h>

#include "core/trunking/access_code_dialog.h"
#include "core/trunking/board_replies.h"

namespace rpx {
namespace {

using Bytes = std::vector<uint8_t>;

std::string Field(const AccessCodeField& field) {
    return std::string(field.begin(), field.end());
}

TEST(AccessCodeDialog, BuildsTheCodeItSendsAndOffersAKnownOne) {
    BoardImage board;
    board.FillAll('F');
    AccessCodeDialog dialog(board, false, false);
    EXPECT_EQ(dialog.InitialText(), "");
    EXPECT_FALSE(AccessCodeDialog::OkEnabled("1234"));
    EXPECT_TRUE(AccessCodeDialog::OkEnabled("12345"));
    dialog.OnCodeLeft("12");
    EXPECT_EQ(Field(dialog.Code()), "000102000000");
    dialog.OnCodeLeft("");
    EXPECT_EQ(dialog.Code(), AccessCodeField{});
    dialog.Ok("12345");
    EXPECT_EQ(Field(dialog.Code()), "000102030405");
    EXPECT_TRUE(board.AllEqual(0, BoardImage::kSize, 'F')); // a read leaves the data alone

    board.SetAccessCode("90817");
    EXPECT_EQ(AccessCodeDialog(board, true, false).InitialText(), "90817");
}

// During a write without a known code the typed code goes to the board with the data; a known
// code stays as it is.
TEST(AccessCodeDialog, WriteGivesTheBoardTheTypedCodeUnlessOneIsKnown) {
    for (const bool known : {false, true}) {
        BoardImage board;
        board.FillAll('F');
        board.SetAccessCode("11111");
        AccessCodeDialog(board, known, true).Ok("54321");
        const auto stored = std::string(board.Bytes().begin() + BoardImage::Offset::kAccessCode,
                                        board.Bytes().begin() + BoardImage::Offset::kAccessCode + 12);
        EXPECT_EQ(stored, known ? "000101010101" : "000504030201") << known;
        EXPECT_EQ(board.Byte(BoardImage::Offset::kAccessCode - 1), 'F');
        EXPECT_EQ(board.Byte(BoardImage::Offset::kAccessCode + 12), 'F');
    }
}

TEST(BoardReplies, DecodeByTheirBytes) {
    EXPECT_TRUE(AccessGranted(Bytes{'2', 0x00, 0x00}));
    EXPECT_TRUE(AccessGranted(Bytes{'9', 0x0A, 0x00}));
    EXPECT_TRUE(AccessGranted(Bytes{'9', 0x00, 0x0D}));
    EXPECT_FALSE(AccessGranted(Bytes{'9', 0x00, 0x00}));
    EXPECT_FALSE(AccessGranted(Bytes{'2', 0x0A}));

    const Bytes record = {'1', '2', '3', '4', 0x0A, 0x0D, '5', '6', '7', '8', 0x0A, 0x0D};
    const auto data = ParseReadRecord(record);
    ASSERT_TRUE(data);
    EXPECT_EQ(std::string(data->begin(), data->end()), "12345678");
    Bytes bad = record;
    bad[5] = '0';
    EXPECT_FALSE(ParseReadRecord(bad));
    EXPECT_FALSE(ParseReadRecord(Bytes(record.begin(), record.end() - 1)));

    EXPECT_TRUE(IsEndOfData(Bytes{0, 0, 0, 0, 0, 0, 0x0A, 0x0D}));
    EXPECT_FALSE(IsEndOfData(Bytes{0, 0, 0, 0, 0x0A, 0x0D, 0, 0}));
    EXPECT_TRUE(RecordAccepted(Bytes{0x0A, 0x00}));
    EXPECT_TRUE(RecordAccepted(Bytes{0x00, 0x0D}));
    EXPECT_FALSE(RecordAccepted(Bytes{0x0D, 0x0A}));
    EXPECT_TRUE(IsEndOfWrite(Bytes{0x0A, 0x0D, 0x0A, 0x0D}));
    EXPECT_FALSE(IsEndOfWrite(Bytes{0x0A, 0x0D}));
}

} // namespace
} // namespace rpx
