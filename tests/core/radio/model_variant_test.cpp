#include <gtest/gtest.h>

#include "core/radio/model_variant.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

TEST(ModelVariant, BandAndVersionNames) {
    const struct {
        uint8_t code;
        TextId band, version;
    } cases[] = {
        {0x11, 3005007, 3005017}, {0x13, 3005007, 3005019}, {0x10, 3005007, 3005021}, {0x21, 3005005, 3019099},
        {0x23, 3005005, 3019101}, {0x20, 3005005, 3019103}, {0x31, 3005011, 3005017}, {0x30, 3005011, 3005021},
        {0x41, 3005015, 3019099}, {0x40, 3005013, 3019103}, {0x43, 3005015, 3019103}, {0x51, 3005009, 3019105},
        {0x53, 3005009, 3019107}, {0x50, 3005009, 3019109}, {0x12, 3005007, 3005017}, {0x61, 3005011, 3005017},
        {0xFF, 3005011, 3005017},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BandName(c.code >> 4, c.code & 0xF), c.band) << std::hex << int(c.code);
        EXPECT_EQ(VersionName(c.code >> 4, c.code & 0xF), c.version) << std::hex << int(c.code);
    }
}

TEST(ModelVariant, DefaultRangeCodeKeepsTheOtherBandOfTheAModels) {
    const struct {
        const char* model;
        uint8_t before, after;
    } cases[] = {
        {"MDL1A", 0x11, 0x11}, {"MDL1A", 0x23, 0x21}, {"MDL1B", 0x21, 0x11}, {"MDL2A", 0x31, 0x31},
        {"MDL2A", 0x41, 0x51}, {"MDL2B", 0x51, 0x31},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultRangeCode(*FindModelVariant(c.model), c.before), c.after) << c.model;
}

TEST(ModelVariant, TitleNamesModelSeriesBandAndFile) {
    const LanguageTable& texts = test::ShippedTexts();
    const std::string name = texts.GetText(3001001);
    auto t = [&](TextId id) { return std::string(texts.GetText(id)); };

    RadioImage image;
    image.FillAll(0xFF);
    image.SetModelString("MDL2A");
    image.SetRangeCode(0x51);
    EXPECT_EQ(ComposeTitle(image, texts, "Site1.dat"),
              name + " [" + t(3005003) + "  " + t(3018001) + " : " + t(3005009) + "(" + t(3019105) + ")] [" +
                  t(3018005) + " : Site1.dat ]");

    image.SetModelString("ZZ9XY");
    image.SetRangeCode(0x77);
    EXPECT_EQ(ComposeTitle(image, texts, "a.dat"),
              name + " [ZZ9XY " + t(3005011) + "(" + t(3005017) + ")] [" + t(3018005) + " : a.dat ]");
}

} // namespace
} // namespace rpx
