#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/menu_rules.h"
#include "core/radio/image_defaults.h"

namespace rpx {
namespace {

const std::set<int> kEverything = {cmd::kOrbicall,        cmd::kFunctionPort, cmd::kSmarTrunk,
                                   cmd::kBoardRead,       cmd::kBoardWrite,   cmd::kBoardAlignment,
                                   cmd::kExtendedSettings};

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
    const auto it =
        std::find_if(items.begin(), items.end(), [&](const MenuItem& i) { return i.text == text; });
    return it == items.end() ? nullptr : &*it;
}

TEST(MenuRules, MenusFollowTheImage) {
    using namespace cmd;
    struct Setting {
        const char* name;
        bool extendedMode;
        uint8_t range;
        bool hidden, trunking, signallingGreyed, trunkingGreyed;
    };
    const struct {
        Setting s;
        std::vector<int> edit, program;
    } cases[] = {
        {{"plain", false, 0x31, false, false, false, false},
         {kOptional, kKey, kScan, 0, kDtmf, kOrbicall, 0, kEmergency, 0, kTestFrequency, kEmbeddedMessage,
          kFunctionPort},
         {kRead, kWrite, kTest, kMemory}},
        {{"range 0x23", false, 0x23, false, false, true, false},
         {kOptional, kKey, kScan, 0, kDtmf, 0, 0, kEmergency, 0, kTestFrequency, kEmbeddedMessage, 0},
         {kRead, kWrite, kTest, kMemory}},
        {{"trunking", false, 0x31, false, true, false, false},
         {kOptional, kKey, kScan, 0, kDtmf, kOrbicall, 0, kEmergency, 0, kTestFrequency, kEmbeddedMessage,
          kFunctionPort, kSmarTrunk},
         {kRead, kWrite, kTest, kMemory, 0, kBoardRead, kBoardWrite, kBoardAlignment}},
        {{"extended mode, hidden functions", true, 0x31, true, false, true, false},
         {kOptional, kKey, kScan, 0, kDtmf, 0, 0, kEmergency, 0, kTestFrequency, kEmbeddedMessage, 0,
          kExtendedSettings},
         {kRead, kWrite, kTest, kMemory}},
        {{"extended mode, hidden functions, trunking", true, 0x51, true, true, true, true},
         {kOptional, kKey, kScan, 0, kDtmf, 0, 0, kEmergency, 0, kTestFrequency, kEmbeddedMessage, 0, 0,
          kExtendedSettings},
         {kRead, kWrite, kTest, kMemory, 0, 0, 0, 0}},
        {{"hidden functions without extended mode", false, 0x31, true, false, true, false},
         {kOptional, kKey, kScan, 0, kDtmf, 0, 0, kEmergency, 0, kTestFrequency, kEmbeddedMessage, 0},
         {kRead, kWrite, kTest, kMemory}},
    };
    for (const auto& [s, edit, program] : cases) {
        std::set<int> available = kEverything;
        available.insert({kRead, kWrite});
        MenuRules rules(s.extendedMode, available);
        const RadioImage image = Image(s.range, s.hidden, s.trunking);
        rules.UpdateMenusForModel(image);
        rules.OnInitMenu(image);
        const MenuLayout layout = rules.Layout(image);
        EXPECT_EQ(Commands(layout.dropDowns[kEditMenu]), edit) << s.name;
        EXPECT_EQ(Commands(layout.dropDowns[kProgramMenu]), program) << s.name;
        const MenuItem* orbicall = Find(layout.dropDowns[kEditMenu], 3019113);
        ASSERT_NE(orbicall, nullptr) << s.name;
        EXPECT_EQ(orbicall->enabled, !s.signallingGreyed) << s.name;
        if (s.trunking) {
            EXPECT_EQ(Find(layout.dropDowns[kEditMenu], 3019117)->enabled, !s.trunkingGreyed) << s.name;
            EXPECT_EQ(layout.dropDowns[kProgramMenu].back().literal.empty(), !s.trunkingGreyed) << s.name;
        }
    }
}

} // namespace
} // namespace rpx
