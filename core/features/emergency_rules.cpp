#include "core/features/emergency_rules.h"

#include <algorithm>
#include <array>

#include "core/editor/channel_record.h"
#include "core/features/model_gate.h"
#include "core/features/orbicall_rules.h"
#include "core/features/setting_values.h"
#include "core/text/startup_texts.h"

namespace rpx {

namespace {

using Field = EmergencyRules::Field;
using Kind = EmergencyRules::Kind;
using Offset = EmergencyRules::Offset;
using Limit = EmergencyRules::Limit;

struct FieldInfo {
    Field field;
    const char* key;
    Kind kind;
    std::size_t offset;
    int width;       // characters a typed field takes
    int most;        // the largest number stored, or the bytes of a code's area
    int fallback;    // what an emptied duration stores
    TextId zeroText; // what a limited number shows for 0
    TextId label;    // beside the control (a box's own text)
};

constexpr TextId kContinuousText = 3017091;
constexpr TextId kNormalText = 3010053;
constexpr TextId kInvertedText = 3017089;
constexpr TextId kMicOffText = 3010055;
constexpr TextId kMicOnText = 3017087;
constexpr uint8_t kNormalLogic = 1;
constexpr uint8_t kDtmfType = 1;

// In the dialog's order.
constexpr std::array<FieldInfo, 19> kFields = {{
    {Field::Channel, "channel", Kind::List, Offset::kChannel, 0, 0, 0, 0, 3011001},
    {Field::TxDuration, "tx-duration", Kind::Duration, Offset::kTxDuration, 3, Limit::kDurationMax,
     Limit::kTxDurationDefault, 0, 3011003},
    {Field::RxDuration, "rx-duration", Kind::Duration, Offset::kRxDuration, 3, Limit::kDurationMax,
     Limit::kRxDurationDefault, 0, 3011005},
    {Field::Type, "type", Kind::List, Offset::kType, 0, 0, 0, 0, 3019033},
    {Field::Code, "code", Kind::Code, Offset::kCode, Limit::kCodeWidth, Limit::kCodeArea, 0, 0, 3011007},
    {Field::AckCode, "ack-code", Kind::Code, Offset::kAckCode, Limit::kCodeWidth, Limit::kCodeArea, 0, 0,
     3011009},
    {Field::ResetCode, "reset-code", Kind::Code, Offset::kResetCode, Limit::kCodeWidth, Limit::kResetCodeArea,
     0, 0, 3011011},
    {Field::Fleet, "fleet", Kind::Fleet, Offset::kFleet, OrbicallRules::Width::kFleet, 0, 0, 0, 3019035},
    {Field::Id, "id", Kind::Id, Offset::kId, OrbicallRules::Width::kId, 0, 0, 0, 3019037},
    {Field::HornLogic, "horn-logic", Kind::List, Offset::kHornLogic, 0, 0, 0, 0, 3017079},
    {Field::HornTime, "horn-time", Kind::Limited, Offset::kHornTime, 2, Limit::kOutputTimeMax, 0,
     kContinuousText, 3017081},
    {Field::LightLogic, "light-logic", Kind::List, Offset::kLightLogic, 0, 0, 0, 0, 3017083},
    {Field::LightTime, "light-time", Kind::Limited, Offset::kLightTime, 2, Limit::kOutputTimeMax, 0,
     kContinuousText, 3017085},
    {Field::Mic, "mic", Kind::List, Offset::kMic, 0, 0, 0, 0, 3017077},
    {Field::Cycle, "cycle", Kind::Limited, Offset::kCycle, 3, Limit::kCycleMax, 0, kNormalText, 3019039},
    {Field::ManualReset, "manual-reset", Kind::Box, Offset::kManualReset, 0, 0, 0, 0, 3011019},
    {Field::Secret, "secret", Kind::Box, Offset::kSecret, 0, 0, 0, 0, 3011015},
    {Field::Recognition, "recognition", Kind::Box, Offset::kRecognition, 0, 0, 0, 0, 3011017},
    {Field::PowerSwitch, "power-switch", Kind::Box, Offset::kPowerSwitch, 0, 0, 0, 0, 3011013},
}};

const FieldInfo& Info(Field field) {
    return *std::ranges::find(kFields, field, &FieldInfo::field);
}

std::vector<Field> FieldsOf(EditScope use) {
    if (use == EditScope::SheetPage)
        return {Field::Mic, Field::HornLogic, Field::HornTime, Field::LightLogic, Field::LightTime};
    std::vector<Field> fields;
    for (const FieldInfo& info : kFields)
        fields.push_back(info.field);
    return fields;
}

bool IsDtmfCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#';
}

// The number at the start of typed, 0 when it starts with none; a long one stays above every limit.
int LeadingNumber(std::string_view typed) {
    int number = 0;
    for (char c : typed) {
        if (c < '0' || c > '9')
            break;
        number = std::min(number * 10 + (c - '0'), 100000);
    }
    return number;
}

// Both the first and the fifth byte of the record hold a frequency.
bool IsFullChannel(const RadioImage& image, int channel) {
    const ConstChannelRecord record(image, channel);
    return record.HasFrequency(Direction::Rx) && record.HasFrequency(Direction::Tx);
}

} // namespace

