#include "core/editor/channel_raster.h"

namespace rpx {

namespace {

struct Raster {
    uint32_t units; // raster spacing in 10 Hz units
    StepCode step;
};

constexpr Raster kCommonRasters[] = {{625, StepCode::Step6k25}, {500, StepCode::Step5k}};
constexpr Raster kVhfRasters[] = {{750, StepCode::Step7k5}, {250, StepCode::Step2k5}};

uint32_t NearestMultiple(uint32_t units, uint32_t spacing) {
    const uint32_t lower = units / spacing * spacing;
    const uint32_t upper = lower + spacing;
    return units - lower <= upper - units ? lower : upper;
}

uint32_t Distance(uint32_t a, uint32_t b) {
    return a > b ? a - b : b - a;
}

void Consider(const Raster& raster, uint32_t units, RasterFit& best, uint32_t& bestDistance) {
    const uint32_t candidate = NearestMultiple(units, raster.units);
    const uint32_t distance = Distance(candidate, units);
    if (best.step == StepCode::None || distance < bestDistance) {
        best = {candidate, raster.step};
        bestDistance = distance;
    }
}

} // namespace

RasterFit FitToRaster(uint32_t units, bool vhf) {
    RasterFit best;
    uint32_t bestDistance = 0;
    for (const Raster& raster : kCommonRasters)
        Consider(raster, units, best, bestDistance);
    if (vhf)
        for (const Raster& raster : kVhfRasters)
            Consider(raster, units, best, bestDistance);
    return best;
}

} // namespace rpx
