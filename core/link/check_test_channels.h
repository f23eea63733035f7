#pragma once

#include "core/link/link_session.h"
#include "core/radio/radio_image.h"

namespace rpx {

enum class TestChannelCheck {
    Same,   // the radio's 16 test channel records equal image 0x280..0x2FF
    Differ, // all 16 arrived and at least one byte differs
    Failed, // an exchange failed (nothing reported yet)
};

// Reads the 16 test channel records from the radio in test mode and compares them with the image.
// The radio may answer the acknowledgements with NAK meanwhile.
TestChannelCheck CheckTestChannels(LinkSession& link, const RadioImage& image);

} // namespace rpx