EmergencyRules::EmergencyRules(Session& session, Notifier& notifier, EditScope use)
    : m_session(session), m_notifier(notifier), m_edit(session.image, session.snapshot), m_use(use) {
    if (use == EditScope::SheetPage)
        return;
    // Taken after the snapshot, so that Cancel puts the unset bytes back.
    RadioImage& image = m_session.image;
    if (image.Byte(Offset::kType) == 0xFF)
        image.SetByte(Offset::kType, kDtmfType);
    if (image.Byte(Offset::kCycle) == 0xFF)
        image.SetByte(Offset::kCycle, 0);
}

EmergencyRules::Kind EmergencyRules::KindOf(Field field) {
    return Info(field).kind;
}

const char* EmergencyRules::Key(Field field) {
    return Info(field).key;
}

TextId EmergencyRules::Label(Field field) {
    return Info(field).label;
}

int EmergencyRules::Width(Field field) {
    return Info(field).width;
}

bool EmergencyRules::Enabled(Field field) const {
    const RadioImage& image = m_session.image;
    const bool hornTimed = image.Byte(Offset::kHornLogic) == kNormalLogic;
    const bool lightTimed = image.Byte(Offset::kLightLogic) == kNormalLogic;
    if (m_use == EditScope::SheetPage)
        return field == Field::HornTime ? hornTimed : field == Field::LightTime ? lightTimed : true;
    const bool gate = ModelGateOpen(image);
    const bool dtmf = Selection(Field::Type) == 0;
    switch (field) {
    case Field::Code:
    case Field::AckCode:
    case Field::ResetCode:
        return dtmf;
    case Field::Fleet:
    case Field::Id:
        return gate && !dtmf;
    case Field::Type:
    case Field::HornLogic:
    case Field::LightLogic:
    case Field::Mic:
    case Field::Cycle:
        return gate;
    case Field::HornTime:
        return gate && hornTimed;
    case Field::LightTime:
        return gate && lightTimed;
    case Field::Recognition:
    case Field::PowerSwitch:
        return Checked(Field::Secret);
    default:
        return true;
    }
}

std::vector<ListItem> EmergencyRules::Items(Field field) const {
    const LanguageTable& texts = m_notifier.Texts();
    switch (field) {
    case Field::Channel:
        return ChannelChoices(m_session.image, texts, &IsFullChannel);
    case Field::Type:
        return {{"DTMF", kDtmfType}, {"MSK", 0}};
    case Field::HornLogic:
    case Field::LightLogic:
        return {{texts.GetText(kInvertedText), 2}, {texts.GetText(kNormalText), kNormalLogic}};
    case Field::Mic:
        return {{texts.GetText(kMicOffText), 0}, {texts.GetText(kMicOnText), 1}};
    default:
        return {};
    }
}

int EmergencyRules::Selection(Field field) const {
    const uint8_t stored = m_session.image.Byte(Info(field).offset);
    const std::vector<ListItem> items = Items(field);
    const auto it = std::ranges::find(items, stored, &ListItem::value);
    if (it != items.end())
        return static_cast<int>(it - items.begin());
    if (field == Field::Channel) // a channel no longer offered shows no item
        return stored > layout::kChannelCount ? 0 : -1;
    // Any type but MSK sends DTMF; any logic but normal and any microphone byte but 1 show item 0.
    return 0;
}

