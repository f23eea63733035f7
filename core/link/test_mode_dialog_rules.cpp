#include "core/link/test_mode_dialog_rules.h"

#include <algorithm>

#include "core/link/check_test_channels.h"
#include "core/radio/bcd_frequency.h"
#include "core/radio/image_layout.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kFirstSignallingText = 3004001;
constexpr TextId kSignallingTextStep = 4;
constexpr TextId kTransmitTextOffset = 2;
constexpr const char* kMegahertz = " MHz";

constexpr uint8_t kSignallingRequest = 0x11;
constexpr uint8_t kWideRequest = 0x46;   // "F"
constexpr uint8_t kNarrowRequest = 0x47; // "G"
constexpr uint8_t kTuningStart = 0x0D;

constexpr std::size_t kTransmitOffset = 4;

std::size_t RecordOffset(int channel) {
    return layout::kTestFrequencies + static_cast<std::size_t>(channel - 1) * link::kTestChannelRecord;
}

} // namespace

TestDialogRules::TestDialogRules(TestModeRadio& radio, const RadioImage& image, const LanguageTable& texts)
    : m_radio(radio), m_image(image), m_texts(texts) {
    TestModeState& state = m_radio.State();
    state.wide = true;
    state.signalling = 1;
    state.transmitting = false;
    state.volume =
        std::min<int>(state.readAdjustments[TestModeState::kVolumeEntry], TestModeState::kMaxVolume);
}

std::vector<int> TestDialogRules::ChannelNumbers() const {
    std::vector<int> numbers;
    for (int channel = 1; channel <= TestModeState::kChannelCount; ++channel)
        if (m_image.Byte(RecordOffset(channel)) != 0xFF)
            numbers.push_back(channel);
    return numbers;
}

std::string TestDialogRules::FrequencyText(std::size_t offset) const {
    const std::string text = bcd::FrequencyText(m_image, offset);
    return text.empty() ? text : text + kMegahertz;
}

bool TestDialogRules::SelectedRecordEmpty() const {
    const int channel = State().channel;
    return channel < 1 || channel > TestModeState::kChannelCount ||
           m_image.Byte(RecordOffset(channel)) == 0xFF;
}

std::string TestDialogRules::ReceiveText() const {
    return SelectedRecordEmpty() ? std::string() : FrequencyText(RecordOffset(State().channel));
}

std::string TestDialogRules::TransmitText() const {
    if (SelectedRecordEmpty())
        return {};
    const std::size_t offset = RecordOffset(State().channel) + kTransmitOffset;
    return m_image.Byte(offset) == 0xFF ? std::string(m_texts.GetText(txt::kOff)) : FrequencyText(offset);
}

SignallingTexts TestDialogRules::SignallingDescriptions(int signalling) {
    const TextId receive = kFirstSignallingText + kSignallingTextStep * (signalling - 1);
    return {receive, receive + kTransmitTextOffset};
}

bool TestDialogRules::ChooseChannel(int channel) {
    if (!m_radio.TransmitterOffFirst() ||
        !m_radio.RequestRecord({link::kTestChannel, static_cast<uint8_t>(channel)}, link::kTestChannelRecord))
        return false;
    m_radio.State().channel = channel;
    return true;
}

bool TestDialogRules::ChooseSignalling(int listPosition) {
    const int signalling = listPosition + 1;
    if (!m_radio.TransmitterOffFirst() ||
        !m_radio.Request({kSignallingRequest, static_cast<uint8_t>(signalling)}))
        return false;
    m_radio.State().signalling = signalling;
    return true;
}

bool TestDialogRules::SetWide(bool wide) {
    if (!m_radio.TransmitterOffFirst() || !m_radio.Request({wide ? kWideRequest : kNarrowRequest}))
        return false;
    m_radio.State().wide = wide;
    return true;
}

std::optional<TuningDialogRules> TestDialogRules::StartTuning(const TuningItem& item) {
    if (!m_radio.TransmitterOffFirst() || !m_radio.ReadAdjustments() ||
        !m_radio.Request({item.code, kTuningStart}))
        return std::nullopt;
    m_radio.State().tuningCode = item.code;
    return TuningDialogRules(m_radio, m_image, m_texts, item);
}

bool TestDialogRules::TuningClosed() {
    TestModeState& state = m_radio.State();
    state.volume = std::clamp(state.volume, 0, TestModeState::kMaxVolume);
    return !m_radio.Left();
}

} // namespace rpx
