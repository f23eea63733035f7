#include <gtest/gtest.h>

#include "core/radio/image_snapshot.h"

namespace rpx {
namespace {

// A reference to an empty channel is dropped in the copy; one to a programmed channel is kept.
TEST(ImageSnapshot, DropsReferencesToEmptyChannels) {
    const struct {
        std::size_t reference;
        uint8_t channel;
        bool channelEmpty;
        uint32_t kept;
    } cases[] = {
        {0x0AB, 2, true, 0}, {0x0AB, 2, false, 2}, {0x200, 4, true, 0},       {0x200, 1, false, 1},
        {0x200, 5, true, 5}, {0x0AB, 0, true, 0},  {0x0AB, 0xFF, true, 0xFF},
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.FillAll(0x00);
        image.SetByte(c.reference, c.channel);
        if (c.channel >= 1 && c.channel <= 8)
            image.SetByte(0x010 + 16 * c.channel, c.channelEmpty ? 0xFF : 0x00);
        ImageSnapshot snapshot;
        snapshot.TakeSnapshot(image);
        EXPECT_EQ(snapshot.Entry(c.reference), c.kept) << std::hex << c.reference << " " << int(c.channel);
        snapshot.RestoreSnapshot(image);
        EXPECT_EQ(image.Byte(c.reference), c.kept);
    }
}

} // namespace
} // namespace rpx
