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
    using enum Command;
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
         {Optional, Key, Scan, None, Dtmf, Orbicall, None, Emergency, None, TestFrequency, EmbeddedMessage,
          FunctionPort},
         {Read, Write, Test, Memory}},
        {{"range 0x23", false, 0x23, false, false, true, false},
         {Optional, Key, Scan, None, Dtmf, None, None, Emergency, None, TestFrequency, EmbeddedMessage, None},
         {Read, Write, Test, Memory}},
        {{"trunking", false, 0x31, false, true, false, false},
         {Optional, Key, Scan, None, Dtmf, Orbicall, None, Emergency, None, TestFrequency, EmbeddedMessage,
          FunctionPort, SmarTrunk},
         {Read, Write, Test, Memory, None, BoardRead, BoardWrite, BoardAlignment}},
        {{"extended mode, hidden functions", true, 0x31, true, false, true, false},
         {Optional, Key, Scan, None, Dtmf, None, None, Emergency, None, TestFrequency, EmbeddedMessage, None,
          ExtendedSettings},
         {Read, Write, Test, Memory}},
        {{"extended mode, hidden functions, trunking", true, 0x51, true, true, true, true},
         {Optional, Key, Scan, None, Dtmf, None, None, Emergency, None, TestFrequency, EmbeddedMessage, None,
          None, ExtendedSettings},
         {Read, Write, Test, Memory, None, None, None, None}},
        {{"hidden functions without extended mode", false, 0x31, true, false, true, false},
         {Optional, Key, Scan, None, Dtmf, None, None, Emergency, None, TestFrequency, EmbeddedMessage, None},
         {Read, Write, Test, Memory}},
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