void EmergencyRules::Select(Field field, int item) {
    const std::vector<ListItem> items = Items(field);
    if (item >= 0 && item < static_cast<int>(items.size()))
        m_session.image.SetByte(Info(field).offset, items[static_cast<std::size_t>(item)].value);
}

std::string EmergencyRules::Text(Field field) const {
    const FieldInfo& info = Info(field);
    const RadioImage& image = m_session.image;
    switch (info.kind) {
    case Kind::Duration:
        return std::to_string(image.Byte(info.offset));
    case Kind::Limited:
        return image.Byte(info.offset) == 0 ? m_notifier.Text(info.zeroText)
                                            : std::to_string(image.Byte(info.offset));
    case Kind::Code: {
        std::string code;
        for (int i = 0; i < info.most && image.Byte(info.offset + i) != 0xFF; ++i)
            code += static_cast<char>(image.Byte(info.offset + i));
        return code;
    }
    case Kind::Fleet:
        return OrbicallRules::FleetTextOf(image.Byte(info.offset));
    case Kind::Id:
        return OrbicallRules::IdTextOf(image.Word(info.offset));
    default:
        return "";
    }
}

void EmergencyRules::Commit(Field field, std::string_view typed) {
    const FieldInfo& info = Info(field);
    RadioImage& image = m_session.image;
    switch (info.kind) {
    case Kind::Duration:
        image.SetByte(
            info.offset,
            static_cast<uint8_t>(typed.empty() ? info.fallback : std::min(LeadingNumber(typed), info.most)));
        break;
    case Kind::Limited:
        image.SetByte(info.offset, static_cast<uint8_t>(std::min(LeadingNumber(typed), info.most)));
        break;
    case Kind::Code: {
        image.Fill(info.offset, static_cast<std::size_t>(info.most), 0xFF);
        if (!std::ranges::all_of(typed, &IsDtmfCharacter))
            break; // the field is cleared and the code left empty
        const std::size_t length = std::min(typed.size(), static_cast<std::size_t>(info.most));
        for (std::size_t i = 0; i < length; ++i)
            image.SetByte(info.offset + i, static_cast<uint8_t>(typed[i]));
        break;
    }
    case Kind::Fleet:
        image.SetByte(info.offset, OrbicallRules::FleetOfTyped(typed));
        break;
    case Kind::Id:
        image.SetWord(info.offset, OrbicallRules::IdOfTyped(typed));
        break;
    default:
        break;
    }
}

void EmergencyRules::Step(Field field, std::string_view typed, int step) {
    const FieldInfo& info = Info(field);
    Commit(field, typed);
    const int moved = m_session.image.Byte(info.offset) + step;
    // A duration goes round; the times and the cycle stop at their ends.
    const int stored = info.kind == Kind::Duration ? (moved < 0           ? info.most
                                                      : moved > info.most ? 0
                                                                          : moved)
                                                   : std::clamp(moved, 0, info.most);
    m_session.image.SetByte(info.offset, static_cast<uint8_t>(stored));
}

bool EmergencyRules::Checked(Field field) const {
    const uint8_t stored = m_session.image.Byte(Info(field).offset);
    return field == Field::PowerSwitch ? stored == 1 : stored != 0;
}

void EmergencyRules::SetChecked(Field field, bool on) {
    m_session.image.SetByte(Info(field).offset, on ? 1 : 0);
}

const std::vector<Field>& EmergencyRules::FieldList() const {
    static const std::vector<Field> dialog = FieldsOf(EditScope::Dialog);
    static const std::vector<Field> page = FieldsOf(EditScope::SheetPage);
    return m_use == EditScope::Dialog ? dialog : page;
}

std::string EmergencyRules::Shown(Field field) const {
    switch (KindOf(field)) {
    case Kind::List: {
        const int item = Selection(field);
        return item < 0 ? "" : Items(field)[static_cast<std::size_t>(item)].text;
    }
    case Kind::Box:
        return BoxText(Checked(field));
    default:
        return Text(field);
    }
}

std::vector<SettingField> EmergencyRules::Fields() const {
    std::vector<SettingField> fields;
    for (Field field : FieldList())
        fields.push_back({Info(field).key, Shown(field), Info(field).label});
    return fields;
}

