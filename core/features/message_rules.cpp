#include "core/features/message_rules.h"

#include <algorithm>

#include "core/features/setting_values.h"
#include "core/text/startup_texts.h"

namespace rpx {

namespace {

constexpr std::string_view kKeys[MessageRules::kLineCount] = {"line-1", "line-2"};

bool HasControlCharacter(std::string_view text) {
    return std::ranges::any_of(text, [](unsigned char c) { return c < MessageRules::kFirstPrintable; });
}

} // namespace

MessageRules::MessageRules(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier), m_edit(session.image, session.snapshot) {
    for (std::size_t line = 0; line < kLineCount; ++line) {
        const auto field = m_session.image.Bytes().subspan(kFirstLine + line * kLineLength, kLineLength);
        m_lines[line].assign(field.begin(), std::ranges::find(field, kUnset));
    }
}

std::vector<SettingKey> MessageRules::Keys(const LanguageTable&) {
    std::vector<SettingKey> keys;
    for (std::string_view key : kKeys)
        keys.push_back(
            {std::string(key), "text",
             "up to " + std::to_string(kLineLength) + " characters; a control character empties the line"});
    return keys;
}

std::vector<SettingField> MessageRules::Fields() const {
    std::vector<SettingField> fields;
    for (std::size_t line = 0; line < kLineCount; ++line)
        fields.push_back(
            {std::string(kKeys[line]), m_lines[line], kLineLabel, RowSuffix(static_cast<int>(line) + 1)});
    return fields;
}

Status MessageRules::Set(std::string_view key, std::string_view value) {
    const auto it = std::ranges::find(kKeys, key);
    if (it == std::end(kKeys))
        return UnknownKey(key, m_notifier);
    if (value.size() > kLineLength)
        return Failure{m_notifier.Filled(txt::kMessageLineTooLong, value, std::to_string(kLineLength))};
    SetLine(static_cast<std::size_t>(it - std::begin(kKeys)), value);
    return {};
}

void MessageRules::SetLine(std::size_t line, std::string_view text) {
    m_lines.at(line) = text.substr(0, kLineLength);
}

bool MessageRules::Ok() {
    for (std::size_t line = 0; line < kLineCount; ++line) {
        const std::size_t offset = kFirstLine + line * kLineLength;
        m_session.image.Fill(offset, kLineLength, kUnset);
        // The radio cannot show a control character; such a line is left empty rather than cut.
        if (HasControlCharacter(m_lines[line]))
            continue;
        std::ranges::copy(m_lines[line],
                          m_session.image.Bytes().begin() + static_cast<std::ptrdiff_t>(offset));
    }
    m_edit.Commit();
    return true;
}

} // namespace rpx
