#include "core/features/dtmf_rules.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/features/setting_values.h"
#include "core/features/typed_number.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

using Spin = DtmfRules::Spin;
using List = DtmfRules::List;
using Box = DtmfRules::Box;
using Offset = DtmfRules::Offset;
using Limit = DtmfRules::Limit;

constexpr TextId kTooShort = 3003037;
constexpr TextId kAlertToneRefused = 3003023;
constexpr TextId kNone = 3010051;
constexpr TextId kNormal = 3010053;
constexpr TextId kContinuous = 3017091;
constexpr TextId kMemoryLabel = 3010003;
constexpr uint8_t kErased = 0xFF;

constexpr int kSpeeds[] = {6, 8, 10, 15};         // digits per second
constexpr int kToneTimes[] = {0, 100, 500, 1000}; // ms
constexpr char kGroupCodes[] = {0, 'A', 'B', 'C', 'D', '#', '*'};

bool IsDtmfCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#';
}

bool IsDtmfCode(std::string_view code) {
    return std::ranges::all_of(code, IsDtmfCharacter);
}

// Control characters in a code are shown as '?': they are no DTMF keys either way, and leaving the
// field empties the slot as it would with them.
char Shown(uint8_t c) {
    return c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

// A spin field: its position (an index of values, or the value itself in units of unitsPerByte
// per stored byte) runs from min to max in steps of step.
struct DtmfRules::SpinRule {
    std::string_view key;
    std::size_t offset;
    int min, max, step;
    bool wraps;
    std::size_t width;
    std::span<const int> values; // empty: the position is the value
    int unitsPerByte;
    int wordPosition; // shown as word; -1 none
    TextId word;
    int loadAbove; // the position a byte above the range loads as
    std::string_view range;
};

namespace {

const DtmfRules::SpinRule kSpins[] = {
    {"dtmf-speed", Offset::kSpeed, 0, 3, 1, false, 2, kSpeeds, 1, -1, 0, 0,
     "6, 8, 10, 15 (typed: the next lower)"},
    {"first-digit-time", Offset::kFirstDigitTime, 0, 3, 1, true, 4, kToneTimes, 1, -1, 0, 0,
     "0, 100, 500, 1000 (typed: the next lower)"},
    {"first-digit-delay",
     Offset::kFirstDigitDelay,
     100,
     1000,
     50,
     false,
     4,
     {},
     10,
     -1,
     0,
     1000,
     "100..1000"},
    {"star-and-hash-tone", Offset::kStarHashTone, 0, 3, 1, true, 4, kToneTimes, 1, -1, 0, 0,
     "0, 100, 500, 1000 (typed: the next lower)"},
    {"d-key-assignment", Offset::kDKey, 0, 16, 1, false, 2, {}, 1, 0, kNone, 0, "0..16, 0 none"},
    {"alert-tone-level",
     Offset::kAlertToneLevel,
     0,
     32,
     1,
     false,
     2,
     {},
     1,
     32,
     kNormal,
     32,
     "0..32, 32 normal"},
    {"auto-reset-timer",
     Offset::kAutoResetTimer,
     0,
     15,
     1,
     false,
     2,
     {},
     1,
     0,
     txt::kSwitchedOff,
     0,
     "0..15, 0 off"},
    {"horn-alert-time",
     Offset::kHornAlertTime,
     0,
     30,
     1,
     false,
     2,
     {},
     1,
     0,
     kContinuous,
     0,
     "0..30 seconds, 0 continuous"},
};

struct ListSpec {
    std::string_view key;
    std::size_t offset;
};
const ListSpec kLists[] = {{"dtmf-keys", Offset::kDtmfKeys},   {"horn-alert-logic", Offset::kHornAlertLogic},
                           {"group-code", Offset::kGroupCode}, {"call-alert", Offset::kCallAlert},
                           {"transpond", Offset::kTranspond},  {"stun-type", Offset::kStunType}};

struct BoxSpec {
    std::string_view key;
    std::size_t offset;
    uint8_t on;
    bool anyNonZeroIsOn;
};
const BoxSpec kBoxes[] = {{"manual-dial", Offset::kManualDial, 1, true},
                          {"keypad-auto-ptt", Offset::kKeypadAutoPtt, 1, false},
                          {"dtmf-hold-time", Offset::kHoldTime, Limit::kHoldTimeOn, true},
                          {"autodial", Offset::kAutodial, 1, false},
                          {"clear-to-transpond", Offset::kClearToTranspond, 1, false}};

const ListSpec& Of(List list) {
    return kLists[static_cast<int>(list)];
}
const BoxSpec& Of(Box box) {
    return kBoxes[static_cast<int>(box)];
}

// Every field in the window's order (the encode group, the decode group, the memories; the tone
// page's follow) with the text beside its control: a box's own text, and for a memory the page's
// name, the row number following it.
enum class Kind { Spin, List, Box, Code, IdCode, StunCode };
struct Entry {
    Kind kind;
    int which;
    TextId label;
};
constexpr Entry kEntries[] = {
    {Kind::Spin, int(Spin::Speed), 3010007},
    {Kind::Spin, int(Spin::FirstDigitTime), 3010009},
    {Kind::Spin, int(Spin::FirstDigitDelay), 3010011},
    {Kind::Spin, int(Spin::StarHashTone), 3010013},
    {Kind::Spin, int(Spin::DKey), 3010015},
    {Kind::Code, DtmfRules::kBeginCode, DtmfRules::kBeginCodeLabel},
    {Kind::Code, DtmfRules::kEndCode, DtmfRules::kEndCodeLabel},
    {Kind::Box, int(Box::ManualDial), 3010021},
    {Kind::Box, int(Box::KeypadAutoPtt), 3010023},
    {Kind::Box, int(Box::HoldTime), 3010025},
    {Kind::Box, int(Box::Autodial), 3010027},
    {Kind::List, int(List::DtmfKeys), 3010063},
    {Kind::IdCode, 0, DtmfRules::kIdCodeLabel},
    {Kind::List, int(List::GroupCode), 3010031},
    {Kind::Spin, int(Spin::AlertToneLevel), 3010033},
    {Kind::Spin, int(Spin::AutoResetTimer), 3010035},
    {Kind::List, int(List::CallAlert), 3010037},
    {Kind::List, int(List::Transpond), 3010039},
    {Kind::Box, int(Box::ClearToTranspond), 3010045},
    {Kind::List, int(List::StunType), 3010041},
    {Kind::StunCode, 0, DtmfRules::kStunCodeLabel},
    {Kind::List, int(List::HornAlertLogic), 3017093},
    {Kind::Spin, int(Spin::HornAlertTime), 3017095},
    {Kind::Code, 0, kMemoryLabel},
    {Kind::Code, 1, kMemoryLabel},
    {Kind::Code, 2, kMemoryLabel},
    {Kind::Code, 3, kMemoryLabel},
    {Kind::Code, 4, kMemoryLabel},
    {Kind::Code, 5, kMemoryLabel},
    {Kind::Code, 6, kMemoryLabel},
    {Kind::Code, 7, kMemoryLabel},
    {Kind::Code, 8, kMemoryLabel},
};

TextId LabelOf(Kind kind, int which) {
    return std::ranges::find_if(kEntries, [&](const Entry& e) { return e.kind == kind && e.which == which; })
        ->label;
}

std::string KeyOf(const Entry& entry) {
    switch (entry.kind) {
    case Kind::Spin:
        return std::string(kSpins[entry.which].key);
    case Kind::List:
        return std::string(kLists[entry.which].key);
    case Kind::Box:
        return std::string(kBoxes[entry.which].key);
    case Kind::Code:
        return entry.which == DtmfRules::kBeginCode ? "bot-code"
               : entry.which == DtmfRules::kEndCode ? "eot-code"
                                                    : "memory-" + std::to_string(entry.which + 1);
    case Kind::IdCode:
        return "id-code";
    case Kind::StunCode:
        return "stun-code";
    }
    return {};
}

} // namespace

DtmfRules::DtmfRules(Session& session, Notifier& notifier)
    : m_session(session), m_notifier(notifier), m_tones(session.image, notifier.Texts()) {
    m_edit.emplace(session.image, session.snapshot);
}

TextId DtmfRules::Label(Spin spin) {
    return LabelOf(Kind::Spin, static_cast<int>(spin));
}

TextId DtmfRules::Label(List list) {
    return LabelOf(Kind::List, static_cast<int>(list));
}

TextId DtmfRules::Label(Box box) {
    return LabelOf(Kind::Box, static_cast<int>(box));
}

const DtmfRules::SpinRule& DtmfRules::RuleOf(Spin spin) {
    return kSpins[static_cast<int>(spin)];
}

std::size_t DtmfRules::SpinWidth(Spin spin) {
    return RuleOf(spin).width;
}

int DtmfRules::SpinPosition(Spin spin) const {
    const SpinRule& rule = RuleOf(spin);
    const int value = m_session.image.Byte(rule.offset) * rule.unitsPerByte;
    return value > rule.max ? rule.loadAbove : std::max(value, rule.min);
}

std::string DtmfRules::PositionText(Spin spin, int position) const {
    const SpinRule& rule = RuleOf(spin);
    if (position == rule.wordPosition)
        return m_notifier.Text(rule.word);
    return std::to_string(rule.values.empty() ? position : rule.values[static_cast<std::size_t>(position)]);
}

void DtmfRules::StorePosition(Spin spin, int position) {
    const SpinRule& rule = RuleOf(spin);
    m_session.image.SetByte(rule.offset, static_cast<uint8_t>(position / rule.unitsPerByte));
}

std::string DtmfRules::SpinText(Spin spin) const {
    return PositionText(spin, SpinPosition(spin));
}

std::string DtmfRules::StepSpin(Spin spin, int step) {
    const SpinRule& rule = RuleOf(spin);
    int position = SpinPosition(spin) + step * rule.step;
    if (rule.wraps)
        position = position < rule.min ? rule.max : position > rule.max ? rule.min : position;
    StorePosition(spin, std::clamp(position, rule.min, rule.max));
    return SpinText(spin);
}

std::string DtmfRules::LeaveSpin(Spin spin, std::string_view typed) {
    const SpinRule& rule = RuleOf(spin);
    int position = 0;
    if (rule.wordPosition >= 0 && typed == m_notifier.Text(rule.word)) {
        position = rule.wordPosition;
    } else if (!rule.values.empty()) {
        // The nearest listed value not above the typed one.
        const int value = TypedNumber(typed);
        while (position + 1 < static_cast<int>(rule.values.size()) && rule.values[position + 1] <= value)
            ++position;
    } else {
        position = std::clamp(TypedNumber(typed), rule.min, rule.max);
    }
    StorePosition(spin, position);
    return SpinText(spin);
}

std::vector<std::string> DtmfRules::ListItems(List list, const LanguageTable& texts) {
    const auto textsOf = [&](std::initializer_list<TextId> ids) {
        std::vector<std::string> items;
        for (TextId id : ids)
            items.push_back(texts.GetText(id));
        return items;
    };
    switch (list) {
    case List::DtmfKeys:
        return textsOf({3010065, 3010067});
    case List::HornAlertLogic:
        return textsOf({3017089, kNormal});
    case List::GroupCode: {
        std::vector<std::string> items = {texts.GetText(txt::kSwitchedOff)};
        for (char code : std::span(kGroupCodes).subspan(1))
            items.emplace_back(1, code);
        return items;
    }
    case List::CallAlert:
        return textsOf({3010055, kNormal, 3010057});
    case List::Transpond:
        return textsOf({txt::kSwitchedOff, 3010059, 3010029});
    case List::StunType:
        return textsOf({1001025, 3010061});
    }
    return {};
}

int DtmfRules::ListSelection(List list) const {
    const uint8_t stored = m_session.image.Byte(Of(list).offset);
    switch (list) {
    case List::DtmfKeys:
        return stored == kErased ? 0 : 1;
    case List::HornAlertLogic:
        return stored == 1 ? 1 : 0;
    case List::GroupCode: {
        const auto* it = std::ranges::find(kGroupCodes, static_cast<char>(stored));
        return it == std::end(kGroupCodes) ? 0 : static_cast<int>(it - std::begin(kGroupCodes));
    }
    case List::CallAlert:
    case List::Transpond:
        return stored > 2 ? 0 : stored;
    case List::StunType:
        return stored == 2 ? 1 : 0;
    }
    return 0;
}

void DtmfRules::SelectList(List list, int item) {
    if (item < 0 || item >= static_cast<int>(ListItems(list).size()))
        return;
    uint8_t stored = static_cast<uint8_t>(item);
    if (list == List::DtmfKeys)
        stored = item == 0 ? kErased : 0;
    else if (list == List::GroupCode)
        stored = static_cast<uint8_t>(kGroupCodes[item]);
    else if (list == List::StunType)
        stored = static_cast<uint8_t>(item + 1);
    m_session.image.SetByte(Of(list).offset, stored);
}

bool DtmfRules::Checked(Box box) const {
    const uint8_t stored = m_session.image.Byte(Of(box).offset);
    return Of(box).anyNonZeroIsOn ? stored != 0 : stored == Of(box).on;
}

void DtmfRules::SetChecked(Box box, bool on) {
    m_session.image.SetByte(Of(box).offset, on ? Of(box).on : 0);
}

bool DtmfRules::HornAlertAvailable() const {
    constexpr uint8_t kNoDataSignalling = 0x23;
    return !m_session.image.HiddenFunctionsEnabled() && m_session.image.RangeCode() != kNoDataSignalling;
}

bool DtmfRules::Enabled(Spin spin) const {
    return spin != Spin::HornAlertTime || (HornAlertAvailable() && ListSelection(List::HornAlertLogic) == 1);
}

bool DtmfRules::Enabled(List list) const {
    if (list == List::CallAlert)
        return SpinPosition(Spin::AlertToneLevel) != 0;
    return list != List::HornAlertLogic || HornAlertAvailable();
}

bool DtmfRules::Enabled(Box box) const {
    return box != Box::KeypadAutoPtt || Checked(Box::ManualDial);
}

std::string DtmfRules::StoredText(std::size_t offset, std::size_t size) const {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        const uint8_t c = m_session.image.Byte(offset + i);
        if (c == kErased || c == 0)
            break;
        text += Shown(c);
    }
    return text;
}

