#include <gtest/gtest.h>

#include "core/radio/bcd_frequency.h"
#include "core/radio/image_defaults.h"

namespace rpx {
namespace {

RadioImage NewImage() {
    RadioImage image;
    image.FillAll(0xFF);
    ApplyNewImageDefaults(image);
    return image;
}

TEST(ImageDefaults, NewImageBytes) {
    const RadioImage image = NewImage();
    const struct {
        std::size_t offset;
        uint8_t value;
    } cases[] = {
        {0x020, 0xFF}, {0x02C, 0x02}, {0x02D, 0x3F}, {0x02E, 0x07}, {0x02F, 0xFF}, {0x09C, 0x02},
        {0x09D, 0x3F}, {0x0A0, 1},    {0x0A5, 6},    {0x0A9, 1},    {0x0AF, 0},    {0x0B0, 0xFF},
        {0x0DA, 1},    {0x0DB, 0},    {0x0E2, 10},   {0x0E7, 200},  {0x0E9, 0xFF}, {0x1AA, 0},
        {0x1C2, 0x30}, {0x1CB, 10},   {0x1CF, 1},    {0x1D0, 0},    {0x1D1, 0xFF}, {0x1DE, 10},
        {0x1DF, 1},    {0x1EE, 0xD2}, {0x1EF, 0},    {0x1FF, 0x0A}, {0x201, 25},   {0x20A, 4},
        {0x20C, 0},    {0x20D, 0xFF}, {0x23A, 1},    {0x23B, 0xFF}, {0x23D, 0},    {0x244, 6},
        {0x245, 0xFF}, {0x257, 0xFF}, {0x258, 0},    {0x259, 0},    {0x261, 6},    {0x263, 0},
        {0x3A0, 0xFF}, {0x3A3, 0x90}, {0x3A4, 1},    {0x3A5, 0},    {0x400, 0xFF}, {0x40C, 0xFE},
        {0x40D, 0xFF}, {0x7FC, 0xFE}, {0x7FF, 0xFF}, {0x3C5, 0xFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(image.Byte(c.offset), c.value) << std::hex << c.offset;
}

// Test pairs 1 and 3 (receive, transmit) in 10 Hz units, or nothing when the table stays as it was.
TEST(ImageDefaults, BandTestFrequencies) {
    const struct {
        uint8_t rangeCode;
        uint32_t pair1Rx, pair1Tx, pair3Rx, pair4Rx;
    } cases[] = {
        {0x21, 14905000, 14910000, 16195000, 14900000}, {0x11, 16005000, 16010000, 17395000, 16000000},
        {0x31, 47005000, 47010000, 48995000, 47000000}, {0x41, 50255000, 50260000, 51995000, 50200000},
        {0x40, 49855000, 49860000, 51195000, 49850000}, {0x51, 41505000, 41510000, 42995000, 41500000},
    };
    for (const auto& c : cases) {
        RadioImage image = NewImage();
        image.SetRangeCode(c.rangeCode);
        ApplyBandTestFrequencies(image);
        EXPECT_EQ(bcd::ReadFrequency(image, 0x280), c.pair1Rx) << std::hex << int(c.rangeCode);
        EXPECT_EQ(bcd::ReadFrequency(image, 0x284), c.pair1Tx) << std::hex << int(c.rangeCode);
        EXPECT_EQ(bcd::ReadFrequency(image, 0x290), c.pair3Rx) << std::hex << int(c.rangeCode);
        EXPECT_EQ(bcd::ReadFrequency(image, 0x298), c.pair4Rx) << std::hex << int(c.rangeCode);
        EXPECT_EQ(image.Byte(0x2B0), 0xFF) << "pairs 7..16 untouched";
    }
    for (uint8_t untouched : {0x43, 0x01, 0x61, 0xF1}) {
        RadioImage image = NewImage();
        image.SetRangeCode(untouched);
        ApplyBandTestFrequencies(image);
        EXPECT_TRUE(image.AllEqual(0x280, 0x80, 0xFF)) << std::hex << int(untouched);
    }
}

TEST(ImageDefaults, FirstImageTakesTheModelSetting) {
    const struct {
        const char* name;
        std::string setting;
        bool extended;
        const char* model;
        uint8_t code, options;
        uint32_t pair1Rx;
    } cases[] = {
        {"empty setting", "", false, "MDL2A", 0x31, 0xFF, 47005000},
        {"saved identity", std::string("MDL2AQ\xBF\xFF", 8), false, "MDL2A", 0x51, 0xFF, 41505000},
        {"hidden functions kept in extended mode", std::string("MDL2AQ\xBF\xFF", 8), true, "MDL2A", 0x51,
         0xBF, 41505000},
        {"setting ended before the options byte", "MDL1B\x11", true, "MDL1B", 0x11, 0x00, 16005000},
    };
    for (const auto& c : cases) {
        RadioImage image;
        MakeFirstImage(image, c.setting, c.extended);
        EXPECT_EQ(image.ModelString(), c.model) << c.name;
        EXPECT_EQ(image.RangeCode(), c.code) << c.name;
        EXPECT_EQ(image.Byte(0x3C6), c.options) << c.name;
        EXPECT_EQ(image.Byte(0x3C7), 0xFF) << c.name;
        EXPECT_EQ(bcd::ReadFrequency(image, 0x280), c.pair1Rx) << c.name;
        EXPECT_EQ(image.Byte(0x0A5), 6) << c.name;
    }
}

} // namespace
} // namespace rpx
