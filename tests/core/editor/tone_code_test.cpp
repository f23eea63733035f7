#include <gtest/gtest.h>

#include <set>

#include "core/editor/tone_code.h"
#include "core/editor/tone_list.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

constexpr uint16_t kUnchanged = 0x1234; // a tone the test starts with

TEST(ToneCode, TypedTextFollowsLengthAndRangeRules) {
    const std::pair<const char*, uint16_t> cases[] = {
        {"", 0xFFFF},       {"D", kUnchanged}, {"D2", 0x2880},    // D200
        {"D023", 0x2813},                                         // octal 023 = 19
        {"D023N", 0x2813},  {"D023I", 0xA813}, {"D023X", 0x2813}, // only "I" inverts
        {"D023II", 0x2813},                                       // longer texts are normal
        {"D754I", 0xA9EC},                                        // code bit 8 in bit 0 of the high byte
        {"D089", 0xFFFF},                                         // not octal: unreadable
        {"300", 2541},      {"60", 670},       {"100.15", 1001},  // CTCSS limits; need not be listed
        {"1.2.3", 670},     {"d023n", 0xFFFF},                    // lower case only around the key filter
        {"12a", 0xFFFF},
    };
    for (const auto& [typed, raw] : cases)
        EXPECT_EQ(ToneCode::FromTypedText(typed).value_or(ToneCode(kUnchanged)).Raw(), raw) << typed;
    // More digits than a double holds.
    EXPECT_EQ(ToneCode::FromTypedText(std::string(400, '9'))->Raw(), 2541);
    EXPECT_EQ(ToneCode::FromTypedText("0." + std::string(400, '0') + "1")->Raw(), 670);
    EXPECT_TRUE(ToneCode::FromItemText(std::string(400, '9')).IsNone());
}

TEST(ToneCode, RawCodesReadAsText) {
    const std::pair<uint16_t, const char*> cases[] = {{0x029E, "67.0"},  {5, "0.5"},   {0x2813, "D023N"},
                                                      {0xA9EC, "D754I"}, {0xFF12, ""}, {0x28FF, "D377N"}};
    for (const auto& [raw, text] : cases)
        EXPECT_EQ(ToneCode(raw).Text(), text) << std::hex << raw;
}

TEST(ToneList, HoldsOffCtcssNormalThenInvertedDcsAndEveryItemStoresTheToneItNames) {
    const std::vector<std::string> list = BuildToneList(test::ShippedTexts());
    ASSERT_EQ(list.size(), 206u);
    const std::pair<std::size_t, const char*> samples[] = {{1, "67.0"},    {39, "250.3"},  {40, "D023N"},
                                                           {122, "D754N"}, {123, "D023I"}, {205, "D754I"}};
    for (const auto& [index, item] : samples)
        EXPECT_EQ(list[index], item);
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size());
    EXPECT_TRUE(ToneCode::FromItemText(list[0]).IsNone()); // off
    for (std::size_t i = 1; i < list.size(); ++i) {
        EXPECT_EQ(ToneCode::FromItemText(list[i]).Text(), list[i]);
        EXPECT_EQ(ToneCode::FromTypedText(list[i])->Text(), list[i]);
    }
}

} // namespace
} // namespace rpx
