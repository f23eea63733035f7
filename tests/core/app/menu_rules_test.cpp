#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/app/menu_rules.h"
#include "core/radio/image_defaults.h"

namespace rpx {
namespace {

// The program's commands, every one handled but Test.
CommandTable HandledCommands() {
    CommandTable table = ProgramCommands();
    for (const CommandRow& row : std::vector<CommandRow>(table.Rows()))
        if (row.id != Command::Test)
            table.Handle(row.id, [] {});
    return table;
}

RadioImage Image(uint8_t rangeCode, bool hiddenFunctions, bool trunking) {
    RadioImage image;
    MakeFirstImage(image, "", false);
    image.SetRangeCode(rangeCode);
    image.SetBit(RadioImage::kModelOptions, 6, !hiddenFunctions);
    image.SetByte(0x258, trunking ? 3 : 0);
    return image;
}

// The commands of a drop-down, None for a separator or a greyed item without a command.
std::vector<Command> Commands(const std::vector<MenuItem>& items) {
    std::vector<Command> commands;
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
    constexpr Command kOptional = Command::Optional, kKey = Command::Key, kScan = Command::Scan,
                      kDtmf = Command::Dtmf, kOrbicall = Command::Orbicall, kEmergency = Command::Emergency,
                      kTestFrequency = Command::TestFrequency, kEmbeddedMessage = Command::EmbeddedMessage,
                      kFunctionPort = Command::FunctionPort, kSmarTrunk = Command::SmarTrunk,
                      kExtendedSettings = Command::ExtendedSettings, kRead = Command::Read,
                      kWrite = Command::Write, kTest = Command::Test, kMemory = Command::Memory,
                      kBoardRead = Command::BoardRead, kBoardWrite = Command::BoardWrite,
                      kBoardAlignment = Command::BoardAlignment, _ = Command::None;
    struct Setting {
        const char* name;
        bool extendedMode;
        uint8_t range;
        bool hidden, trunking, signallingGreyed, trunkingGreyed;
    };
    const struct {
        Setting s;
        std::vector<Command> edit, program;
    } cases[] = {
        {{"plain", false, 0x31, false, false, false, false},
         {kOptional, kKey, kScan, _, kDtmf, kOrbicall, _, kEmergency, _, kTestFrequency, kEmbeddedMessage,
          kFunctionPort},
         {kRead, kWrite, kTest, kMemory}},
        {{"range 0x23", false, 0x23, false, false, true, false},
         {kOptional, kKey, kScan, _, kDtmf, _, _, kEmergency, _, kTestFrequency, kEmbeddedMessage, _},
         {kRead, kWrite, kTest, kMemory}},
        {{"trunking", false, 0x31, false, true, false, false},
         {kOptional, kKey, kScan, _, kDtmf, kOrbicall, _, kEmergency, _, kTestFrequency, kEmbeddedMessage,
          kFunctionPort, kSmarTrunk},
         {kRead, kWrite, kTest, kMemory, _, kBoardRead, kBoardWrite, kBoardAlignment}},
        {{"extended mode, hidden functions", true, 0x31, true, false, true, false},
         {kOptional, kKey, kScan, _, kDtmf, _, _, kEmergency, _, kTestFrequency, kEmbeddedMessage, _,
          kExtendedSettings},
         {kRead, kWrite, kTest, kMemory}},
        {{"extended mode, hidden functions, trunking", true, 0x51, true, true, true, true},
         {kOptional, kKey, kScan, _, kDtmf, _, _, kEmergency, _, kTestFrequency, kEmbeddedMessage, _, _,
          kExtendedSettings},
         {kRead, kWrite, kTest, kMemory, _, _, _, _}},
        {{"hidden functions without extended mode", false, 0x31, true, false, true, false},
         {kOptional, kKey, kScan, _, kDtmf, _, _, kEmergency, _, kTestFrequency, kEmbeddedMessage, _},
         {kRead, kWrite, kTest, kMemory}},
    };
    const CommandTable commands = HandledCommands();
    for (const auto& [s, edit, program] : cases) {
        MenuRules rules(s.extendedMode, commands);
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
        EXPECT_FALSE(Find(layout.dropDowns[kProgramMenu], 3002041)->enabled)
            << s.name << ": Test has no handler";
    }
}

} // namespace
} // namespace rpx