std::string DtmfRules::CodeText(int slot) const {
    const std::size_t length = m_session.image.Byte(Offset::kCodeLengths + slot);
    // An erased length byte stands for an empty slot.
    if (length > Limit::kCodeLength)
        return {};
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += Shown(m_session.image.Byte(Offset::kCodes + Limit::kCodeLength * slot + i));
    return text;
}

std::string DtmfRules::IdCodeText() const {
    return StoredText(Offset::kIdCode, Limit::kShortCodeLength);
}

std::string DtmfRules::StunCodeText() const {
    return StoredText(Offset::kStunCode, Limit::kShortCodeLength);
}

void DtmfRules::StoreCode(std::size_t offset, std::size_t size, std::string_view typed) {
    for (std::size_t i = 0; i < size; ++i)
        m_session.image.SetByte(offset + i, kErased);
    for (std::size_t i = 0; i < std::min(size, typed.size()); ++i)
        m_session.image.SetByte(offset + i, static_cast<uint8_t>(typed[i]));
}

void DtmfRules::LeaveCode(int slot, std::string_view typed) {
    if (!IsDtmfCode(typed))
        typed = {};
    typed = typed.substr(0, Limit::kCodeLength);
    StoreCode(Offset::kCodes + Limit::kCodeLength * slot, Limit::kCodeLength, typed);
    m_session.image.SetByte(Offset::kCodeLengths + slot, static_cast<uint8_t>(typed.size()));
}

