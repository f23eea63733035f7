#include "core/features/orbicall_rules.h"

#include <algorithm>
#include <string>

#include "core/features/setting_values.h"
#include "core/text/startup_texts.h"

namespace rpx {

namespace {

constexpr const char* kFleetKey = "own-fleet";
constexpr const char* kIdKey = "own-id";
constexpr const char* kDelayKey = "tx-delay";
constexpr const char* kBaudKey = "baud-rate";

// The fields take digits only, so a number of at most four digits cannot overflow.
int Number(std::string_view digits) {
    int number = 0;
    for (char c : digits)
        number = number * 10 + (c - '0');
    return number;
}

} // namespace

OrbicallRules::OrbicallRules(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier), m_edit(session.image, session.snapshot) {}

int OrbicallRules::Id() const {
    return m_session.image.Byte(Offset::kId) | m_session.image.Byte(Offset::kId + 1) << 8;
}

void OrbicallRules::SetId(int stored) {
    m_session.image.SetByte(Offset::kId, static_cast<uint8_t>(stored & 0xFF));
    m_session.image.SetByte(Offset::kId + 1, static_cast<uint8_t>(stored >> 8));
}

int OrbicallRules::Delay() const {
    const int delay = m_session.image.Byte(Offset::kDelay) | m_session.image.Byte(Offset::kDelay + 1) << 8;
    return delay > Limit::kDelayMax ? Limit::kDelayFallback : delay;
}

bool OrbicallRules::FitsField(std::string_view typed, int width) {
    return static_cast<int>(typed.size()) <= width &&
           std::ranges::all_of(typed, [](char c) { return c >= '0' && c <= '9'; });
}

std::string OrbicallRules::FleetTextOf(uint8_t stored) {
    const int most = Limit::kFleetMax - Limit::kFleetBase;
    return stored >= 1 && stored <= most ? std::to_string(stored + Limit::kFleetBase) : "";
}

uint8_t OrbicallRules::FleetOfTyped(std::string_view typed) {
    if (typed.empty())
        return Limit::kNoFleet;
    return static_cast<uint8_t>(std::clamp(Number(typed), Limit::kFleetMin, Limit::kFleetMax) -
                                Limit::kFleetBase);
}

std::string OrbicallRules::IdTextOf(int stored) {
    return stored >= 1 && stored <= Limit::kIdMax - Limit::kIdBase ? std::to_string(stored + Limit::kIdBase)
                                                                   : "";
}

uint16_t OrbicallRules::IdOfTyped(std::string_view typed) {
    if (typed.empty())
        return 0;
    return static_cast<uint16_t>(std::clamp(Number(typed), Limit::kIdMin, Limit::kIdMax) - Limit::kIdBase);
}

std::string OrbicallRules::FleetText() const {
    return FleetTextOf(m_session.image.Byte(Offset::kFleet));
}

std::string OrbicallRules::IdText() const {
    return IdTextOf(Id());
}

std::string OrbicallRules::DelayText() const {
    return std::to_string(Delay());
}

int OrbicallRules::BaudSelection() const {
    return m_session.image.Byte(Offset::kBaud) == 1 ? 1 : 0;
}

void OrbicallRules::StoreFleet(std::string_view typed) {
    m_session.image.SetByte(Offset::kFleet, FleetOfTyped(typed));
    if (typed.empty())
        return;
    // A fleet without an ID cannot be called: it gets the first ID.
    if (const int id = Id(); id == 0 || id == 0xFFFF)
        SetId(1);
}

void OrbicallRules::StoreId(std::string_view typed) {
    SetId(IdOfTyped(typed));
    if (typed.empty())
        m_session.image.SetByte(Offset::kFleet, Limit::kNoFleet);
}

void OrbicallRules::StoreDelay(std::string_view typed) {
    const int delay = Number(typed);
    const int stored = delay > Limit::kDelayMax ? Limit::kDelayFallback : delay;
    m_session.image.SetByte(Offset::kDelay, static_cast<uint8_t>(stored & 0xFF));
    m_session.image.SetByte(Offset::kDelay + 1, static_cast<uint8_t>(stored >> 8));
}

void OrbicallRules::StepDelay(int step) {
    const int range = Limit::kDelayMax + 1;
    StoreDelay(std::to_string(((Delay() + step) % range + range) % range));
}

void OrbicallRules::SelectBaud(int item) {
    if (item == 0 || item == 1)
        m_session.image.SetByte(Offset::kBaud, static_cast<uint8_t>(item));
}

std::vector<SettingField> OrbicallRules::Fields() const {
    return {{kFleetKey, FleetText(), Label::kFleet},
            {kIdKey, IdText(), Label::kId},
            {kDelayKey, DelayText(), Label::kDelay},
            {kBaudKey, BaudItems()[static_cast<std::size_t>(BaudSelection())], Label::kBaud}};
}

Status OrbicallRules::Set(std::string_view key, std::string_view value) {
    if (key == kBaudKey) {
        const Result<int> item = ChoiceOf(BaudItems(), value, m_notifier);
        if (!item)
            return Failure{item.Message()};
        SelectBaud(*item);
        return {};
    }
    const struct {
        const char* key;
        int width;
        void (OrbicallRules::*store)(std::string_view);
    } fields[] = {{kFleetKey, Width::kFleet, &OrbicallRules::StoreFleet},
                  {kIdKey, Width::kId, &OrbicallRules::StoreId},
                  {kDelayKey, Width::kDelay, &OrbicallRules::StoreDelay}};
    for (const auto& field : fields) {
        if (key != field.key)
            continue;
        if (!FitsField(value, field.width))
            return Failure{m_notifier.Filled(txt::kNotDigits, value, std::to_string(field.width))};
        (this->*field.store)(value);
        return {};
    }
    return UnknownKey(key, m_notifier);
}

bool OrbicallRules::Ok() {
    m_edit.Commit();
    return true;
}

std::vector<SettingKey> OrbicallRules::Keys(const LanguageTable&) {
    return {{kFleetKey, "number", "100..349, empty for none"},
            {kIdKey, "number", "1000..4999, empty for none (clears the fleet too)"},
            {kDelayKey, "milliseconds", "0..6000"},
            {kBaudKey, "bit/s", ChoicesRange(BaudItems())}};
}

} // namespace rpx
