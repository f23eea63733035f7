#include <gtest/gtest.h>

#include "core/editor/channel_record.h"
#include "core/radio/data_file.h"
#include "core/radio/image_layout.h"
#include "sim/demo_image.h"

namespace rpx::sim::test {
namespace {

// A first read of the demonstration radio fills the grid: programmed channels with tones on the
// model the radio identifies as, and a message.
TEST(DemoImage, HoldsChannelsWithTonesAndAMessage) {
    const RadioImage image = DemoRadioImage();
    EXPECT_EQ(image.ModelCode(), NewRadioImage().ModelCode());
    int programmed = 0;
    int withTones = 0;
    for (int channel = 1; channel <= int(layout::kChannelCount); ++channel) {
        const BasicChannelRecord<const RadioImage> record(image, channel);
        programmed += record.IsProgrammed() ? 1 : 0;
        withTones += record.IsProgrammed() &&
                     !(record.Tone(Direction::Rx).IsNone() && record.Tone(Direction::Tx).IsNone());
    }
    EXPECT_GE(programmed, 4);
    EXPECT_GE(withTones, 3);
    EXPECT_FALSE(EmbeddedMessageLine(image.Bytes().subspan(layout::kEmbeddedMessage, 32)).empty());
}

} // namespace
} // namespace rpx::sim::test