TextId DtmfRules::LeaveIdCode(std::string_view typed) {
    if (m_cancelPending)
        return 0;
    m_idTooShort = typed.size() < Limit::kShortestCode;
    if (m_idTooShort)
        return kTooShort;
    const bool digits = std::ranges::all_of(typed, [](char c) { return c >= '0' && c <= '9'; });
    StoreCode(Offset::kIdCode, Limit::kShortCodeLength, digits ? typed : "000");
    return 0;
}

TextId DtmfRules::LeaveStunCode(std::string_view typed) {
    if (m_cancelPending)
        return 0;
    m_stunTooShort = !typed.empty() && typed.size() < Limit::kShortestCode;
    if (m_stunTooShort)
        return kTooShort;
    // A cleared code is an empty one: the radio does not take ten erased bytes.
    StoreCode(Offset::kStunCode, Limit::kShortCodeLength, IsDtmfCode(typed) ? typed : "");
    if (StunCodeText().empty())
        m_session.image.SetByte(Offset::kStunCode, 0x00);
    return 0;
}

char DtmfRules::TypedCodeCharacter(Page page, bool stunCode, char c) {
    if (page == Page::Memory) {
        const char upper = c >= 'a' && c <= 'd' ? Upper(c) : c;
        return IsDtmfCharacter(upper) ? upper : 0;
    }
    return stunCode && c >= 'a' && c <= 'f' ? Upper(c) : c;
}

