#include "core/app/menu_rules.h"

#include <map>

#include "core/radio/image_layout.h"

namespace rpx {

namespace {

constexpr TextId kOrbicallText = 3019113;
constexpr TextId kFunctionPortText = 3019115;
constexpr TextId kSmarTrunkText = 3019117;
constexpr TextId kBoardReadText = 3019119;
constexpr TextId kBoardWriteText = 3019121;
constexpr TextId kBoardAlignmentText = 3019123;
constexpr TextId kExtendedSettingsText = 3002119;
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

MenuItem MenuRules::Item(int command, TextId text, bool enabled) const {
    return MenuItem{command, text, {}, enabled && Available(command)};
}

MenuLayout MenuRules::Layout(const RadioImage& image) const {
    const uint8_t range = image.RangeCode();
    // Orbicall and the function port do not exist on these ranges or with hidden functions.
    const bool signallingGreyed = range == 0x23 || image.HiddenFunctionsEnabled() ||
                                  (m_extendedItemShown && (range == 0x41 || range == 0x51));
    const bool trunkingGreyed = m_extendedItemShown;

    MenuLayout menus;
    menus.dropDowns[kFileMenu] = {Item(cmd::kFileNew, 3002003), Item(cmd::kFileOpen, 3002005),
                                  Item(cmd::kFileSave, 3002007), Item(cmd::kFileSaveAs, 3002009),
                                  kSeparator,                    Item(cmd::kPrint, 3002011),
                                  kSeparator,                    Item(cmd::kExit, 3002013)};
    menus.dropDowns[kModelMenu] = {Item(cmd::kModel, 3002017)};

    auto& edit = menus.dropDowns[kEditMenu];
    edit = {Item(cmd::kOptional, 3002021), Item(cmd::kKey, 3002023), Item(cmd::kScan, 3002025), kSeparator,
            Item(cmd::kDtmf, 3002027)};
    edit.push_back(signallingGreyed ? MenuItem{0, kOrbicallText, {}, false} : Item(cmd::kOrbicall, kOrbicallText));
    edit.insert(edit.end(), {kSeparator, Item(cmd::kEmergency, 3002029), kSeparator,
                             Item(cmd::kTestFrequency, 3002031), Item(cmd::kEmbeddedMessage, 3002033)});
    edit.push_back(signallingGreyed ? MenuItem{0, kFunctionPortText, {}, false}
                                    : Item(cmd::kFunctionPort, kFunctionPortText));

    auto& program = menus.dropDowns[kProgramMenu];
    program = {Item(cmd::kRead, 3002037), Item(cmd::kWrite, 3002039), Item(cmd::kTest, 3002041),
               Item(cmd::kMemory, 3002043)};
    if (m_trunkingItemsShown) {
        // Greyed trunking commands lose their commands, so their accelerators do nothing.
        auto trunking = [&](int command, TextId text) {
            return trunkingGreyed ? MenuItem{0, text, {}, false} : Item(command, text);
        };
        edit.push_back(trunking(cmd::kSmarTrunk, kSmarTrunkText));
        program.insert(program.begin() + 4, {kSeparator, trunking(cmd::kBoardRead, kBoardReadText),
                                             trunking(cmd::kBoardWrite, kBoardWriteText),
                                             trunkingGreyed ? MenuItem{0, 0, kGreyedAlignmentText, false}
                                                            : Item(cmd::kBoardAlignment, kBoardAlignmentText)});
    }
    if (m_extendedItemShown)
        edit.push_back(Item(cmd::kExtendedSettings, kExtendedSettingsText));

    menus.dropDowns[kToolsMenu] = {Item(cmd::kRadioInfo, 3002057)};
    menus.dropDowns[kSetupMenu] = {Item(cmd::kPort, 3002047)};
    menus.dropDowns[kHelpMenu] = {Item(cmd::kHelpTopics, 3002051), kSeparator, Item(cmd::kAbout, 3002053)};
    return menus;
}

int MenuRules::HelpContext(int command) {
    static const std::map<int, int> kContexts = {
        {cmd::kFileNew, 1},      {cmd::kFileOpen, 2},           {cmd::kFileSave, 3},        {cmd::kFileSaveAs, 4},
        {cmd::kExit, 5},         {cmd::kHelpTopics, 0},         {cmd::kPrint, 1357},        {cmd::kTestFrequency, 1358},
        {cmd::kRadioInfo, 1359}, {cmd::kModel, 1360},           {cmd::kOptional, 1361},     {cmd::kKey, 1362},
        {cmd::kScan, 1363},      {cmd::kDtmf, 1364},            {cmd::kEmergency, 1365},    {cmd::kEmbeddedMessage, 1366},
        {cmd::kRead, 1367},      {cmd::kWrite, 1368},           {cmd::kTest, 1369},         {cmd::kMemory, 1370},
        {cmd::kPort, 1371},      {cmd::kOrbicall, 1372},        {cmd::kFunctionPort, 1373}, {cmd::kSmarTrunk, 1374},
        {cmd::kBoardRead, 1375}, {cmd::kBoardWrite, 1376},      {cmd::kBoardAlignment, 1377},
    };
    const auto it = kContexts.find(command);
    return it == kContexts.end() ? -1 : it->second;
}

} // namespace rpx
