#include <gtest/gtest.h>

#include "core/features/extended_sheet_rules.h"
#include "core/features/key_page_rules.h"
#include "core/features/scrambler_rules.h"
#include "tests/core/features/rules_fixture.h"

namespace rpx {
namespace {

class ExtendedSheetRulesTest : public test::RulesFixture<ExtendedSheetRules> {
protected:
    ExtendedSheetRules& Open(const char* model = "MDL2B") {
        rules.reset();
        session.image = test::NewImage(model, 0x31);
        session.image.SetByte(RadioImage::kModelOptions, 0xBF); // hidden functions on
        return Reopen();
    }
    static constexpr std::size_t ScramblerByte(int channel) { return 0x10 + 16 * channel + 0xE; }
};

TEST_F(ExtendedSheetRulesTest, ScramblerRowsChangeTheirBitsAndKeepTheOthers) {
    Open();
    auto& page = static_cast<ScramblerRules&>(rules->Page("scrambler"));
    session.image.SetByte(ScramblerByte(2), 0x37);
    EXPECT_EQ(page.Code(2), 4);
    EXPECT_FALSE(page.Voice(2));
    page.SetVoice(2, true);
    EXPECT_EQ(Byte(ScramblerByte(2)), 0x3F);
    page.SetCode(2, 16);
    EXPECT_EQ(Byte(ScramblerByte(2)), 0xFF);
    page.SetVoice(2, false);
    page.SetCode(2, 0); // below the range: code 1
    EXPECT_EQ(Byte(ScramblerByte(2)), 0x07);
}

TEST_F(ExtendedSheetRulesTest, KeyPageOffersChannelCodesAheadOfTheModelsList) {
    const struct {
        const char* model;
        uint8_t code;
        const char* shown;
        int item;
    } cases[] = {
        {"MDL2B", 0, "Channel 1", 0}, {"MDL2B", 3, "Channel 4", 3},   {"MDL2B", 4, "Emergency", 4},
        {"MDL2B", 11, "Group", 13},   {"MDL2B", 18, "Scrambler", 13}, {"MDL2B", 21, "TX Power", 12},
        {"MDL2B", 0xFF, "Off", 14},   {"MDL2A", 11, "Group", 13}, // the last item of a list without it
    };
    for (const auto& c : cases) {
        Open(c.model);
        auto& page = static_cast<KeyPageRules&>(rules->Page("key"));
        session.image.SetByte(0x245, c.code);
        EXPECT_EQ(page.KeyText(5), c.shown) << c.model << " " << int(c.code);
        EXPECT_EQ(page.Selection(5), c.item) << c.model << " " << int(c.code);
    }
    Open();
    auto& page = static_cast<KeyPageRules&>(rules->Page("key"));
    for (const auto& [item, code] : {std::pair{2, 2}, {4, 4}, {10, 16}, {13, 11}, {14, 10}}) {
        page.Select(0, item);
        EXPECT_EQ(Byte(0x240), code) << item;
    }
}

TEST_F(ExtendedSheetRulesTest, OneEditOverEveryPageKeptByOkAndUndoneOtherwise) {
    for (const bool ok : {false, true}) {
        Open();
        ASSERT_TRUE(rules->Set("scrambler.voice-8", "on").Ok());
        ASSERT_TRUE(rules->Set("key.ch-1", "Monitor").Ok());
        ASSERT_TRUE(rules->Set("emergency.horn-logic", "Normal").Ok());
        ASSERT_TRUE(rules->Set("emergency.horn-time", "12").Ok()) << "no model gate on the sheet";
        // Pages show only their bytes of the dialogs whose rules they are.
        for (const char* key : {"emergency.type", "scrambler", "colour.x", "key.key-3", "optional.tot",
                                "function-port.device", "dtmf.id-code"})
            EXPECT_FALSE(rules->Set(key, "1").Ok()) << key;
        EXPECT_EQ(Byte(0x240), 6);
        EXPECT_EQ(Byte(0x20A), 12);
        if (ok) {
            EXPECT_TRUE(rules->Ok());
        }
        rules.reset();
        EXPECT_EQ(session.image == before, !ok) << ok;
    }
    const std::vector<SettingField> fields = Open().Fields();
    EXPECT_EQ(std::tuple(fields.front().key, fields.back().key),
              std::tuple("function-port.port-1", "dtmf.horn-alert-time"));
    EXPECT_NE(FieldText("optional.data-channel"), "?");
}

} // namespace
} // namespace rpx