TextId DtmfRules::ChangePage(Page to) const {
    if (m_idTooShort || m_stunTooShort)
        return kTooShort;
    const bool special = m_session.image.Byte(Offset::kAlertToneLevel) != 0 &&
                         m_session.image.Byte(Offset::kCallAlert) == Limit::kSpecialCallAlert;
    return to == Page::AlertTone && !special ? kAlertToneRefused : 0;
}

std::vector<SettingField> DtmfRules::Fields() const {
    std::vector<SettingField> fields;
    for (const Entry& entry : kEntries) {
        std::string text;
        switch (entry.kind) {
        case Kind::Spin:
            text = SpinText(static_cast<Spin>(entry.which));
            break;
        case Kind::List:
            text = ListItems(static_cast<List>(entry.which))[ListSelection(static_cast<List>(entry.which))];
            break;
        case Kind::Box:
            text = BoxText(Checked(static_cast<Box>(entry.which)));
            break;
        case Kind::Code:
            text = CodeText(entry.which);
            break;
        case Kind::IdCode:
            text = IdCodeText();
            break;
        case Kind::StunCode:
            text = StunCodeText();
            break;
        }
        fields.push_back({KeyOf(entry), text, entry.label,
                          entry.kind == Kind::Code && entry.which < DtmfRules::kMemories
                              ? RowSuffix(entry.which + 1)
                              : std::string()});
    }
    for (SettingField& field : m_tones.Fields())
        fields.push_back(std::move(field));
    return fields;
}

