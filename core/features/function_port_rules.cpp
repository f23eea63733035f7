#include "core/features/function_port_rules.h"

#include <algorithm>

#include "core/features/channel_choices.h"
#include "core/features/key_assignment_rules.h"
#include "core/features/optional_rules.h"
#include "core/features/setting_values.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kFirstPortLabel = 3017003; // then every second TextId
constexpr TextId kInputSuffix = 3017019;
constexpr TextId kOutputSuffix = 3017021;
constexpr TextId kDeviceTexts[] = {txt::kOff, 3019005, 3019007, 3019013, 3017055};
constexpr TextId kChannelTexts[4] = {3006005, 3006007, 3006009, 3006011};
constexpr uint8_t kFirstOutput = 32;
constexpr uint8_t kFirstGroupChannel = 5;   // 5..8 channels 1..4 of group 1
constexpr uint8_t kFirstGroup2Channel = 14; // 14..17 channels 1..4 of group 2
constexpr std::size_t kPort1 = 0, kPort2 = 1;
constexpr uint8_t kPort2Only = 0, kPort1Only = 38;

struct PlainLabel {
    uint8_t code;
    TextId text;
};
constexpr PlainLabel kPlainLabels[] = {
    {0, 3017023}, {1, 3017025},  {2, 3017027},  {3, 3017029},  {4, 3006001},
    {9, 3006019}, {10, 3017031}, {13, 3017033}, {32, 3006021}, {44, 3019003},
};

constexpr std::string_view kDeviceKey = "device";
constexpr std::string_view kIgnitionKey = "ignition-sense";
constexpr const char* kPortKeys[FunctionPortRules::kPortCount] = {"port-1", "port-2", "port-3", "port-4",
                                                                  "port-5", "port-6", "port-7", "port-8"};

} // namespace

FunctionPortRules::FunctionPortRules(Session& session, Notifier& notifier, EditScope scope)
    : m_session(session), m_notifier(notifier) {
    if (scope != EditScope::Dialog)
        return;
    m_edit.emplace(session.image, session.snapshot);
    RadioImage& image = m_session.image;
    if (image.Byte(Offset::kDevice) == 0xFF)
        image.SetByte(Offset::kDevice, 0);
    if (image.Byte(Offset::kIgnitionSense) == 0xFF)
        image.SetByte(Offset::kIgnitionSense, 0);
}

TextId FunctionPortRules::PortLabel(int port) {
    return kFirstPortLabel + 2 * static_cast<TextId>(port);
}

std::vector<std::string> FunctionPortRules::DeviceItems(const LanguageTable& texts) {
    std::vector<std::string> items;
    for (TextId id : kDeviceTexts)
        items.push_back(texts.GetText(id));
    return items;
}

int FunctionPortRules::DeviceSelection() const {
    const uint8_t device = m_session.image.Byte(Offset::kDevice);
    return device < std::size(kDeviceTexts) ? device : -1;
}

void FunctionPortRules::SelectDevice(int item) {
    if (item >= 0 && item < static_cast<int>(std::size(kDeviceTexts)))
        m_session.image.SetByte(Offset::kDevice, static_cast<uint8_t>(item));
}

std::string FunctionPortRules::CodeLabel(uint8_t code) const {
    const LanguageTable& texts = m_notifier.Texts();
    const RadioImage& image = m_session.image;
    const bool groups = TrunkingGroupDisplay(image);
    std::string label;
    if (const auto* plain = std::ranges::find(kPlainLabels, code, &PlainLabel::code);
        plain != std::end(kPlainLabels)) {
        label = texts.GetText(plain->text);
    } else if (code >= kFirstGroupChannel && code < kFirstGroupChannel + 4) {
        const int channel = code - kFirstGroupChannel + 1;
        label = groups ? GroupChannelLabel(texts, channel, kChannelTexts)
                       : texts.GetText(kChannelTexts[channel - 1]);
    } else if (groups && code >= kFirstGroup2Channel && code < kFirstGroup2Channel + 4) {
        label = GroupChannelLabel(texts, code - kFirstGroup2Channel + 5, kChannelTexts);
    } else if (code > kFirstOutput && code < Code::kLastDeviceOutput) {
        // 33..43: the odd TextIds from 3017035 in order.
        label = texts.GetText(3017035 + 2 * (code - 33));
    }
    const bool needsDevice = code >= Code::kFirstDeviceOutput && code <= Code::kLastDeviceOutput;
    if (label.empty() || (needsDevice && image.Byte(Offset::kDevice) == 0))
        return {};
    return label + " " + texts.GetText(code >= kFirstOutput ? kOutputSuffix : kInputSuffix);
}

uint8_t FunctionPortRules::PortCode(int port) const {
    return m_session.image.Byte(Offset::kPorts + static_cast<std::size_t>(port));
}

std::string FunctionPortRules::PortText(int port) const {
    const uint8_t code = PortCode(port);
    const std::string label = code <= Code::kLastFunction ? CodeLabel(code) : std::string();
    return label.empty() ? m_notifier.Text(txt::kOff) : label;
}

