#include "core/features/optional_rules.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/editor/leading_number.h"
#include "core/features/channel_choices.h"
#include "core/features/setting_values.h"
#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

using Number = OptionalRules::Number;
using Box = OptionalRules::Box;
using List = OptionalRules::List;

struct NumberField {
    Number number;
    std::string_view key;
    std::size_t offset;
    int max;
    int width;
    bool showsOff; // 0 shows the off text
    std::string_view range;
    TextId label;
};
constexpr std::array<NumberField, 6> kNumbers = {{
    {Number::Tot, "tot", OptionalRules::Offset::kTot, OptionalRules::Limit::kTotMax, 3, true,
     "30..300 seconds, to the nearest 30 (a tie to the smaller); 0 or off", 3009001},
    {Number::PreAlert, "pre-alert", OptionalRules::Offset::kPreAlert, 10, 2, true, "1..10 seconds; 0 or off",
     3009003},
    {Number::Rekey, "rekey-time", OptionalRules::Offset::kRekey, 60, 2, true, "1..60 seconds; 0 or off",
     3009005},
    {Number::Reset, "reset-time", OptionalRules::Offset::kReset, 15, 2, true, "1..15 seconds; 0 or off",
     3009007},
    {Number::MinimumVolume, "minimum-volume", OptionalRules::Offset::kMinimumVolume, 31, 2, false, "0..31",
     3009009},
    {Number::Squelch, "squelch", OptionalRules::Offset::kSquelch, 9, 1, false, "0..9; empty is 1", 3009011},
}};

const NumberField& FieldOf(Number number) {
    return kNumbers[static_cast<std::size_t>(number)];
}

struct BoxField {
    std::string_view key;
    std::size_t offset;
    bool onlyOneIsOn; // else any non-zero byte shows ticked
    TextId label;
};
// In the order of the Box enumerators.
constexpr std::array<BoxField, 7> kBoxes = {{
    {"power-on-tone", 0x0A0, false, 3009015},
    {"control-tone", 0x0A1, false, 3009017},
    {"warning-tone", 0x0A2, false, 3009019},
    {"volume-lock", 0x0AD, true, 3009021},
    {"off-hook-decode", 0x0A4, false, 3009023},
    {"clone-mode", 0x0AA, true, 3009025},
    {"data-tx-qt", 0x0DB, true, 3019031},
}};

constexpr std::string_view kPasswordKey = "password";
struct ListField {
    std::string_view key;
    TextId label;
};
// In the order of the List enumerators.
constexpr std::array<ListField, 3> kLists = {{
    {"data-channel", 3017029},
    {"ptt-id-type", 3019027},
    {"trunking-groups", 3019029},
}};

constexpr TextId kNoDataChannel = 3011021;
constexpr TextId kPttDtmf = 3013023;
constexpr int kChannelsPerGroup = 4;
constexpr uint8_t kGroupKeyCode = 11;
constexpr uint8_t kDataChannelInput = 3;
constexpr uint8_t kNotProgrammed = 0xFF;
constexpr uint8_t kBlockedRange = 0x23;
constexpr unsigned kSignallingOptionBit = 6;

bool SameLetters(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

bool AllDigits(std::string_view text) {
    return std::ranges::all_of(text, [](unsigned char c) { return std::isdigit(c) != 0; });
}

} // namespace

OptionalRules::OptionalRules(Session& session, Notifier& notifier, EditScope scope)
    : m_session(session), m_notifier(notifier) {
    RadioImage& image = m_session.image;
    if (scope == EditScope::Dialog) {
        m_edit.emplace(image, session.snapshot);
        if (image.Byte(Offset::kSquelch) >= Limit::kLevelRewritten)
            image.SetByte(Offset::kSquelch, 1);
        if (image.Byte(layout::kPortMode) != layout::kTrunkingPortMode)
            image.SetByte(Offset::kTrunkingGroups, 1);
    }
    m_trunkingGroupsAtOpen = image.Byte(Offset::kTrunkingGroups);
}

bool OptionalRules::DataSignallingAllowed(const RadioImage& image) {
    return image.Bit(RadioImage::kModelOptions, kSignallingOptionBit) && image.RangeCode() != kBlockedRange;
}