Status EmergencyRules::Set(std::string_view key, std::string_view value) {
    const auto own = std::ranges::find_if(FieldList(), [key](Field field) { return Info(field).key == key; });
    if (own == FieldList().end())
        return UnknownKey(key, m_notifier);
    const Field field = *own;
    const FieldInfo& info = Info(field);
    // Naming what a greyed field, a list or a code shows changes nothing, so a printed setting can
    // be given back: a channel the list no longer offers, a code longer than the field takes.
    if ((!Enabled(field) || info.kind == Kind::List || info.kind == Kind::Code) && value == Shown(field))
        return {};
    if (!Enabled(field))
        return Failure{m_notifier.Filled(txt::kSettingGreyed, key, "")};
    switch (info.kind) {
    case Kind::List: {
        std::vector<std::string> texts;
        for (const ListItem& item : Items(field))
            texts.push_back(item.text);
        const Result<int> item = ChoiceOf(texts, value, m_notifier);
        if (!item)
            return Failure{item.Message()};
        Select(field, *item);
        return {};
    }
    case Kind::Box: {
        const Result<bool> on = BoxOf(value, m_notifier);
        if (!on)
            return Failure{on.Message()};
        SetChecked(field, *on);
        return {};
    }
    case Kind::Code:
        if (static_cast<int>(value.size()) > info.width)
            return Failure{m_notifier.Filled(txt::kTooLongForField, value, std::to_string(info.width))};
        break;
    default:
        if (!OrbicallRules::FitsField(value, info.width) &&
            !(info.kind == Kind::Limited && value == m_notifier.Text(info.zeroText)))
            return Failure{m_notifier.Filled(txt::kNotDigits, value, std::to_string(info.width))};
        break;
    }
    Commit(field, value);
    return {};
}

bool EmergencyRules::Ok() {
    m_edit.Commit();
    return true;
}

std::vector<SettingKey> EmergencyRules::Keys(const LanguageTable& texts) {
    return Keys(texts, EditScope::Dialog);
}

std::vector<SettingKey> EmergencyRules::Keys(const LanguageTable& texts, EditScope use) {
    const std::string logic = ChoicesRange({texts.GetText(kInvertedText), texts.GetText(kNormalText)});
    const std::string outputTime =
        "0..30, 0 or " + std::string(texts.GetText(kContinuousText)) + " for continuous";
    const std::string code = "up to 10 of 0-9 A-D * #; any other character empties the code";
    std::vector<SettingKey> keys;
    for (Field field : FieldsOf(use)) {
        const char* key = Info(field).key;
        switch (field) {
        case Field::Channel:
            keys.push_back({key, "choice",
                            std::string(texts.GetText(3011021)) +
                                " or a channel 1..4 holding RX and TX frequencies (" +
                                GroupChannelLabel(texts, 1) + ".." + GroupChannelLabel(texts, 8) +
                                " while a key holds the group function)"});
            break;
        case Field::TxDuration:
        case Field::RxDuration:
            keys.push_back({key, "number", "0..255, empty for " + std::to_string(Info(field).fallback)});
            break;
        case Field::Type:
            keys.push_back({key, "choice", ChoicesRange({"DTMF", "MSK"})});
            break;
        case Field::Code:
        case Field::AckCode:
        case Field::ResetCode:
            keys.push_back({key, "text", code});
            break;
        case Field::Fleet:
            keys.push_back({key, "number", "100..349, empty for none"});
            break;
        case Field::Id:
            keys.push_back({key, "number", "1000..4999, empty for none"});
            break;
        case Field::HornLogic:
        case Field::LightLogic:
            keys.push_back({key, "choice", logic});
            break;
        case Field::HornTime:
        case Field::LightTime:
            keys.push_back({key, "seconds", outputTime});
            break;
        case Field::Mic:
            keys.push_back(
                {key, "choice", ChoicesRange({texts.GetText(kMicOffText), texts.GetText(kMicOnText)})});
            break;
        case Field::Cycle:
            keys.push_back(
                {key, "number", "0..200, 0 or " + std::string(texts.GetText(kNormalText)) + " for normal"});
            break;
        default:
            keys.push_back({key, "box", kBoxRange});
            break;
        }
    }
    return keys;
}

} // namespace rpx
