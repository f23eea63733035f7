#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/app/command_table.h"
#include "core/radio/radio_image.h"
#include "core/text/text_id.h"

namespace rpx {

// One entry of a drop-down menu: a command, a separator, or a greyed item without a command.
struct MenuItem {
    Command command = Command::None; // None for a separator or an item without a command
    TextId text = 0;                 // 0 for a separator or a literal text
    std::string literal;
    bool enabled = true;
    bool IsSeparator() const { return command == Command::None && text == 0 && literal.empty(); }
    bool operator==(const MenuItem&) const = default;
};

// The menu bar: seven drop-downs (File, Model, Edit, Program, Tools, Setup, Help) with their titles.
struct MenuLayout {
    static constexpr std::array<TextId, 7> kTitles = {3002001, 3002015, 3002019, 3002035,
                                                      3002055, 3002045, 3002049};
    std::array<std::vector<MenuItem>, 7> dropDowns;
};
enum MenuIndex { kFileMenu, kModelMenu, kEditMenu, kProgramMenu, kToolsMenu, kSetupMenu, kHelpMenu };

// What the menus hold follows the program state: the extended-settings command appears in extended
// mode while hidden functions are enabled, the trunking commands while the function port is in
// trunking mode, and Orbicall and Function port are greyed for some frequency ranges. Texts come
// from the command table, and a command the table cannot run now stands greyed.
class MenuRules {
public:
    MenuRules(bool extendedMode, const CommandTable& commands)
        : m_extendedMode(extendedMode), m_commands(commands) {}

    // Each time a menu is about to open.
    void OnInitMenu(const RadioImage& image);
    // After File New, File Open, a radio read and a change of the function port.
    void UpdateMenusForModel(const RadioImage& image);

    bool ExtendedItemShown() const { return m_extendedItemShown; }
    bool TrunkingItemsShown() const { return m_trunkingItemsShown; }
    MenuLayout Layout(const RadioImage& image) const;

private:
    MenuItem Item(Command command) const;
    // The command's text, greyed and without its command, so its accelerator does nothing either.
    MenuItem Greyed(Command command) const;

    bool m_extendedMode;
    const CommandTable& m_commands;
    bool m_extendedItemShown = false;
    bool m_trunkingItemsShown = false;
};

} // namespace rpx
