#include "core/features/tone_sequence_rules.h"

#include <algorithm>

#include "core/features/setting_values.h"
#include "core/features/typed_number.h"
#include "core/text/startup_texts.h"

namespace rpx {

namespace {

using Limit = ToneSequenceRules::Limit;
using Layout = ToneSequenceLayout;

constexpr std::string_view kRepeatKey = "repeat";
constexpr std::string_view kIntervalKey = "interval-time";

std::string ToneKey(int tone, std::string_view what) {
    return "tone-" + std::to_string(tone + 1) + "-" + std::string(what);
}

} // namespace

ToneSequenceRules::ToneSequenceRules(RadioImage& image, const LanguageTable& texts)
    : m_image(image), m_notUsed(texts.GetText(kNotUsedText)) {
    for (int tone = 0; tone < kTones; ++tone) {
        const int stored = m_image.Byte(Layout::kFrequencies + tone);
        m_positions[tone] = stored == 0 ? Limit::kNotUsedPosition : stored * Layout::kUnitsPerByte;
    }
}

bool ToneSequenceRules::Repeat() const {
    return m_image.Byte(Layout::kRepeat) == 0;
}

void ToneSequenceRules::SetRepeat(bool on) {
    m_image.SetByte(Layout::kRepeat, on ? 0 : 1);
}

std::string ToneSequenceRules::MsText(std::size_t offset) const {
    return std::to_string(m_image.Byte(offset) * Layout::kUnitsPerByte);
}

std::string ToneSequenceRules::StoreMs(std::size_t offset, int ms) {
    m_image.SetByte(offset, static_cast<uint8_t>(std::clamp(ms, 0, Limit::kMaxMs) / Layout::kUnitsPerByte));
    return MsText(offset);
}

std::string ToneSequenceRules::IntervalText() const {
    return MsText(Layout::kInterval);
}

std::string ToneSequenceRules::StepInterval(int step) {
    return StoreMs(Layout::kInterval,
                   m_image.Byte(Layout::kInterval) * Layout::kUnitsPerByte + step * Limit::kStep);
}

std::string ToneSequenceRules::LeaveInterval(std::string_view typed) {
    return StoreMs(Layout::kInterval, TypedNumber(typed));
}

std::string ToneSequenceRules::LengthText(int tone) const {
    return MsText(Layout::kLengths + tone);
}

std::string ToneSequenceRules::StepLength(int tone, int step) {
    const std::size_t offset = Layout::kLengths + tone;
    return StoreMs(offset, m_image.Byte(offset) * Layout::kUnitsPerByte + step * Limit::kStep);
}

std::string ToneSequenceRules::LeaveLength(int tone, std::string_view typed) {
    return StoreMs(Layout::kLengths + tone, TypedNumber(typed));
}

int ToneSequenceRules::Hz(int tone) const {
    return m_image.Byte(Layout::kFrequencies + tone) * Layout::kUnitsPerByte;
}

std::string ToneSequenceRules::FrequencyText(int tone) const {
    return Hz(tone) == 0 ? m_notUsed : std::to_string(Hz(tone));
}

void ToneSequenceRules::StoreFrequencyPosition(int tone, int position) {
    if (position >= Limit::kWrapPosition)
        position = Limit::kMinHz;
    const bool used = position >= Limit::kMinHz && position < Limit::kNotUsedPosition;
    m_positions[tone] = position;
    m_image.SetByte(Layout::kFrequencies + tone,
                    used ? static_cast<uint8_t>(position / Layout::kUnitsPerByte) : 0);
}

std::string ToneSequenceRules::StepFrequency(int tone, int step) {
    StoreFrequencyPosition(tone, std::clamp(m_positions[tone] + step * Limit::kStep, Limit::kLowestPosition,
                                            Limit::kWrapPosition));
    return FrequencyText(tone);
}

std::string ToneSequenceRules::LeaveFrequency(int tone, std::string_view typed) {
    const int hz = TypedNumber(typed);
    StoreFrequencyPosition(tone,
                           hz == 0 ? Limit::kNotUsedPosition : std::clamp(hz, Limit::kMinHz, Limit::kMaxHz));
    return FrequencyText(tone);
}

std::vector<std::string> ToneSequenceRules::SummaryCells() const {
    std::vector<std::string> cells;
    for (int tone = 0; tone < kTones; ++tone)
        cells.push_back(Hz(tone) == 0 ? "" : std::to_string(Hz(tone)));
    for (int tone = 0; tone < kTones; ++tone)
        cells.push_back(m_image.Byte(Layout::kLengths + tone) == 0 ? "" : LengthText(tone));
    cells.push_back(m_image.Byte(Layout::kInterval) == 0 ? "" : IntervalText());
    return cells;
}

std::vector<SettingField> ToneSequenceRules::Fields() const {
    std::vector<SettingField> fields = {{std::string(kRepeatKey), BoxText(Repeat()), kRepeatLabel},
                                        {std::string(kIntervalKey), IntervalText(), kIntervalLabel}};
    for (int tone = 0; tone < kTones; ++tone) {
        fields.push_back(
            {ToneKey(tone, "frequency"), FrequencyText(tone), kFrequencyHeading, RowSuffix(tone + 1)});
        fields.push_back({ToneKey(tone, "length"), LengthText(tone), kLengthHeading, RowSuffix(tone + 1)});
    }
    return fields;
}

std::vector<SettingKey> ToneSequenceRules::Keys() {
    std::vector<SettingKey> keys = {{std::string(kRepeatKey), "box", kBoxRange},
                                    {std::string(kIntervalKey), "milliseconds", "0..2500 in 10s"}};
    for (int tone = 0; tone < kTones; ++tone) {
        keys.push_back({ToneKey(tone, "frequency"), "hertz", "400..2500 in 10s, 0 or empty when not used"});
        keys.push_back({ToneKey(tone, "length"), "milliseconds", "0..2500 in 10s"});
    }
    return keys;
}

Status ToneSequenceRules::Set(std::string_view key, std::string_view value, const Notifier& notifier) {
    if (key == kRepeatKey) {
        const Result<bool> on = BoxOf(value, notifier);
        if (!on)
            return Failure{on.Message()};
        SetRepeat(*on);
        return {};
    }
    const auto number = [&](auto leave) -> Status {
        if (!IsTypedNumber(value, Limit::kWidth))
            return Failure{notifier.Filled(txt::kNotDigits, value, std::to_string(Limit::kWidth))};
        leave();
        return {};
    };
    if (key == kIntervalKey)
        return number([&] { LeaveInterval(value); });
    for (int tone = 0; tone < kTones; ++tone) {
        if (key == ToneKey(tone, "frequency"))
            return number([&] { LeaveFrequency(tone, value); });
        if (key == ToneKey(tone, "length"))
            return number([&] { LeaveLength(tone, value); });
    }
    return UnknownKey(key, notifier);
}

bool ToneSequenceRules::HasKey(std::string_view key) {
    const std::vector<SettingKey> keys = Keys();
    return std::ranges::find(keys, key, &SettingKey::key) != keys.end();
}

} // namespace rpx
