#pragma once

#include "core/radio/radio_image.h"

namespace rpx {

// The data-signalling controls of the feature dialogs (Orbicall calls, horn and light outputs, the
// trunking group count) exist only on models whose options byte has bit 6 set (hidden functions off)
// and whose frequency-range code is not 0x23.
inline bool ModelGateOpen(const RadioImage& image) {
    constexpr uint8_t kRangeWithoutSignalling = 0x23;
    return image.Bit(RadioImage::kModelOptions, 6) && image.RangeCode() != kRangeWithoutSignalling;
}

} // namespace rpx
