#include "sim/demo_image.h"

#include <algorithm>
#include <string_view>

#include "core/editor/frequency_text.h"
#include "core/editor/tone_text.h"
#include "core/radio/image_layout.h"

namespace rpx::sim {

namespace {

struct DemoChannel {
    std::string_view rx, tx, decode, encode;
    bool wide, highPower;
};

constexpr DemoChannel kChannels[] = {
    {"451.02500", "456.02500", "67.0", "67.0", true, true},
    {"452.50000", "457.50000", "D023N", "D023N", true, true},
    {"460.11250", "460.11250", "88.5", "88.5", false, false},
    {"462.55000", "467.55000", "", "123.0", true, true},
};

constexpr std::string_view kMessage[] = {"DEMONSTRATION RADIO", "VIRTUAL RADIO - RPX-41C"};

void WriteLine(RadioImage& image, std::size_t offset, std::string_view text) {
    image.Fill(offset, layout::kMessageLineLength, 0xFF);
    std::ranges::copy(text.substr(0, layout::kMessageLineLength),
                      image.Bytes().begin() + static_cast<std::ptrdiff_t>(offset));
}

} // namespace

RadioImage DemoRadioImage() {
    RadioImage image = NewRadioImage();
    int channel = 1;
    for (const DemoChannel& c : kChannels) {
        ParseRxFrequency(image, channel, c.rx);
        ParseTxFrequency(image, channel, c.tx);
        if (!c.decode.empty())
            ParseToneText(image, channel, Direction::Rx, c.decode);
        if (!c.encode.empty())
            ParseToneText(image, channel, Direction::Tx, c.encode);
        ChannelRecord record(image, channel);
        record.SetWide(c.wide);
        record.SetHighPower(c.highPower);
        ++channel;
    }
    WriteLine(image, layout::kEmbeddedMessage, kMessage[0]);
    WriteLine(image, layout::kEmbeddedMessage + layout::kMessageLineLength, kMessage[1]);
    return image;
}

RadioSetup DemoRadioSetup() {
    RadioSetup setup;
    setup.image = DemoRadioImage();
    return setup;
}

} // namespace rpx::sim
