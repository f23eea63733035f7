#include <gtest/gtest.h>

#include "core/editor/channel_grid_editor.h"
#include "core/features/key_assignment_rules.h"
#include "core/radio/image_layout.h"
#include "tests/core/features/rules_fixture.h"

namespace rpx {
namespace {

constexpr uint8_t kLongListOption = 4;

class KeyAssignmentRulesTest : public test::RulesFixture<KeyAssignmentRules> {
protected:
    // model and range code pick extended variant and short list; portOption 4 the long list.
    KeyAssignmentRules& Start(const char* model, uint8_t rangeCode, uint8_t portOption = 0) {
        rules.reset();
        session.image = test::NewImage(model, rangeCode);
        session.image.SetByte(layout::kPortMode, portOption);
        return Reopen();
    }
    std::string Text(TextId id) { return test::ShippedTexts().GetText(id); }
};

TEST_F(KeyAssignmentRulesTest, KeyShowsTheTextOfItsCode) {
    const struct {
        const char* model;
        uint8_t code;
        TextId shown;
    } cases[] = {
        {"MDL1A", 4, 3006019},  {"MDL1A", 9, 3006017},  {"MDL1A", 21, 3006027},
        {"MDL1A", 18, 3017055}, // shown by name even when the list would not offer it
        {"MDL1A", 11, 1001023}, {"MDL1B", 11, 1001073}, {"MDL1A", 0xFF, 1001023},
        {"MDL1A", 3, 1001023},  {"MDL1A", 12, 1001023},
    };
    for (const auto& c : cases) {
        Start(c.model, 0x11);
        session.image.SetByte(layout::kProgrammableKey2, c.code);
        EXPECT_EQ(rules->KeyText(1), Text(c.shown)) << c.model << " code " << int(c.code);
    }
}

TEST_F(KeyAssignmentRulesTest, ListDependsOnModelAndPortOption) {
    const struct {
        const char* model;
        uint8_t rangeCode, portOption;
        KeyAssignmentRules::ItemSet set;
        std::size_t count;
        TextId beforeLast;
    } cases[] = {
        {"MDL1A", 0x13, kLongListOption, KeyAssignmentRules::ItemSet::Short, 7, 3006017},
        {"MDL1B", 0x13, 0, KeyAssignmentRules::ItemSet::Short, 8, 1001073},
        {"MDL1A", 0x11, 0, KeyAssignmentRules::ItemSet::Standard, 10, 3006027},
        {"MDL2A", 0x30, 0, KeyAssignmentRules::ItemSet::Standard, 11, 1001073}, // version 0: extended
        {"MDL2A", 0x31, kLongListOption, KeyAssignmentRules::ItemSet::Long, 11, 3017055},
        {"MDL2B", 0x31, kLongListOption, KeyAssignmentRules::ItemSet::Long, 12, 1001073},
    };
    for (const auto& c : cases) {
        Start(c.model, c.rangeCode, c.portOption);
        const std::vector<std::string> items = rules->ItemTexts();
        EXPECT_EQ(rules->Items(), c.set) << c.model << std::hex << int(c.rangeCode);
        ASSERT_EQ(items.size(), c.count) << c.model << std::hex << int(c.rangeCode);
        EXPECT_EQ(items[c.count - 2], Text(c.beforeLast));
        EXPECT_EQ(items.back(), Text(1001023));
    }
}

// Opening a key's list and leaving it without a choice: which item is selected, what is stored.
TEST_F(KeyAssignmentRulesTest, LeavingTheListStoresTheSelectedItemsCode) {
    const struct {
        const char* model;
        uint8_t rangeCode, portOption, code;
        int selection;
        uint8_t stored;
        int help;
    } cases[] = {
        {"MDL1A", 0x11, 0, 4, 0, 4, 513},
        {"MDL1A", 0x11, 0, 16, 6, 16, 521},
        {"MDL1A", 0x11, 0, 21, 8, 21, 524},
        {"MDL1A", 0x11, 0, 0xFF, 9, 10, 519},
        {"MDL1A", 0x11, 0, 18, 9, 10, 519}, // scrambler outside the long list: the item at its place
        {"MDL1B", 0x11, 0, 18, 9, 11, 520},
        {"MDL1B", 0x11, 0, 11, 9, 11, 520},
        {"MDL1B", 0x11, 0, 0xFF, 10, 10, 519},
        {"MDL1A", 0x31, kLongListOption, 18, 9, 18, 523},
        {"MDL1B", 0x11, kLongListOption, 11, 10, 11, 520},
        {"MDL1B", 0x11, kLongListOption, 0, 11, 10, 519},
        {"MDL1A", 0x13, 0, 0xFF, 6, 11, 520}, // short list without groups: "no function" is code 11
        {"MDL1A", 0x13, 0, 11, 6, 11, 520},
        {"MDL1B", 0x13, 0, 11, 6, 11, 520},
        {"MDL1B", 0x13, 0, 0xFF, 7, 10, 519},
        {"MDL1B", 0x13, 0, 21, -1, 10, 519}, // beyond the short list's end: nothing selected
        {"MDL1B", 0x13, 0, 16, 6, 11, 520},
    };
    for (const auto& c : cases) {
        Start(c.model, c.rangeCode, c.portOption);
        session.image.SetByte(layout::kProgrammableKey1, c.code);
        rules->BeginEdit(0);
        EXPECT_EQ(rules->EditedKey(), 0);
        EXPECT_EQ(rules->Selection(), c.selection)
            << c.model << std::hex << int(c.rangeCode) << " " << int(c.code);
        EXPECT_EQ(rules->HelpContext(), c.help)
            << c.model << std::hex << int(c.rangeCode) << " " << int(c.code);
        rules->EndEdit();
        EXPECT_EQ(rules->EditedKey(), KeyAssignmentRules::kNoKey);
        EXPECT_EQ(Byte(layout::kProgrammableKey1), c.stored)
            << c.model << std::hex << int(c.rangeCode) << " " << int(c.code);
    }
}

TEST_F(KeyAssignmentRulesTest, ChoosingGroupMakesChannelGroupTwoUsable) {
    Start("MDL2B", 0x31);
    ChannelGridEditor grid(session, notifier);
    ASSERT_FALSE(grid.IsGroup2Enabled());
    ASSERT_TRUE(rules->Set("key-2", "group").Ok());
    EXPECT_EQ(Byte(layout::kProgrammableKey2), KeyAssignmentRules::Code::kGroup);
    EXPECT_TRUE(grid.IsGroup2Enabled());
    EXPECT_EQ(rules->Fields()[1],
              (SettingField{"key-2", Text(1001073), KeyAssignmentRules::kKeyLabel, " 2"}));
}

TEST_F(KeyAssignmentRulesTest, RefusedChoiceChangesNothingAndEndingWithoutOkRestores) {
    Start("MDL1A", 0x11);
    const Status refused = rules->Set("key-1", "Group"); // not offered without channel groups
    ASSERT_FALSE(refused.Ok());
    EXPECT_NE(refused.Message().find("Talk Around"), std::string::npos) << refused.Message();
    EXPECT_EQ(session.image, before);
    ASSERT_TRUE(rules->Set("key-1", "Horn Alert").Ok());
    ASSERT_NE(session.image, before);
    rules.reset();
    EXPECT_EQ(session.image, before);
}

} // namespace
} // namespace rpx
