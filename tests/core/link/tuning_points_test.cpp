#include <gtest/gtest.h>

#include "core/link/tuning_points.h"

namespace rpx {
namespace {

std::vector<TextId> Tabs(int pointCount) {
    std::vector<TextId> tabs;
    for (const TuningPage& page : TuningPages(pointCount)) {
        EXPECT_EQ(page.point, static_cast<int>(tabs.size()));
        tabs.push_back(page.tab);
    }
    return tabs;
}

TEST(TuningPoints, PagesFollowTheNumberOfPoints) {
    EXPECT_EQ(Tabs(1), (std::vector<TextId>{3012047}));
    EXPECT_EQ(Tabs(3), (std::vector<TextId>{3012047, 3013017, 3012045, 3013015}));
    EXPECT_EQ(Tabs(5), (std::vector<TextId>{3012047, 3013017, 3012043, 3012045, 3012041, 3013015}));
    EXPECT_EQ(TuningPages(5)[0].position, TuningPosition::Centre);
}

TEST(TuningPoints, FrequenciesByBandAndVersion) {
    using P = TuningPosition;
    const struct {
        P position;
        unsigned band, version;
        std::optional<PointFrequencies> expected;
    } cases[] = {
        {P::High, 1, 1, PointFrequencies{17395, 17390}},
        {P::LowMiddle, 2, 1, PointFrequencies{14255, 14260}},
        {P::LowMiddle, 4, 1, PointFrequencies{49380, 49385}},
        {P::LowMiddle, 4, 3, PointFrequencies{49380, 49385}},
        {P::LowMiddle, 4, 0, PointFrequencies{49180, 49185}},
        {P::HighMiddle, 5, 0, PointFrequencies{42405, 42410}},
        {P::Centre, 0, 1, std::nullopt},
        {P::Centre, 6, 1, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TuningFrequencies(c.position, c.band, c.version), c.expected) << c.band << " " << c.version;
    EXPECT_EQ(TuningFrequencyText(14605), "146.05000");
    EXPECT_EQ(TuningFrequencyText(40000), "400.00000");
}

} // namespace
} // namespace rpx
