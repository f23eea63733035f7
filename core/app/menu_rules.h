#pragma once

#include <array>
#include <set>
#include <string>
#include <vector>

#include "core/radio/radio_image.h"
#include "core/text/text_id.h"

namespace rpx {

// Command identifiers of the menus, toolbar and accelerators.
namespace cmd {
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kPrint = 32798;
inline constexpr int kExit = 57665;
inline constexpr int kModel = 32773;
inline constexpr int kOptional = 32774;
inline constexpr int kKey = 32775;
inline constexpr int kScan = 32776;
inline constexpr int kDtmf = 32777;
inline constexpr int kOrbicall = 32809;
inline constexpr int kEmergency = 32778;
inline constexpr int kTestFrequency = 32779;
inline constexpr int kEmbeddedMessage = 32780;
inline constexpr int kFunctionPort = 32810;
inline constexpr int kSmarTrunk = 32811;
inline constexpr int kExtendedSettings = 32790;
inline constexpr int kRead = 32781;
inline constexpr int kWrite = 32782;
inline constexpr int kTest = 32783;
inline constexpr int kMemory = 32784;
inline constexpr int kBoardRead = 32812;
inline constexpr int kBoardWrite = 32813;
inline constexpr int kBoardAlignment = 32814;
inline constexpr int kRadioInfo = 32799;
inline constexpr int kPort = 32786;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kAbout = 57664;
} // namespace cmd

// One entry of a drop-down menu: a command, a separator, or a greyed item without a command.
struct MenuItem {
    int command = 0;   // 0 for a separator or an item without a command
    TextId text = 0;   // 0 for a separator or a literal text
    std::string literal;
    bool enabled = true;
    bool IsSeparator() const { return command == 0 && text == 0 && literal.empty(); }
    bool operator==(const MenuItem&) const = default;
};

// The menu bar: seven drop-downs (File, Model, Edit, Program, Tools, Setup, Help) with their titles.
struct MenuLayout {
    static constexpr std::array<TextId, 7> kTitles = {3002001, 3002015, 3002019, 3002035, 3002055, 3002045, 3002049};
    std::array<std::vector<MenuItem>, 7> dropDowns;
};
enum MenuIndex { kFileMenu, kModelMenu, kEditMenu, kProgramMenu, kToolsMenu, kSetupMenu, kHelpMenu };

// What the menus hold follows the program state: the extended-settings command appears in extended
// mode while hidden functions are enabled, the trunking commands while the function port is in
// trunking mode, and Orbicall and Function port are greyed for some frequency ranges. Commands the
// program does not offer yet are listed greyed.
class MenuRules {
public:
    MenuRules(bool extendedMode, std::set<int> availableCommands)
        : m_extendedMode(extendedMode), m_available(std::move(availableCommands)) {}

    // Each time a menu is about to open.
    void OnInitMenu(const RadioImage& image);
    // After File New, File Open, a radio read and a change of the function port.
    void UpdateMenusForModel(const RadioImage& image);

    bool ExtendedItemShown() const { return m_extendedItemShown; }
    bool TrunkingItemsShown() const { return m_trunkingItemsShown; }
    MenuLayout Layout(const RadioImage& image) const;

    // The help context of a menu command; -1 when it opens no help.
    static int HelpContext(int command);

private:
    bool Available(int command) const { return m_available.count(command) != 0; }
    MenuItem Item(int command, TextId text, bool enabled = true) const;

    bool m_extendedMode;
    std::set<int> m_available;
    bool m_extendedItemShown = false;
    bool m_trunkingItemsShown = false;
};

} // namespace rpx
