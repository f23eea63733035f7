#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "core/editor/channel_record.h"
#include "core/editor/tone_code.h"
#include "core/editor/tone_list.h"
#include "core/editor/tone_text.h"
#include "core/radio/image_layout.h"
#include "core/text/text_ids.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

constexpr uint16_t kUnchanged = 0x1234; // a tone the test starts with

TEST(ToneCode, TypedTextFollowsLengthAndRangeRules) {
    struct Case {
        const char* typed;
        uint16_t raw;
    };
    const Case cases[] = {
        {"", 0xFFFF},       {"D", kUnchanged}, {"D2", 0x2880},    // D200
        {"D23", 0x2898},                                          // D230
        {"D023", 0x2813},                                         // octal 023 = 19
        {"D023N", 0x2813},  {"D023I", 0xA813}, {"D023X", 0x2813}, // only "I" inverts
        {"D023II", 0x2813},                                       // longer texts are normal
        {"D754N", 0x29EC},                                        // code bit 8 in bit 0 of the high byte
        {"D754I", 0xA9EC},  {"D089", 0xFFFF},                     // not octal: unreadable
        {"DN", 0xFFFF},     {"300", 2541},     {"254.1", 2541},
        {"60", 670},        {"67.0", 670},     {"100.1", 1001}, // typed tones need not be in the list
        {"100.15", 1001},   {"1.2.3", 670},    {".", 670},
        {"Off", 0xFFFF},    {"d023n", 0xFFFF}, // lower case arrives only around the key filter
        {"12a", 0xFFFF},
    };
    for (const Case& c : cases) {
        const ToneCode tone = ToneCode::FromTypedText(c.typed).value_or(ToneCode(kUnchanged));
        EXPECT_EQ(tone.Raw(), c.raw) << c.typed;
    }
    // More digits than a double holds.
    EXPECT_EQ(ToneCode::FromTypedText(std::string(400, '9'))->Raw(), 2541);
    EXPECT_EQ(ToneCode::FromTypedText("0." + std::string(400, '0') + "1")->Raw(), 670);
    EXPECT_TRUE(ToneCode::FromItemText(std::string(400, '9')).IsNone());
}

TEST(ToneCode, RawCodesReadAsText) {
    struct Case {
        uint16_t raw;
        const char* text;
    };
    const Case cases[] = {
        {0x029E, "67.0"},  {1000, "100.0"}, {5, "0.5"},   {0x2813, "D023N"},
        {0xA9EC, "D754I"}, {0xFF12, ""},    {0xFFFF, ""}, {0x28FF, "D377N"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToneCode(c.raw).Text(), c.text) << std::hex << c.raw;
}

TEST(ToneList, HoldsOffCtcssNormalThenInvertedDcs) {
    const std::vector<std::string> list = BuildToneList(test::ShippedTexts());
    ASSERT_EQ(list.size(), 206u);
    EXPECT_EQ(list[0], test::ShippedTexts().GetText(txt::kOff));
    EXPECT_EQ(list[1], "67.0");
    EXPECT_EQ(list[13], "100.0");
    EXPECT_EQ(list[39], "250.3");
    std::istringstream dcs("023 025 026 031 032 043 047 051 054 065 071 072 073 074 114 115 116 125 131 132 "
                           "134 143 152 155 156 162 "
                           "165 172 174 205 223 226 243 244 245 251 261 263 265 271 306 311 315 331 343 346 "
                           "351 364 365 371 411 412 "
                           "413 423 431 432 445 464 465 466 503 506 516 532 546 565 606 612 624 627 631 632 "
                           "654 662 664 703 712 723 "
                           "731 732 734 743 754");
    std::size_t i = 0;
    for (std::string code; dcs >> code; ++i) {
        EXPECT_EQ(list[40 + i], "D" + code + "N");
        EXPECT_EQ(list[123 + i], "D" + code + "I");
    }
    EXPECT_EQ(i, 83u);
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size());
}

TEST(ToneList, EveryItemStoresTheToneItNames) {
    const std::vector<std::string> list = BuildToneList(test::ShippedTexts());
    EXPECT_TRUE(ToneCode::FromItemText(list[0]).IsNone());
    EXPECT_TRUE(ToneCode::FromItemText("").IsNone());
    for (std::size_t i = 1; i < list.size(); ++i) {
        EXPECT_EQ(ToneCode::FromItemText(list[i]).Text(), list[i]);
        EXPECT_EQ(ToneCode::FromTypedText(list[i])->Text(), list[i]);
    }
}

TEST(ToneText, ShowsOffWithoutToneOrFrequency) {
    const LanguageTable& texts = test::ShippedTexts();
    const std::string off = texts.GetText(txt::kOff);
    RadioImage image = test::NewImage("MDL2A", 0x31);
    ChannelRecord record(image, 1);
    image.SetByte(record.Offset(), 0x00); // programmed RX, no TX
    record.SetTone(Direction::Tx, ToneCode::Ctcss(670));
    EXPECT_EQ(FormatTone(image, 1, Direction::Tx, texts), off);
    image.SetByte(record.Offset() + 8, 0x12); // byte +9 stays 0xFF
    EXPECT_EQ(FormatTone(image, 1, Direction::Rx, texts), off);
    ParseToneText(image, 1, Direction::Rx, "D23");
    EXPECT_EQ(FormatTone(image, 1, Direction::Rx, texts), "D230N");
    ParseToneSelection(image, 1, Direction::Rx, off);
    EXPECT_EQ(record.Tone(Direction::Rx).Raw(), ToneCode::kNoTone);
}

} // namespace
} // namespace rpx
