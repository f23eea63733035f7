#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/text/text_id.h"

namespace rpx {

// Where in the band a tuning point lies.
enum class TuningPosition { Low, LowMiddle, Centre, HighMiddle, High };

// One page of the tuning dialog: its tab, the point it adjusts (its index in the page list) and
// whose test frequencies it shows.
struct TuningPage {
    TextId tab;
    int point;
    TuningPosition position;
    bool operator==(const TuningPage&) const = default;
};

// The pages of an item with pointCount points (1, 3 or 5), in tab order: the main page (point 0,
// centre frequencies), then points 1..pointCount from the low to the high end of the band.
std::vector<TuningPage> TuningPages(int pointCount);

// Receive and transmit test frequency of a point, in units of 10 kHz.
struct PointFrequencies {
    uint32_t receive;
    uint32_t transmit;
    bool operator==(const PointFrequencies&) const = default;
};

// By the image's band and version code; nothing for a band outside 1..5.
std::optional<PointFrequencies> TuningFrequencies(TuningPosition position, unsigned bandCode,
                                                  unsigned versionCode);

// "146.05000" for 14605.
std::string TuningFrequencyText(uint32_t units);

} // namespace rpx
