#include "core/link/tuning_points.h"

#include <array>
#include <cstdio>

namespace rpx {

namespace {

constexpr TextId kMainTab = 3012047;
constexpr TextId kLowTab = 3013017;
constexpr TextId kLowMiddleTab = 3012043;
constexpr TextId kCentreTab = 3012045;
constexpr TextId kHighMiddleTab = 3012041;
constexpr TextId kHighTab = 3013015;

constexpr std::size_t kBands = 5;
constexpr unsigned kSecondPairBand = 4; // takes the second pair when its version code is 0

struct PositionFrequencies {
    std::array<PointFrequencies, kBands> byBand;
    PointFrequencies secondPair;
};

// Indexed by TuningPosition.
constexpr std::array<PositionFrequencies, 5> kFrequencies = {{
    {{{{14605, 14610}, {13605, 13610}, {45005, 45010}, {48505, 48510}, {40005, 40010}}}, {48505, 48510}},
    {{{{15305, 15310}, {14255, 14260}, {46005, 46010}, {49380, 49385}, {40905, 40910}}}, {49180, 49185}},
    {{{{16005, 16010}, {14905, 14910}, {47005, 47010}, {50255, 50260}, {41805, 41810}}}, {49855, 49860}},
    {{{{16705, 16710}, {15555, 15560}, {48005, 48010}, {51130, 51135}, {42405, 42410}}}, {50530, 50535}},
    {{{{17395, 17390}, {16195, 16190}, {48995, 48990}, {51995, 51990}, {42995, 42990}}}, {51195, 51190}},
}};

} // namespace

std::vector<TuningPage> TuningPages(int pointCount) {
    std::vector<TuningPage> pages{{kMainTab, 0, TuningPosition::Centre}};
    if (pointCount == 5)
        pages.insert(pages.end(), {{kLowTab, 1, TuningPosition::Low},
                                   {kLowMiddleTab, 2, TuningPosition::LowMiddle},
                                   {kCentreTab, 3, TuningPosition::Centre},
                                   {kHighMiddleTab, 4, TuningPosition::HighMiddle},
                                   {kHighTab, 5, TuningPosition::High}});
    else if (pointCount >= 3)
        pages.insert(pages.end(), {{kLowTab, 1, TuningPosition::Low},
                                   {kCentreTab, 2, TuningPosition::Centre},
                                   {kHighTab, 3, TuningPosition::High}});
    return pages;
}

std::optional<PointFrequencies> TuningFrequencies(TuningPosition position, unsigned bandCode,
                                                  unsigned versionCode) {
    if (bandCode < 1 || bandCode > kBands)
        return std::nullopt;
    const PositionFrequencies& row = kFrequencies[static_cast<std::size_t>(position)];
    if (bandCode == kSecondPairBand && versionCode == 0)
        return row.secondPair;
    return row.byBand[bandCode - 1];
}

std::string TuningFrequencyText(uint32_t units) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%02u000", units / 100, units % 100);
    return text;
}

} // namespace rpx
