#include "core/editor/band_limits.h"

namespace rpx {

namespace {

constexpr uint32_t Mhz(uint32_t mhz) {
    return mhz * 100000;
}

constexpr uint32_t kLowRangeLow = Mhz(100);
constexpr uint32_t kLowRangeHigh = Mhz(280);
constexpr uint32_t kHighRangeLow = Mhz(327);
constexpr uint32_t kHighRangeHigh = Mhz(550);

} // namespace

BandLimits LimitsOf(const RadioImage& image) {
    const unsigned band = image.BandCode();
    BandLimits limits;
    limits.vhf = band == 1 || band == 2;
    const bool lowRange = band <= 2;
    limits.absoluteLow = lowRange ? kLowRangeLow : kHighRangeLow;
    limits.absoluteHigh = lowRange ? kLowRangeHigh : kHighRangeHigh;
    limits.hasBand = band >= 1 && band <= 5;
    switch (band) {
    case 1:
        limits.bandLow = Mhz(146);
        limits.bandHigh = Mhz(174);
        break;
    case 2:
        limits.bandLow = Mhz(136);
        limits.bandHigh = Mhz(162);
        break;
    case 3:
        limits.bandLow = Mhz(450);
        limits.bandHigh = Mhz(490);
        break;
    case 4:
        limits.bandLow = Mhz(485);
        limits.bandHigh = image.VersionCode() == 1 ? Mhz(520) : Mhz(512);
        break;
    case 5:
        limits.bandLow = Mhz(400);
        limits.bandHigh = Mhz(430);
        break;
    default:
        limits.bandLow = limits.absoluteLow;
        limits.bandHigh = limits.absoluteHigh;
        break;
    }
    return limits;
}

bool IsVhf(const RadioImage& image) {
    return LimitsOf(image).vhf;
}

ClampResult ClampToLimits(const BandLimits& limits, LimitSide side, int64_t units) {
    ClampResult result{units, false};
    if (side == LimitSide::Lower) {
        result.outOfBand = limits.hasBand && units < limits.bandLow;
        if (units < limits.absoluteLow)
            result.units = limits.bandLow;
    } else {
        result.outOfBand = limits.hasBand && units > limits.bandHigh;
        if (units > limits.absoluteHigh)
            result.units = limits.bandHigh;
    }
    return result;
}

} // namespace rpx
