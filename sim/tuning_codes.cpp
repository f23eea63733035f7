#include "sim/tuning_codes.h"

#include <algorithm>
#include <array>

namespace rpx::sim {

namespace {

struct TuningPoint {
    uint8_t code;
    uint8_t wideEntry;
    uint8_t narrowEntry;
};

// The radio's own account of its tuning points, written apart from the program's tuning items so
// that the program is checked against it rather than against itself. Each tuning item is its own
// point 0; its further points follow it in the order of their entries.
// clang-format off
constexpr std::array<TuningPoint, 42> kPoints = {{
    {18, 10, 10}, {48, 11, 11}, {51, 12, 12}, {49, 13, 13}, {52, 14, 14}, {50, 15, 15},
    {20, 16, 16}, {96, 17, 17}, {99, 18, 18}, {97, 19, 19}, {100, 20, 20}, {98, 21, 21},
    {31, 45, 45}, {53, 46, 46}, {54, 47, 47}, {55, 48, 48},
    {32, 22, 22},
    {12, 0, 4}, {114, 1, 1}, {115, 2, 2}, {116, 3, 3},
    {13, 5, 9}, {117, 6, 6}, {118, 7, 7}, {119, 8, 8},
    {23, 23, 27}, {36, 24, 24}, {37, 25, 25}, {38, 26, 26},
    {24, 28, 32}, {101, 29, 29}, {102, 30, 30}, {103, 31, 31},
    {25, 33, 37}, {106, 34, 34}, {107, 35, 35}, {108, 36, 36},
    {26, 38, 42}, {111, 39, 39}, {112, 40, 40}, {113, 41, 41},
    {29, 43, 44},
}};
// clang-format on

const TuningPoint* Find(uint8_t code) {
    const auto found =
        std::find_if(kPoints.begin(), kPoints.end(), [code](const TuningPoint& p) { return p.code == code; });
    return found == kPoints.end() ? nullptr : &*found;
}

} // namespace

bool IsTuningCode(uint8_t code) {
    return Find(code) != nullptr;
}

std::optional<std::size_t> AdjustmentEntry(uint8_t code, bool wide) {
    const TuningPoint* point = Find(code);
    if (point == nullptr)
        return std::nullopt;
    return wide ? point->wideEntry : point->narrowEntry;
}

} // namespace rpx::sim
