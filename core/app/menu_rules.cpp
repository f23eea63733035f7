#include "core/app/menu_rules.h"

#include "core/radio/image_layout.h"

namespace rpx {

namespace {

constexpr const char* kGreyedAlignmentText = "Trunking A&lignment Mode\tCtrl+A";

const MenuItem kSeparator{};

} // namespace

void MenuRules::OnInitMenu(const RadioImage& image) {
    if (m_extendedMode)
        m_extendedItemShown = image.HiddenFunctionsEnabled();
}

void MenuRules::UpdateMenusForModel(const RadioImage& image) {
    m_trunkingItemsShown = image.Byte(layout::kPortMode) == layout::kTrunkingPortMode;
}

MenuItem MenuRules::Item(Command command) const {
    return MenuItem{command, m_commands.Row(command).text, {}, m_commands.Enabled(command)};
}

MenuItem MenuRules::Greyed(Command command) const {
    return MenuItem{Command::None, m_commands.Row(command).text, {}, false};
}

MenuLayout MenuRules::Layout(const RadioImage& image) const {
    const uint8_t range = image.RangeCode();
    // Orbicall and the function port do not exist on these ranges or with hidden functions.
    const bool signallingGreyed = range == 0x23 || image.HiddenFunctionsEnabled() ||
                                  (m_extendedItemShown && (range == 0x41 || range == 0x51));
    const bool trunkingGreyed = m_extendedItemShown;
    auto signalling = [&](Command command) { return signallingGreyed ? Greyed(command) : Item(command); };
    auto trunking = [&](Command command) { return trunkingGreyed ? Greyed(command) : Item(command); };

    MenuLayout menus;
    menus.dropDowns[kFileMenu] = {Item(Command::FileNew),
                                  Item(Command::FileOpen),
                                  Item(Command::FileSave),
                                  Item(Command::FileSaveAs),
                                  Item(Command::Backups),
                                  kSeparator,
                                  Item(Command::Print),
                                  Item(Command::PrintPreview),
                                  Item(Command::ExportPdf),
                                  Item(Command::ImportChannelPlan),
                                  Item(Command::ExportChannelPlan),
                                  kSeparator,
                                  Item(Command::Exit)};
    menus.dropDowns[kModelMenu] = {Item(Command::Model)};

    auto& edit = menus.dropDowns[kEditMenu];
    edit = {Item(Command::Optional),
            Item(Command::Key),
            Item(Command::Scan),
            kSeparator,
            Item(Command::Dtmf),
            signalling(Command::Orbicall),
            kSeparator,
            Item(Command::Emergency),
            kSeparator,
            Item(Command::TestFrequency),
            Item(Command::EmbeddedMessage),
            signalling(Command::FunctionPort)};

    auto& program = menus.dropDowns[kProgramMenu];
    program = {Item(Command::Read), Item(Command::Write), Item(Command::Test), Item(Command::Memory)};
    if (m_trunkingItemsShown) {
        edit.push_back(trunking(Command::SmarTrunk));
        program.insert(program.end(),
                       {kSeparator, trunking(Command::BoardRead), trunking(Command::BoardWrite),
                        trunkingGreyed ? MenuItem{Command::None, 0, kGreyedAlignmentText, false}
                                       : Item(Command::BoardAlignment)});
    }
    if (m_extendedItemShown)
        edit.push_back(Item(Command::ExtendedSettings));

    menus.dropDowns[kToolsMenu] = {Item(Command::RadioInfo)};
    menus.dropDowns[kSetupMenu] = {Item(Command::Port), Item(Command::WriteSafety), Item(Command::WireTrace)};
    if (m_trunkingItemsShown)
        menus.dropDowns[kSetupMenu].insert(menus.dropDowns[kSetupMenu].begin() + 1, Item(Command::BoardPort));
    menus.dropDowns[kHelpMenu] = {Item(Command::HelpTopics), kSeparator, Item(Command::About)};
    return menus;
}

} // namespace rpx
