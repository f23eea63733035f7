#include <gtest/gtest.h>

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
        {"MDL1B", 0x11, true}, {"MDL2B", 0x31, true}, {"MDL2A", 0x50, true},  {"MDL2A", 0x51, false},
        {"MDL1A", 0x20, true}, {"MDL1A", 0x21, false}, {"XXXXX", 0x10, false},
    };
    for (const Case& c : cases) {
        RadioImage image;
        image.SetModelString(c.model);
        image.SetRangeCode(c.code);
        EXPECT_EQ(image.IsExtendedVariant(), c.extended) << c.model << " " << int(c.code);
    }
}

} // namespace
} // namespace rpx
