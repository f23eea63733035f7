#include "core/features/key_assignment_rules.h"

#include <algorithm>
#include <array>

#include "core/features/setting_values.h"

namespace rpx {

namespace {

struct Function {
    uint8_t code;
    TextId text;
    int helpContext;
};

constexpr TextId kNoFunctionText = 1001023;
constexpr TextId kGroupText = 1001073;
constexpr int kNoFunctionHelp = 519;

// Every code a key shows by name; any other shows "no function".
constexpr std::array<Function, 12> kFunctions = {{
    {4, 3006019, 513},
    {5, 3006013, 514},
    {6, 3006001, 515},
    {7, 3006003, 516},
    {8, 3006015, 517},
    {9, 3006017, 518},
    {KeyAssignmentRules::Code::kNoFunction, kNoFunctionText, kNoFunctionHelp},
    {KeyAssignmentRules::Code::kGroup, kGroupText, 520},
    {16, 3006021, 521},
    {17, 3006023, 522},
    {KeyAssignmentRules::Code::kScrambler, 3017055, 523},
    {21, 3006027, 524},
}};

const Function* FindFunction(uint8_t code) {
    const auto it = std::ranges::find(kFunctions, code, &Function::code);
    return it == kFunctions.end() ? nullptr : &*it;
}

// The model code's version nibble that marks the models with the short list.
constexpr unsigned kShortListVersion = 3;
// The function-port option that adds the scrambler key.
constexpr uint8_t kLongListPortOption = 4;

constexpr const char* kKeyNames[KeyAssignmentRules::kKeyCount] = {"key-1", "key-2"};

} // namespace

KeyAssignmentRules::KeyAssignmentRules(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier), m_edit(session.image, session.snapshot) {}

std::size_t KeyAssignmentRules::KeyOffset(int key) const {
    return key == 0 ? Offset::kKey1 : Offset::kKey2;
}

std::string KeyAssignmentRules::KeyText(int key) const {
    const uint8_t code = m_session.image.Byte(KeyOffset(key));
    const Function* function = FindFunction(code);
    if (function == nullptr || (code == Code::kGroup && !m_session.image.IsExtendedVariant()))
        return m_notifier.Text(kNoFunctionText);
    return m_notifier.Text(function->text);
}

KeyAssignmentRules::ItemSet KeyAssignmentRules::Items() const {
    if (m_session.image.VersionCode() == kShortListVersion)
        return ItemSet::Short;
    return m_session.image.Byte(layout::kPortMode) == kLongListPortOption ? ItemSet::Long : ItemSet::Standard;
}

std::vector<KeyAssignmentRules::Item> KeyAssignmentRules::ItemList() const {
    return ItemsFor(Items(), m_session.image.IsExtendedVariant());
}

std::vector<KeyAssignmentRules::Item> KeyAssignmentRules::ItemsFor(ItemSet set, bool extended) {
    std::vector<Item> items = {{3006019, 4}, {3006013, 5}, {3006001, 6},
                               {3006003, 7}, {3006015, 8}, {3006017, 9}};
    if (set != ItemSet::Short)
        items.insert(items.end(), {{3006021, 16}, {3006023, 17}, {3006027, 21}});
    if (set == ItemSet::Long)
        items.push_back({3017055, Code::kScrambler});
    if (extended)
        items.push_back({kGroupText, Code::kGroup});
    // The short list of a model without groups stores the group code for "no function"; the radio
    // takes it as none.
    items.push_back({kNoFunctionText, set == ItemSet::Short && !extended ? Code::kGroup : Code::kNoFunction});
    return items;
}

std::vector<std::string> KeyAssignmentRules::ItemTexts() const {
    std::vector<std::string> texts;
    for (const Item& item : ItemList())
        texts.push_back(m_notifier.Text(item.text));
    return texts;
}

int KeyAssignmentRules::ItemOfCode(uint8_t code) const {
    const int count = static_cast<int>(ItemList().size());
    int item = count - 1;
    if (code >= 4 && code <= 9)
        item = code - 4;
    else if (code == 16 || code == 17)
        item = code - 10;
    else if (code == 21)
        item = 8;
    else if (code == Code::kScrambler)
        item = 9;
    else if (code == Code::kGroup)
        item = Items() == ItemSet::Short ? 6 : Items() == ItemSet::Standard ? 9 : 10;
    // The positions are fixed, whatever the list holds: the short list has none beyond its end.
    return item < count ? item : -1;
}

uint8_t KeyAssignmentRules::CodeOfItem(int item) const {
    const std::vector<Item> items = ItemList();
    return item >= 0 && item < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(item)].code
                                                              : Code::kNoFunction;
}

void KeyAssignmentRules::BeginEdit(int key) {
    if (key < 0 || key >= kKeyCount)
        return;
    m_editedKey = key;
    m_selection = ItemOfCode(m_session.image.Byte(KeyOffset(key)));
}

void KeyAssignmentRules::EndEdit() {
    if (m_editedKey == kNoKey)
        return;
    m_session.image.SetByte(KeyOffset(m_editedKey), CodeOfItem(m_selection));
    m_editedKey = kNoKey;
}

int KeyAssignmentRules::HelpContext() const {
    const Function* function = FindFunction(CodeOfItem(m_selection));
    return function != nullptr ? function->helpContext : kNoFunctionHelp;
}

std::vector<SettingField> KeyAssignmentRules::Fields() const {
    std::vector<SettingField> fields;
    for (int key = 0; key < kKeyCount; ++key)
        fields.push_back({kKeyNames[key], KeyText(key), kKeyLabel, RowSuffix(key + 1)});
    return fields;
}

Status KeyAssignmentRules::Set(std::string_view key, std::string_view value) {
    const auto name = std::ranges::find(kKeyNames, key);
    if (name == std::end(kKeyNames))
        return UnknownKey(key, m_notifier);
    const Result<int> item = ChoiceOf(ItemTexts(), value, m_notifier);
    if (!item)
        return Failure{item.Message()};
    BeginEdit(static_cast<int>(name - std::begin(kKeyNames)));
    Select(*item);
    EndEdit();
    return {};
}

bool KeyAssignmentRules::Ok() {
    EndEdit();
    m_edit.Commit();
    return true;
}

std::vector<SettingKey> KeyAssignmentRules::Keys(const LanguageTable& texts) {
    // The longest list; the model decides which of them its keys offer.
    std::vector<std::string> functions;
    for (const Item& item : ItemsFor(ItemSet::Long, true))
        functions.emplace_back(texts.GetText(item.text));
    std::vector<SettingKey> keys;
    for (const char* name : kKeyNames)
        keys.push_back({name, "function", ChoicesRange(functions) + " (as the model offers)"});
    return keys;
}

} // namespace rpx
