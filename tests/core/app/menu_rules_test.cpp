#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/menu_rules.h"
#include "core/radio/image_defaults.h"

namespace rpx {
namespace {

const std::set<int> kEverything = {cmd::kOrbicall, cmd::kFunctionPort, cmd::kSmarTrunk, cmd::kBoardRead,
                                   cmd::kBoardWrite, cmd::kBoardAlignment, cmd::kExtendedSettings};

RadioImage Image(uint8_t rangeCode, bool hiddenFunctions, bool trunking) {
    RadioImage image;
    MakeFirstImage(image, "", false);
    image.SetRangeCode(rangeCode);
    image.SetBit(RadioImage::kModelOptions, 6, !hiddenFunctions);
    image.SetByte(0x258, trunking ? 3 : 0);
    return image;
}

// The commands of a drop-down, 0 for a separator or a greyed item without a command.
std::vector<int> Commands(const std::vector<MenuItem>& items) {
    std::vector<int> commands;
    for (const MenuItem& item : items)
        commands.push_back(item.command);
    return commands;
}

const MenuItem* Find(const std::vector<MenuItem>& items, TextId text) {
    const auto it = std::find_if(items.begin(), items.end(), [&](const MenuItem& i) { return i.text == text; });
    return it == items.end() ? nullptr : &*it;
}

TEST(MenuRules, MenusFollowTheImage) {
    const struct {
        const char* name;
        bool extendedMode;
        uint8_t range;
        bool hidden, trunking;
        std::vector<int> edit, program;
        bool signallingGreyed, trunkingGreyed;
    } cases[] = {
        {"plain", false, 0x31, false, false,
         {cmd::kOptional, cmd::kKey, cmd::kScan, 0, cmd::kDtmf, cmd::kOrbicall, 0, cmd::kEmergency, 0,
          cmd::kTestFrequency, cmd::kEmbeddedMessage, cmd::kFunctionPort},
         {cmd::kRead, cmd::kWrite, cmd::kTest, cmd::kMemory}, false, false},
        {"range 0x23", false, 0x23, false, false,
         {cmd::kOptional, cmd::kKey, cmd::kScan, 0, cmd::kDtmf, 0, 0, cmd::kEmergency, 0, cmd::kTestFrequency,
          cmd::kEmbeddedMessage, 0},
         {cmd::kRead, cmd::kWrite, cmd::kTest, cmd::kMemory}, true, false},
        {"trunking", false, 0x31, false, true,
         {cmd::kOptional, cmd::kKey, cmd::kScan, 0, cmd::kDtmf, cmd::kOrbicall, 0, cmd::kEmergency, 0,
          cmd::kTestFrequency, cmd::kEmbeddedMessage, cmd::kFunctionPort, cmd::kSmarTrunk},
         {cmd::kRead, cmd::kWrite, cmd::kTest, cmd::kMemory, 0, cmd::kBoardRead, cmd::kBoardWrite,
          cmd::kBoardAlignment},
         false, false},
        {"extended mode, hidden functions", true, 0x31, true, false,
         {cmd::kOptional, cmd::kKey, cmd::kScan, 0, cmd::kDtmf, 0, 0, cmd::kEmergency, 0, cmd::kTestFrequency,
          cmd::kEmbeddedMessage, 0, cmd::kExtendedSettings},
         {cmd::kRead, cmd::kWrite, cmd::kTest, cmd::kMemory}, true, false},
        {"extended mode, hidden functions, trunking", true, 0x51, true, true,
         {cmd::kOptional, cmd::kKey, cmd::kScan, 0, cmd::kDtmf, 0, 0, cmd::kEmergency, 0, cmd::kTestFrequency,
          cmd::kEmbeddedMessage, 0, 0, cmd::kExtendedSettings},
         {cmd::kRead, cmd::kWrite, cmd::kTest, cmd::kMemory, 0, 0, 0, 0}, true, true},
        {"hidden functions without extended mode", false, 0x31, true, false,
         {cmd::kOptional, cmd::kKey, cmd::kScan, 0, cmd::kDtmf, 0, 0, cmd::kEmergency, 0, cmd::kTestFrequency,
          cmd::kEmbeddedMessage, 0},
         {cmd::kRead, cmd::kWrite, cmd::kTest, cmd::kMemory}, true, false},
    };
    for (const auto& c : cases) {
        std::set<int> available = kEverything;
        available.insert({cmd::kRead, cmd::kWrite});
        MenuRules rules(c.extendedMode, available);
        const RadioImage image = Image(c.range, c.hidden, c.trunking);
        rules.UpdateMenusForModel(image);
        rules.OnInitMenu(image);
        const MenuLayout layout = rules.Layout(image);
        EXPECT_EQ(Commands(layout.dropDowns[kEditMenu]), c.edit) << c.name;
        EXPECT_EQ(Commands(layout.dropDowns[kProgramMenu]), c.program) << c.name;
        const MenuItem* orbicall = Find(layout.dropDowns[kEditMenu], 3019113);
        ASSERT_NE(orbicall, nullptr) << c.name;
        EXPECT_EQ(orbicall->enabled, !c.signallingGreyed) << c.name;
        if (c.trunking) {
            EXPECT_EQ(Find(layout.dropDowns[kEditMenu], 3019117)->enabled, !c.trunkingGreyed) << c.name;
            EXPECT_EQ(layout.dropDowns[kProgramMenu].back().literal.empty(), !c.trunkingGreyed) << c.name;
        }
    }
}

TEST(MenuRules, ExtendedSettingsFollowTheOptionsBitWhenAMenuOpens) {
    MenuRules rules(true, kEverything);
    RadioImage image = Image(0x31, true, false);
    rules.OnInitMenu(image);
    EXPECT_TRUE(rules.ExtendedItemShown());
    image.SetBit(RadioImage::kModelOptions, 6, true);
    EXPECT_TRUE(rules.ExtendedItemShown()) << "only when a menu opens";
    rules.OnInitMenu(image);
    EXPECT_FALSE(rules.ExtendedItemShown());
}

TEST(MenuRules, CommandsNotYetOfferedStandGreyed) {
    MenuRules rules(false, {cmd::kRead});
    const MenuLayout layout = rules.Layout(Image(0x31, false, false));
    const auto& program = layout.dropDowns[kProgramMenu];
    EXPECT_TRUE(program[0].enabled);
    EXPECT_FALSE(program[1].enabled);
}

TEST(MenuRules, HelpContexts) {
    EXPECT_EQ(MenuRules::HelpContext(cmd::kMemory), 1370);
    EXPECT_EQ(MenuRules::HelpContext(cmd::kHelpTopics), 0);
    EXPECT_EQ(MenuRules::HelpContext(cmd::kAbout), -1);
    EXPECT_EQ(MenuRules::HelpContext(cmd::kExtendedSettings), -1);
}

} // namespace
} // namespace rpx
