#include "core/features/test_frequency_rules.h"

#include <algorithm>
#include <optional>

#include "core/editor/cell_key_filters.h"
#include "core/editor/frequency_text.h"
#include "core/features/setting_values.h"
#include "core/radio/bcd_frequency.h"
#include "core/radio/image_defaults.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kOutOfBand = 3003043;
constexpr TextId kWriteBeforeTestMode = 3003025;

constexpr std::string_view kRxSuffix = ".rx";
constexpr std::string_view kTxSuffix = ".tx";

std::string KeyOf(int record, Direction direction) {
    return std::to_string(record) + std::string(direction == Direction::Rx ? kRxSuffix : kTxSuffix);
}

struct Field {
    int record;
    Direction direction;
};

// "N.rx" or "N.tx" with N = 1..16 written as Fields() writes it.
std::optional<Field> FieldOf(std::string_view key) {
    for (const Direction direction : {Direction::Rx, Direction::Tx}) {
        for (int record = 1; record <= TestFrequencyRules::kRecords; ++record)
            if (key == KeyOf(record, direction))
                return Field{record, direction};
    }
    return std::nullopt;
}

} // namespace

TestFrequencyRules::TestFrequencyRules(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier), m_edit(session.image, session.snapshot) {}

std::vector<SettingKey> TestFrequencyRules::Keys(const LanguageTable&) {
    std::vector<SettingKey> keys;
    for (int record = 1; record <= kRecords; ++record)
        for (const Direction direction : {Direction::Rx, Direction::Tx})
            keys.push_back({KeyOf(record, direction), "MHz",
                            "up to 9 digits and points, fitted to a channel raster; empty clears"});
    return keys;
}

std::vector<SettingField> TestFrequencyRules::Fields() const {
    std::vector<SettingField> fields;
    for (int record = 1; record <= kRecords; ++record)
        for (const Direction direction : {Direction::Rx, Direction::Tx})
            fields.push_back({KeyOf(record, direction), FrequencyText(record, direction),
                              direction == Direction::Rx ? kRxHeading : kTxHeading, RowSuffix(record)});
    return fields;
}

Status TestFrequencyRules::Set(std::string_view key, std::string_view value) {
    const std::optional<Field> field = FieldOf(key);
    if (!field)
        return UnknownKey(key, m_notifier);
    if (TypeIntoFrequencyCell("", value) != value)
        return Failure{
            m_notifier.Filled(txt::kNotAFrequencyText, value, std::to_string(kFrequencyCellLimit))};
    if (CommitFrequency(field->record, field->direction, value, true).warn)
        ShowOutOfBandWarning();
    return {};
}

bool TestFrequencyRules::Ok() {
    // Test mode refuses a radio whose table differs from the image's: the reminder comes with
    // every OK, since the radio may hold an older table whether or not this edit changed one.
    m_notifier.Show(kWriteBeforeTestMode, txt::kCaptionConfirm, MessageButtons::Ok, MessageIcon::Exclamation);
    m_edit.Commit();
    return true;
}

std::size_t TestFrequencyRules::FrequencyOffset(int record, Direction direction) {
    return Offset::kTable + static_cast<std::size_t>(record - 1) * Offset::kRecordSize +
           (direction == Direction::Tx ? Offset::kTransmit : 0);
}

std::string TestFrequencyRules::FrequencyText(int record, Direction direction) const {
    return bcd::FrequencyText(m_session.image, FrequencyOffset(record, direction));
}

TestFrequencyRules::Commit TestFrequencyRules::CommitFrequency(int record, Direction direction,
                                                               std::string_view text, bool modified) {
    RadioImage& image = m_session.image;
    Commit commit;
    if (text.empty()) {
        const bool wholeRecord = direction == Direction::Rx;
        image.Fill(FrequencyOffset(record, direction), wholeRecord ? Offset::kRecordSize : Offset::kTransmit,
                   0xFF);
    } else {
        const FittedFrequency fitted = FitTypedFrequency(image, text);
        bcd::WriteFrequency(image, FrequencyOffset(record, direction), fitted.fit.units);
        commit.warn = fitted.outOfBand && modified;
    }
    if (TableEmpty()) {
        ApplyBandTestFrequencies(image);
        commit.refilled = true;
    }
    return commit;
}

void TestFrequencyRules::ShowOutOfBandWarning() const {
    m_notifier.Show(kOutOfBand, txt::kCaptionWarning, MessageButtons::Ok, MessageIcon::Exclamation);
}

bool TestFrequencyRules::TableEmpty() const {
    for (int record = 1; record <= kRecords; ++record)
        for (const Direction direction : {Direction::Rx, Direction::Tx})
            if (m_session.image.Byte(FrequencyOffset(record, direction)) != 0xFF)
                return false;
    return true;
}

} // namespace rpx
