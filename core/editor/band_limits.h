#pragma once

#include <cstdint>

#include "core/radio/radio_image.h"

namespace rpx {

// The frequencies the editors accept for the image's BandCode, in 10 Hz units. Outside the band a
// value is stored with a warning; outside the absolute range it is replaced by the band's edge.
struct BandLimits {
    bool hasBand = false; // false for band codes 0 and 6..15: every value counts as in band
    uint32_t bandLow = 0;
    uint32_t bandHigh = 0;
    uint32_t absoluteLow = 0;
    uint32_t absoluteHigh = 0;
    bool vhf = false; // band codes 1 and 2: the 7.5 and 2.5 kHz rasters are tried too
};

// Band 4 reaches 520 MHz when the VersionCode is 1, else 512 MHz.
BandLimits LimitsOf(const RadioImage& image);
// BandCode 1 or 2.
bool IsVhf(const RadioImage& image);

enum class LimitSide { Lower, Upper };

struct ClampResult {
    int64_t units = 0;      // 10 Hz units
    bool outOfBand = false; // the value lay outside the band on this side
};

// One side of the band check. A value beyond the absolute range on that side becomes the band's edge
// (the absolute edge for band codes without band limits, so no value outgrows eight BCD digits).
ClampResult ClampToLimits(const BandLimits& limits, LimitSide side, int64_t units);

} // namespace rpx