std::vector<SettingKey> DtmfRules::Keys(const LanguageTable& texts) {
    std::vector<SettingKey> keys;
    for (const Entry& entry : kEntries) {
        SettingKey key{KeyOf(entry), "", ""};
        switch (entry.kind) {
        case Kind::Spin:
            key.form = "number";
            key.range = kSpins[entry.which].range;
            break;
        case Kind::List:
            key.form = "choice";
            key.range = ChoicesRange(ListItems(static_cast<List>(entry.which), texts));
            break;
        case Kind::Box:
            key.form = "box";
            key.range = kBoxRange;
            break;
        case Kind::Code:
            key.form = "code";
            key.range = "up to 16 of 0-9, A-D, * and #";
            break;
        case Kind::IdCode:
            key.form = "digits";
            key.range = "3..10 digits";
            break;
        case Kind::StunCode:
            key.form = "code";
            key.range = "empty, or 3..10 of 0-9, A-D, * and #";
            break;
        }
        keys.push_back(std::move(key));
    }
    for (SettingKey& key : ToneSequenceRules::Keys())
        keys.push_back(std::move(key));
    return keys;
}

Status DtmfRules::Set(std::string_view key, std::string_view value) {
    const RadioImage before = m_session.image;
    const bool idTooShort = m_idTooShort, stunTooShort = m_stunTooShort;
    const Status set = SetOne(key, value);
    if (!set) {
        m_session.image = before;
        m_idTooShort = idTooShort;
        m_stunTooShort = stunTooShort;
    }
    return set;
}