bool OptionalRules::TotOff() const {
    const uint8_t tot = m_session.image.Byte(Offset::kTot);
    return tot == 0 || tot == Limit::kTotOff;
}

int OptionalRules::Position(Number number) const {
    const int stored = m_session.image.Byte(FieldOf(number).offset);
    if (number == Number::Tot) {
        if (TotOff())
            return 0;
        // A byte beyond 300 seconds shows one minute and stays in the image until an edit.
        return stored <= Limit::kTotMax / 10 ? stored * 10 : 60;
    }
    return stored <= FieldOf(number).max ? stored : 0;
}

std::string OptionalRules::NumberText(Number number) const {
    const int position = Position(number);
    return position == 0 && FieldOf(number).showsOff ? m_notifier.Text(txt::kSwitchedOff)
                                                     : std::to_string(position);
}

int OptionalRules::Width(Number number) {
    return FieldOf(number).width;
}

TextId OptionalRules::Label(Number number) {
    return FieldOf(number).label;
}

TextId OptionalRules::Label(Box box) {
    return kBoxes[static_cast<std::size_t>(box)].label;
}

TextId OptionalRules::Label(List list) {
    return kLists[static_cast<std::size_t>(list)].label;
}

bool OptionalRules::Enabled(Number number) const {
    const bool dependsOnTot =
        number == Number::PreAlert || number == Number::Rekey || number == Number::Reset;
    return !dependsOnTot || !TotOff();
}

void OptionalRules::CommitNumber(Number number, std::string_view text) {
    RadioImage& image = m_session.image;
    const NumberField& field = FieldOf(number);
    if (number == Number::Tot) {
        if (text == m_notifier.Text(txt::kSwitchedOff))
            return;
        const int64_t seconds = LeadingNumber(text);
        if (seconds <= 0) {
            // Without a time-out the dependent timers mean nothing: all four go off.
            image.SetByte(Offset::kTot, Limit::kTotOff);
            for (std::size_t offset : {Offset::kPreAlert, Offset::kRekey, Offset::kReset})
                image.SetByte(offset, 0);
            return;
        }
        // The nearest multiple of 30 s, a tie going to the smaller.
        const int64_t steps = std::clamp<int64_t>((seconds + Limit::kTotStep / 2 - 1) / Limit::kTotStep, 1,
                                                  Limit::kTotMax / Limit::kTotStep);
        image.SetByte(Offset::kTot, static_cast<uint8_t>(steps * Limit::kTotStep / 10));
        return;
    }
    const int64_t value = text.empty() && number == Number::Squelch ? 1 : LeadingNumber(text);
    image.SetByte(field.offset, static_cast<uint8_t>(std::clamp<int64_t>(value, 0, field.max)));
}

void OptionalRules::StepNumber(Number number, int direction) {
    const bool tot = number == Number::Tot;
    const int max = FieldOf(number).max;
    int position = Position(number) + direction * (tot ? Limit::kTotStep : 1);
    if (position > max)
        position = 0;
    else if (position < 0)
        position = max;
    if (tot)
        m_session.image.SetByte(Offset::kTot,
                                position == 0 ? Limit::kTotOff : static_cast<uint8_t>(position / 10));
    else
        m_session.image.SetByte(FieldOf(number).offset, static_cast<uint8_t>(position));
}

std::string OptionalRules::PasswordText() const {
    std::string text;
    for (std::size_t i = 0; i < Limit::kPasswordLength; ++i) {
        const uint8_t c = m_session.image.Byte(Offset::kPassword + i);
        if (c == 0xFF)
            break;
        text += static_cast<char>(c);
    }
    return text;
}

void OptionalRules::CommitPassword(std::string_view text) {
    RadioImage& image = m_session.image;
    for (std::size_t i = 0; i < Limit::kPasswordLength; ++i)
        image.SetByte(Offset::kPassword + i, 0xFF);
    if (text.size() > Limit::kPasswordLength ||
        !std::ranges::all_of(text, [](char c) { return c >= '1' && c <= '4'; }))
        return;
    for (std::size_t i = 0; i < text.size(); ++i)
        image.SetByte(Offset::kPassword + i, static_cast<uint8_t>(text[i]));
}

