#include <gtest/gtest.h>

#include <stdexcept>

#include "core/radio/radio_image.h"

namespace rpx {
namespace {

TEST(RadioImage, ExtendedVariantFollowsModelAndVersion) {
    struct Case {
        const char* model;
        uint8_t code;
        bool extended;
    };
    const Case cases[] = {
        {"MDL1B", 0x11, true}, {"MDL2B", 0x31, true},  {"MDL2A", 0x50, true},  {"MDL2A", 0x51, false},
        {"MDL1A", 0x20, true}, {"MDL1A", 0x21, false}, {"XXXXX", 0x10, false},
    };
    for (const Case& c : cases) {
        RadioImage image;
        image.SetModelString(c.model);
        image.SetRangeCode(c.code);
        EXPECT_EQ(image.IsExtendedVariant(), c.extended) << c.model << " " << int(c.code);
    }
}

// Any size: the last byte is reachable, words are little-endian, bits touch only their own bit.
TEST(FixedImage, ByteBitAndWordAccess) {
    FixedImage<396> board;
    board.FillAll(0xFF);
    board.SetWord(394, 0x12AB);
    EXPECT_EQ(board.Byte(394), 0xAB);
    EXPECT_EQ(board.Byte(395), 0x12);
    board.SetBit(10, 6, false);
    EXPECT_EQ(board.Byte(10), 0xBF);
    EXPECT_FALSE(board.Bit(10, 6));
    board.Fill(20, 4, 0x00);
    EXPECT_TRUE(board.AllEqual(20, 4, 0x00));
    EXPECT_FALSE(board.AllEqual(19, 4, 0x00));
    EXPECT_THROW(board.Byte(396), std::out_of_range);
}

} // namespace
} // namespace rpx