Status DtmfRules::SetOne(std::string_view key, std::string_view value) {
    const Notifier& notifier = m_notifier;
    const auto refused = [&](TextId id) -> Status { return id == 0 ? Status{} : Failure{notifier.Text(id)}; };
    const auto greyed = [&] { return Failure{notifier.Filled(txt::kSettingGreyed, key, "")}; };
    const auto* entry = std::ranges::find_if(kEntries, [&](const Entry& e) { return KeyOf(e) == key; });
    if (entry == std::end(kEntries)) {
        if (!ToneSequenceRules::HasKey(key))
            return UnknownKey(key, notifier);
        // The tone page opens only for a special call alert.
        if (const TextId page = ChangePage(Page::AlertTone); page != 0)
            return refused(page);
        return m_tones.Set(key, value, notifier);
    }
    std::string code(value);
    for (char& c : code)
        c = TypedCodeCharacter(entry->which < kMemories && entry->kind == Kind::Code ? Page::Memory
                                                                                     : Page::EncodeDecode,
                               entry->kind == Kind::StunCode, c);
    switch (entry->kind) {
    case Kind::Spin: {
        const auto spin = static_cast<Spin>(entry->which);
        if (!IsTypedNumber(value, SpinWidth(spin)))
            return Failure{notifier.Filled(txt::kNotDigits, value, std::to_string(SpinWidth(spin)))};
        if (!Enabled(spin))
            return greyed();
        LeaveSpin(spin, value);
        return {};
    }
    case Kind::List: {
        const auto list = static_cast<List>(entry->which);
        const Result<int> item = ChoiceOf(ListItems(list), value, notifier);
        if (!item)
            return Failure{item.Message()};
        if (!Enabled(list))
            return greyed();
        SelectList(list, *item);
        return {};
    }
    case Kind::Box: {
        const auto box = static_cast<Box>(entry->which);
        const Result<bool> on = BoxOf(value, notifier);
        if (!on)
            return Failure{on.Message()};
        if (!Enabled(box))
            return greyed();
        SetChecked(box, *on);
        return {};
    }
    case Kind::Code:
        if (!IsDtmfCode(code) || code.size() > Limit::kCodeLength)
            return Failure{notifier.Filled(txt::kNotADtmfCode, value, std::to_string(Limit::kCodeLength))};
        LeaveCode(entry->which, code);
        return {};
    case Kind::IdCode:
        if (!IsTypedNumber(value, Limit::kShortCodeLength))
            return Failure{notifier.Filled(txt::kNotDigits, value, std::to_string(Limit::kShortCodeLength))};
        return refused(LeaveIdCode(value));
    case Kind::StunCode:
        if (!IsDtmfCode(code) || code.size() > Limit::kShortCodeLength)
            return Failure{
                notifier.Filled(txt::kNotADtmfCode, value, std::to_string(Limit::kShortCodeLength))};
        return refused(LeaveStunCode(code));
    }
    return {};
}

bool DtmfRules::Ok() {
    if (m_edit)
        m_edit->Commit();
    return true;
}

} // namespace rpx
