#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/text/text_id.h"

namespace rpx {

// One entry of the tuning list: the adjustment it makes and at which points.
struct TuningItem {
    TextId text;
    uint8_t code;   // the item's request code, which is also the code of its point 0
    bool bySpacing; // depends on the channel spacing: one point and other entries when narrow
    int points;     // 1, 3 or 5 (when wide, for an item by spacing)
    std::array<uint8_t, 5> pointCodes; // request codes of points 1..points
    uint8_t wideEntry;                 // adjustment entry of point 0; point p uses wideEntry + p
    uint8_t narrowEntry;               // entry of the one point when narrow (items by spacing)

    int PointCount(bool wide) const { return bySpacing && !wide ? 1 : points; }
    // point 0..PointCount.
    uint8_t PointCode(int point) const;
    std::size_t AdjustmentEntry(int point, bool wide) const;
};

// The eleven items in the order of the tuning list (deliberately not sorted by their texts: the
// list position selects the item).
std::span<const TuningItem> TuningItems();

} // namespace rpx
