#include "core/features/scan_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "core/features/setting_values.h"
#include "core/text/startup_texts.h"

namespace rpx {

namespace {

constexpr std::string_view kRevertKey = "revert-channel";
constexpr std::string_view kOffHookKey = "off-hook-scan";

struct TimeKey {
    std::string_view key;
    ScanRules::Time time;
    TextId label;
};
constexpr TimeKey kTimeKeys[] = {
    {"dropout-delay-time", ScanRules::Time::DropoutDelay, 3007009},
    {"tx-dwell-time", ScanRules::Time::DwellTime, 3007011},
};

// The number at the start of text; nothing when it does not start with one.
std::optional<double> LeadingDecimal(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

int Wrapped(int halfSeconds) {
    if (halfSeconds < ScanRules::Limit::kMinHalfSeconds)
        return ScanRules::Limit::kMaxHalfSeconds;
    if (halfSeconds > ScanRules::Limit::kMaxHalfSeconds)
        return ScanRules::Limit::kMinHalfSeconds;
    return halfSeconds;
}

// What the field holds after value was typed into it, key by key, from empty.
std::string TypedTimeText(std::string_view value) {
    std::string text;
    for (char c : value)
        if (text.size() < ScanRules::Limit::kTimeTextLength &&
            ScanRules::AcceptsTimeCharacter(text.size(), c))
            text += c;
    return text;
}

} // namespace

ScanRules::ScanRules(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier), m_edit(session.image, session.snapshot) {}

std::vector<SettingKey> ScanRules::Keys(const LanguageTable& texts) {
    std::vector<SettingKey> keys = {{std::string(kRevertKey), "choice", ChoicesRange(RevertItems(texts))}};
    for (const TimeKey& time : kTimeKeys)
        keys.push_back({std::string(time.key), "seconds",
                        "0.5..5.0, to the nearest 0.5 (a tie to the smaller); 0 is 3.0"});
    keys.push_back({std::string(kOffHookKey), "box", kBoxRange});
    return keys;
}

std::vector<SettingField> ScanRules::Fields() const {
    std::vector<SettingField> fields = {
        {std::string(kRevertKey), RevertItems()[RevertSelection()], kRevertLabel}};
    for (const TimeKey& time : kTimeKeys)
        fields.push_back({std::string(time.key), TimeText(time.time), time.label});
    fields.push_back({std::string(kOffHookKey), BoxText(OffHookScan()), kOffHookLabel});
    return fields;
}

Status ScanRules::Set(std::string_view key, std::string_view value) {
    if (key == kRevertKey) {
        const Result<int> choice = ChoiceOf(RevertItems(), value, m_notifier);
        if (!choice)
            return Failure{choice.Message()};
        SelectRevert(*choice);
        return {};
    }
    if (key == kOffHookKey) {
        const Result<bool> on = BoxOf(value, m_notifier);
        if (!on)
            return Failure{on.Message()};
        SetOffHookScan(*on);
        return {};
    }
    for (const TimeKey& time : kTimeKeys) {
        if (key != time.key)
            continue;
        if (TypedTimeText(value) != value)
            return Failure{m_notifier.Filled(txt::kNotATimeText, value, "")};
        CommitTime(time.time, value);
        return {};
    }
    return UnknownKey(key, m_notifier);
}

bool ScanRules::Ok() {
    m_edit.Commit();
    return true;
}

std::vector<std::string> ScanRules::RevertItems(const LanguageTable& texts) {
    std::vector<std::string> items;
    for (TextId id : kRevertChoices)
        items.emplace_back(texts.GetText(id));
    return items;
}

int ScanRules::RevertSelection() const {
    return m_session.image.Byte(Offset::kRevertChannel) != 0 ? 1 : 0;
}

void ScanRules::SelectRevert(int index) {
    m_session.image.SetByte(Offset::kRevertChannel, index != 0 ? 1 : 0);
}

TextId ScanRules::Label(Time time) {
    return std::ranges::find(kTimeKeys, time, &TimeKey::time)->label;
}

std::size_t ScanRules::OffsetOf(Time time) {
    return time == Time::DropoutDelay ? Offset::kDropoutDelay : Offset::kDwellTime;
}

int ScanRules::TimeHalfSeconds(Time time) const {
    const int stored = m_session.image.Byte(OffsetOf(time));
    return stored < Limit::kMinHalfSeconds || stored > Limit::kMaxHalfSeconds ? Limit::kDefaultHalfSeconds
                                                                              : stored;
}

std::string ScanRules::TimeText(Time time) const {
    return HalfSecondsText(TimeHalfSeconds(time));
}

int ScanRules::CommitTime(Time time, std::string_view text) {
    int halfSeconds = Limit::kDefaultHalfSeconds;
    if (const std::optional<double> seconds = LeadingDecimal(text); seconds && *seconds != 0) {
        // The nearest half-second, a tie going to the smaller.
        const double nearest = std::ceil(*seconds * 2 - 0.5);
        halfSeconds = nearest < Limit::kMinHalfSeconds   ? Limit::kMinHalfSeconds
                      : nearest > Limit::kMaxHalfSeconds ? Limit::kMaxHalfSeconds
                                                         : static_cast<int>(nearest);
    }
    m_session.image.SetByte(OffsetOf(time), static_cast<uint8_t>(halfSeconds));
    return halfSeconds;
}

int ScanRules::SpinStep(std::string_view text, int spinPosition, int step) {
    const std::optional<double> seconds = LeadingDecimal(text);
    if (!seconds || *seconds == 0)
        return Wrapped(spinPosition + step);
    const double halves = *seconds * 2;
    return Wrapped(step < 0 ? static_cast<int>(std::ceil(halves)) - 1
                            : static_cast<int>(std::floor(halves)) + 1);
}

std::string ScanRules::HalfSecondsText(int halfSeconds) {
    return std::to_string(halfSeconds / 2) + (halfSeconds % 2 != 0 ? ".5" : ".0");
}

bool ScanRules::AcceptsTimeCharacter(std::size_t caret, char c) {
    return (c >= '0' && c <= '9') || (c == '.' && caret == 1);
}

bool ScanRules::OffHookScan() const {
    return m_session.image.Byte(Offset::kOffHookScan) == 1;
}

void ScanRules::SetOffHookScan(bool on) {
    m_session.image.SetByte(Offset::kOffHookScan, on ? 1 : 0);
}

} // namespace rpx
