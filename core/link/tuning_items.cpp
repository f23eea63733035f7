#include "core/link/tuning_items.h"

namespace rpx {

namespace {

constexpr std::array<TuningItem, 11> kItems = {{
    {3012013, 32, false, 1, {}, 22, 22},                    // frequency
    {3012001, 18, false, 5, {48, 51, 49, 52, 50}, 10, 10},  // high power
    {3012003, 20, false, 5, {96, 99, 97, 100, 98}, 16, 16}, // low power
    {3012005, 24, true, 3, {101, 102, 103}, 28, 32},        // maximum deviation
    {3012007, 23, true, 3, {36, 37, 38}, 23, 27},           // QT deviation
    {3012009, 25, true, 3, {106, 107, 108}, 33, 37},        // DQT deviation
    {3012011, 26, true, 3, {111, 112, 113}, 38, 42},        // DTMF deviation
    {3012023, 29, true, 1, {}, 43, 44},                     // MSK deviation
    {3012015, 31, false, 3, {53, 54, 55}, 45, 45},          // sensitivity
    {3012017, 13, true, 3, {117, 118, 119}, 5, 9},          // squelch tight
    {3012021, 12, true, 3, {114, 115, 116}, 0, 4},          // squelch open
}};

} // namespace

uint8_t TuningItem::PointCode(int point) const {
    return point == 0 ? code : pointCodes.at(static_cast<std::size_t>(point - 1));
}

std::size_t TuningItem::AdjustmentEntry(int point, bool wide) const {
    if (bySpacing && !wide)
        return narrowEntry;
    return wideEntry + static_cast<std::size_t>(point);
}

std::span<const TuningItem> TuningItems() {
    return kItems;
}

} // namespace rpx
