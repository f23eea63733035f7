#include "core/features/scrambler_rules.h"

#include <algorithm>
#include <string>

#include "core/editor/channel_record.h"
#include "core/features/orbicall_rules.h"
#include "core/features/setting_values.h"
#include "core/text/startup_texts.h"

namespace rpx {

namespace {

constexpr std::string_view kCodeKey = "code-";
constexpr std::string_view kVoiceKey = "voice-";
constexpr int kCodeWidth = 2;

// The channel a key of the form prefix + "1".."8" names; 0 for any other key.
int ChannelOf(std::string_view key, std::string_view prefix) {
    if (!key.starts_with(prefix) || key.size() != prefix.size() + 1)
        return 0;
    const int channel = key.back() - '0';
    return channel >= 1 && channel <= ScramblerRules::kChannels ? channel : 0;
}

} // namespace

ScramblerRules::ScramblerRules(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier), m_edit(session.image, session.snapshot) {}

int ScramblerRules::Code(int channel) const {
    return static_cast<int>(ConstChannelRecord(m_session.image, channel).ScramblerCode());
}

void ScramblerRules::SetCode(int channel, int code) {
    ChannelRecord(m_session.image, channel)
        .SetScramblerCode(static_cast<unsigned>(std::clamp(code, kCodeMin, kCodeMax)));
}

bool ScramblerRules::Voice(int channel) const {
    return ConstChannelRecord(m_session.image, channel).Scrambler();
}

void ScramblerRules::SetVoice(int channel, bool on) {
    ChannelRecord(m_session.image, channel).SetScrambler(on);
}

std::vector<SettingField> ScramblerRules::Fields() const {
    std::vector<SettingField> fields;
    for (int channel = 1; channel <= kChannels; ++channel) {
        fields.push_back({std::string(kCodeKey) + std::to_string(channel), std::to_string(Code(channel)),
                          kCodeHeading, RowSuffix(channel)});
        fields.push_back({std::string(kVoiceKey) + std::to_string(channel), BoxText(Voice(channel)),
                          kVoiceLabel, RowSuffix(channel)});
    }
    return fields;
}

Status ScramblerRules::Set(std::string_view key, std::string_view value) {
    if (const int channel = ChannelOf(key, kVoiceKey)) {
        const Result<bool> on = BoxOf(value, m_notifier);
        if (!on)
            return Failure{on.Message()};
        SetVoice(channel, *on);
        return {};
    }
    const int channel = ChannelOf(key, kCodeKey);
    if (channel == 0)
        return UnknownKey(key, m_notifier);
    if (value.empty() || !OrbicallRules::FitsField(value, kCodeWidth))
        return Failure{m_notifier.Filled(txt::kNotDigits, value, std::to_string(kCodeWidth))};
    SetCode(channel, std::stoi(std::string(value)));
    return {};
}

bool ScramblerRules::Ok() {
    m_edit.Commit();
    return true;
}

std::vector<SettingKey> ScramblerRules::Keys(const LanguageTable&) {
    std::vector<SettingKey> keys;
    for (int channel = 1; channel <= kChannels; ++channel) {
        keys.push_back({std::string(kCodeKey) + std::to_string(channel), "number", "1..16"});
        keys.push_back({std::string(kVoiceKey) + std::to_string(channel), "box", kBoxRange});
    }
    return keys;
}

} // namespace rpx
