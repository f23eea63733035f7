#include "core/features/key_page_rules.h"

#include <algorithm>
#include <array>

#include "core/features/setting_values.h"

namespace rpx {

namespace {

constexpr std::array<const char*, KeyPageRules::kKeyCount> kKeyNames = {"ch-1", "ch-2",  "ch-3",
                                                                        "ch-4", "key-1", "key-2"};
constexpr TextId kChannelTexts[KeyPageRules::kChannelCodes] = {3006005, 3006007, 3006009, 3006011};
constexpr TextId kNoFunctionText = 1001023;

struct CodeName {
    uint8_t code;
    TextId text;
};
// 21 is not among the names of the original mapping; it shows its function, as it does in the Key
// assignment dialog, rather than "no function" right after being chosen.
constexpr std::array<CodeName, 15> kCodeNames = {{
    {0, 3006005},
    {1, 3006007},
    {2, 3006009},
    {3, 3006011},
    {4, 3006019},
    {5, 3006013},
    {6, 3006001},
    {7, 3006003},
    {8, 3006015},
    {9, 3006017},
    {11, 1001073},
    {16, 3006021},
    {17, 3006023},
    {18, 3006025},
    {21, 3006027},
}};

} // namespace

KeyPageRules::KeyPageRules(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier), m_keys(session, notifier) {}

std::string KeyPageRules::CodeText(const LanguageTable& texts, uint8_t code) {
    const auto it = std::ranges::find(kCodeNames, code, &CodeName::code);
    return texts.GetText(it == kCodeNames.end() ? kNoFunctionText : it->text);
}

std::string KeyPageRules::KeyText(int key) const {
    return CodeText(m_notifier.Texts(), m_session.image.Byte(kFirstKey + static_cast<std::size_t>(key)));
}

std::vector<std::string> KeyPageRules::ItemTexts() const {
    std::vector<std::string> items;
    for (TextId text : kChannelTexts)
        items.push_back(m_notifier.Text(text));
    for (std::string& item : m_keys.ItemTexts())
        items.push_back(std::move(item));
    return items;
}

int KeyPageRules::Selection(int key) const {
    const uint8_t code = m_session.image.Byte(kFirstKey + static_cast<std::size_t>(key));
    if (code < kChannelCodes)
        return code;
    const int item = m_keys.ItemOfCode(code);
    return item < 0 ? -1 : item + kChannelCodes;
}

void KeyPageRules::Select(int key, int item) {
    const uint8_t code = item >= 0 && item < kChannelCodes ? static_cast<uint8_t>(item)
                                                           : m_keys.CodeOfItem(item - kChannelCodes);
    m_session.image.SetByte(kFirstKey + static_cast<std::size_t>(key), code);
}

std::vector<SettingField> KeyPageRules::Fields() const {
    std::vector<SettingField> fields;
    for (int key = 0; key < kKeyCount; ++key) {
        SettingField field{kKeyNames[static_cast<std::size_t>(key)], KeyText(key)};
        if (key < kChannelCodes) {
            field.label = kChannelKeyLabels[key];
        } else {
            field.label = KeyAssignmentRules::kKeyLabel;
            field.labelSuffix = RowSuffix(key - kChannelCodes + 1);
        }
        fields.push_back(std::move(field));
    }
    return fields;
}

Status KeyPageRules::Set(std::string_view key, std::string_view value) {
    const auto name = std::ranges::find(kKeyNames, key);
    if (name == kKeyNames.end())
        return UnknownKey(key, m_notifier);
    const Result<int> item = ChoiceOf(ItemTexts(), value, m_notifier);
    if (!item)
        return Failure{item.Message()};
    Select(static_cast<int>(name - kKeyNames.begin()), *item);
    return {};
}

bool KeyPageRules::Ok() {
    return m_keys.Ok();
}

std::vector<SettingKey> KeyPageRules::Keys(const LanguageTable& texts) {
    std::vector<SettingKey> keys;
    const std::string range = std::string(texts.GetText(kChannelTexts[0])) + ".." +
                              texts.GetText(kChannelTexts[3]) + ", or a function the key assignment offers";
    for (const char* name : kKeyNames)
        keys.push_back({name, "function", range});
    return keys;
}

} // namespace rpx
