#include <gtest/gtest.h>

#include "core/link/tuning_items.h"

namespace rpx {
namespace {

TEST(TuningItems, ListKeepsTheGivenOrderOfTextsAndCodes) {
    const std::vector<std::pair<TextId, uint8_t>> expected = {
        {3012013, 32}, {3012001, 18}, {3012003, 20}, {3012005, 24}, {3012007, 23}, {3012009, 25},
        {3012011, 26}, {3012023, 29}, {3012015, 31}, {3012017, 13}, {3012021, 12}};
    std::vector<std::pair<TextId, uint8_t>> listed;
    for (const TuningItem& item : TuningItems())
        listed.emplace_back(item.text, item.code);
    EXPECT_EQ(listed, expected);
}

} // namespace
} // namespace rpx