bool OptionalRules::Checked(Box box) const {
    const BoxField& field = kBoxes[static_cast<std::size_t>(box)];
    const uint8_t stored = m_session.image.Byte(field.offset);
    return field.onlyOneIsOn ? stored == 1 : stored != 0;
}

void OptionalRules::SetChecked(Box box, bool on) {
    m_session.image.SetByte(kBoxes[static_cast<std::size_t>(box)].offset, on ? 1 : 0);
}

bool OptionalRules::Enabled(Box box) const {
    return box != Box::DataTxQt || DataSignallingAllowed(m_session.image);
}

bool OptionalRules::AnyPortIsDataChannelInput() const {
    for (std::size_t port = 0; port < layout::kDataChannelListLength; ++port)
        if (m_session.image.Byte(layout::kDataChannelList + port) == kDataChannelInput)
            return true;
    return false;
}

std::vector<OptionalRules::Item> OptionalRules::Items(List list) const {
    const RadioImage& image = m_session.image;
    const LanguageTable& texts = m_notifier.Texts();
    std::vector<Item> items;
    switch (list) {
    case List::DataChannel: {
        items.push_back({texts.GetText(kNoDataChannel), 0});
        const bool groups = TrunkingGroupDisplay(image);
        const bool groupKey = image.Byte(layout::kProgrammableKey1) == kGroupKeyCode ||
                              image.Byte(layout::kProgrammableKey2) == kGroupKeyCode;
        // A group key on a model without groups leaves no channel to choose.
        if (groupKey && !groups)
            break;
        const int channels = groups ? static_cast<int>(layout::kChannelCount) : kChannelsPerGroup;
        for (int channel = 1; channel <= channels; ++channel) {
            if (image.Byte(layout::ChannelRecordOffset(static_cast<std::size_t>(channel))) == kNotProgrammed)
                continue;
            items.push_back({groups ? GroupChannelLabel(texts, channel) : std::to_string(channel),
                             static_cast<uint8_t>(channel)});
        }
        break;
    }
    case List::PttIdType:
        items = {{texts.GetText(kPttDtmf), 0}, {"MSK", 1}};
        break;
    case List::TrunkingGroups:
        for (int count = 1; count <= Limit::kTrunkingGroupsMax; ++count)
            items.push_back({std::to_string(count), static_cast<uint8_t>(count)});
        break;
    }
    return items;
}