std::vector<FunctionPortRules::PortItem> FunctionPortRules::PortItems(int port,
                                                                      std::span<const uint8_t> codes) const {
    const RadioImage& image = m_session.image;
    const uint8_t device = image.Byte(Offset::kDevice);
    std::vector<PortItem> items;
    for (uint8_t code : codes) {
        if ((code == kPort2Only && port != kPort2) || (code == kPort1Only && port != kPort1))
            continue;
        bool taken = code >= 1 && code <= Code::kLastFunction && code == device;
        for (int other = 0; other < kPortCount && !taken; ++other)
            taken = other != port && code >= 1 && code <= Code::kLastFunction && PortCode(other) == code;
        std::string label = CodeLabel(code);
        // Without the second group there are no group-2 channels to switch to.
        const bool group2 = code >= kFirstGroup2Channel && code < kFirstGroup2Channel + 4;
        if (taken || label.empty() || (group2 && !image.IsExtendedVariant()))
            continue;
        items.push_back({code, std::move(label)});
    }
    items.push_back({Code::kNone, m_notifier.Text(txt::kOff)});
    return items;
}

int FunctionPortRules::PortSelection(int port, std::span<const uint8_t> codes) const {
    const std::vector<PortItem> items = PortItems(port, codes);
    const uint8_t code = PortCode(port);
    const bool shownAsNone =
        code > Code::kLastFunction || (code >= Code::kFirstDeviceOutput && code <= Code::kLastDeviceOutput);
    const auto it = std::ranges::find(items, code, &PortItem::code);
    return shownAsNone || it == items.end() ? static_cast<int>(items.size()) - 1
                                            : static_cast<int>(it - items.begin());
}

void FunctionPortRules::SelectPortItem(int port, int item, std::span<const uint8_t> codes) {
    const std::vector<PortItem> items = PortItems(port, codes);
    if (port >= 0 && port < kPortCount && item >= 0 && item < static_cast<int>(items.size()))
        m_session.image.SetByte(Offset::kPorts + static_cast<std::size_t>(port),
                                items[static_cast<std::size_t>(item)].code);
}

bool FunctionPortRules::IgnitionSense() const {
    return m_session.image.Byte(Offset::kIgnitionSense) != 0;
}

void FunctionPortRules::SetIgnitionSense(bool on) {
    m_session.image.SetByte(Offset::kIgnitionSense, on ? 1 : 0);
}

bool FunctionPortRules::Ok() {
    RadioImage& image = m_session.image;
    const uint8_t device = image.Byte(Offset::kDevice);
    if (device != Device::kScrambler)
        for (std::size_t key : {layout::kProgrammableKey1, layout::kProgrammableKey2})
            if (image.Byte(key) == KeyAssignmentRules::Code::kScrambler)
                image.SetByte(key, KeyAssignmentRules::Code::kNoFunction);
    m_session.trunkingMode = device == Device::kSmarTrunk;
    if (!m_session.trunkingMode)
        image.SetByte(layout::kTrunkingGroups, 1);
    if (m_edit)
        m_edit->Commit();
    return true;
}

std::vector<SettingField> FunctionPortRules::Fields() const {
    const int device = DeviceSelection();
    std::vector<SettingField> fields = {
        {std::string(kDeviceKey),
         device < 0 ? std::string() : DeviceItems()[static_cast<std::size_t>(device)], kDeviceLabel}};
    for (int port = 0; port < kPortCount; ++port)
        fields.push_back({kPortKeys[port], PortText(port), PortLabel(port)});
    fields.push_back({std::string(kIgnitionKey), BoxText(IgnitionSense()), kIgnitionLabel});
    return fields;
}

Status FunctionPortRules::Set(std::string_view key, std::string_view value) {
    if (key == kDeviceKey) {
        const Result<int> item = ChoiceOf(DeviceItems(), value, m_notifier);
        if (!item)
            return Failure{item.Message()};
        SelectDevice(*item);
        return {};
    }
    if (key == kIgnitionKey) {
        const Result<bool> on = BoxOf(value, m_notifier);
        if (!on)
            return Failure{on.Message()};
        SetIgnitionSense(*on);
        return {};
    }
    const auto name = std::ranges::find(kPortKeys, key);
    if (name == std::end(kPortKeys))
        return UnknownKey(key, m_notifier);
    const int port = static_cast<int>(name - std::begin(kPortKeys));
    std::vector<std::string> texts;
    for (const PortItem& item : PortItems(port))
        texts.push_back(item.text);
    const Result<int> item = ChoiceOf(texts, value, m_notifier);
    if (!item)
        return Failure{item.Message()};
    SelectPortItem(port, *item);
    return {};
}

std::vector<SettingKey> FunctionPortRules::Keys(const LanguageTable& texts) {
    std::vector<SettingKey> keys = {{std::string(kDeviceKey), "choice", ChoicesRange(DeviceItems(texts))}};
    for (const char* port : kPortKeys)
        keys.push_back({port, "function",
                        "a function of the port's list, " + std::string(texts.GetText(txt::kOff)) +
                            " (a function sits on one port at most)"});
    keys.push_back({std::string(kIgnitionKey), "box", kBoxRange});
    return keys;
}

} // namespace rpx
