#pragma once

#include <cstddef>
#include <cstdint>

#include "core/link/radio_link.h"
#include "core/radio/radio_image.h"

namespace rpx {

namespace link {
inline constexpr uint8_t kTestChannel = 0x10;        // request: 0x10, record number 1..16
inline constexpr std::size_t kTestChannelRecord = 8; // reply: receive, then transmit frequency
} // namespace link

enum class TestChannelCheck {
    Same,   // the radio's 16 test channel records equal image 0x280..0x2FF
    Differ, // all 16 arrived and at least one byte differs
    Failed, // an exchange failed and was reported (Retry leaves RetryRequested set)
};

// Reads the 16 test channel records from the radio in test mode and compares them with the image.
// The radio may answer the acknowledgements with NAK meanwhile.
TestChannelCheck CheckTestChannels(RadioLink& link, const RadioImage& image);

} // namespace rpx