int OptionalRules::Selection(List list) const {
    const RadioImage& image = m_session.image;
    uint8_t shown = 0;
    switch (list) {
    case List::DataChannel:
        shown = image.Byte(Offset::kDataChannel);
        break;
    case List::PttIdType:
        shown = image.Byte(Offset::kPttIdType) != 0 ? 1 : 0;
        break;
    case List::TrunkingGroups:
        shown = image.Byte(Offset::kTrunkingGroups);
        break;
    }
    const std::vector<Item> items = Items(list);
    const auto it = std::ranges::find(items, shown, &Item::value);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void OptionalRules::Select(List list, int item) {
    const std::vector<Item> items = Items(list);
    if (item < 0 || item >= static_cast<int>(items.size()))
        return;
    const uint8_t value = items[static_cast<std::size_t>(item)].value;
    switch (list) {
    case List::DataChannel:
        m_session.image.SetByte(Offset::kDataChannel, value);
        break;
    case List::PttIdType:
        m_session.image.SetByte(Offset::kPttIdType, value);
        break;
    case List::TrunkingGroups:
        m_session.image.SetByte(Offset::kTrunkingGroups, value);
        if (value != m_trunkingGroupsAtOpen)
            m_trunkingGroupCountChanged = true;
        break;
    }
}

bool OptionalRules::Enabled(List list) const {
    const RadioImage& image = m_session.image;
    if (!DataSignallingAllowed(image))
        return false;
    switch (list) {
    case List::DataChannel:
        return AnyPortIsDataChannelInput();
    case List::TrunkingGroups:
        return image.Byte(layout::kPortMode) == layout::kTrunkingPortMode;
    case List::PttIdType:
        break;
    }
    return true;
}

std::vector<SettingField> OptionalRules::Fields() const {
    std::vector<SettingField> fields;
    for (const NumberField& field : kNumbers)
        fields.push_back({std::string(field.key), NumberText(field.number), field.label});
    fields.push_back({std::string(kPasswordKey), PasswordText(), kPasswordLabel});
    for (std::size_t box = 0; box < kBoxes.size(); ++box)
        fields.push_back(
            {std::string(kBoxes[box].key), BoxText(Checked(static_cast<Box>(box))), kBoxes[box].label});
    for (std::size_t list = 0; list < kLists.size(); ++list) {
        const std::vector<Item> items = Items(static_cast<List>(list));
        const int selection = Selection(static_cast<List>(list));
        fields.push_back({std::string(kLists[list].key),
                          selection < 0 ? std::string() : items[static_cast<std::size_t>(selection)].text,
                          kLists[list].label});
    }
    return fields;
}

Status OptionalRules::Set(std::string_view key, std::string_view value) {
    const auto greyed = [&] { return Failure{m_notifier.Filled(txt::kSettingGreyed, key, "")}; };
    for (const NumberField& field : kNumbers) {
        if (key != field.key)
            continue;
        if (!Enabled(field.number))
            return greyed();
        const bool off =
            field.showsOff && (SameLetters(value, "off") || value == m_notifier.Text(txt::kSwitchedOff));
        if (!off && (value.size() > static_cast<std::size_t>(field.width) || !AllDigits(value)))
            return Failure{m_notifier.Filled(txt::kNotDigits, value, std::to_string(field.width))};
        CommitNumber(field.number, off ? "0" : value);
        return {};
    }
    if (key == kPasswordKey) {
        if (value.size() > Limit::kPasswordLength ||
            !std::ranges::all_of(value, [](char c) { return c >= '1' && c <= '4'; }))
            return Failure{
                m_notifier.Filled(txt::kNotAPassword, value, std::to_string(Limit::kPasswordLength))};
        CommitPassword(value);
        return {};
    }
    for (std::size_t box = 0; box < kBoxes.size(); ++box) {
        if (key != kBoxes[box].key)
            continue;
        if (!Enabled(static_cast<Box>(box)))
            return greyed();
        const Result<bool> on = BoxOf(value, m_notifier);
        if (!on)
            return Failure{on.Message()};
        SetChecked(static_cast<Box>(box), *on);
        return {};
    }
    for (std::size_t list = 0; list < kLists.size(); ++list) {
        if (key != kLists[list].key)
            continue;
        if (!Enabled(static_cast<List>(list)))
            return greyed();
        std::vector<std::string> texts;
        for (const Item& item : Items(static_cast<List>(list)))
            texts.push_back(item.text);
        const Result<int> choice = ChoiceOf(texts, value, m_notifier);
        if (!choice)
            return Failure{choice.Message()};
        Select(static_cast<List>(list), *choice);
        return {};
    }
    return UnknownKey(key, m_notifier);
}

bool OptionalRules::Ok() {
    if (m_edit)
        m_edit->Commit();
    return true;
}

std::vector<SettingKey> OptionalRules::Keys(const LanguageTable& texts) {
    std::vector<SettingKey> keys;
    for (const NumberField& field : kNumbers)
        keys.push_back({std::string(field.key), "number", std::string(field.range)});
    keys.push_back({std::string(kPasswordKey), "digits", "up to 10 of the digits 1..4; empty for none"});
    for (const BoxField& box : kBoxes)
        keys.push_back({std::string(box.key), "box", kBoxRange});
    keys.push_back(
        {std::string(kLists[0].key), "choice",
         std::string(texts.GetText(kNoDataChannel)) + ", a programmed channel as the list names it, #0..#8"});
    keys.push_back({std::string(kLists[1].key), "choice", ChoicesRange({texts.GetText(kPttDtmf), "MSK"})});
    keys.push_back({std::string(kLists[2].key), "choice", ChoicesRange({"1", "2", "3", "4"})});
    return keys;
}

} // namespace rpx
