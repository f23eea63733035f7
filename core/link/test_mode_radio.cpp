#include "core/link/test_mode_radio.h"

#include <algorithm>
#include <array>

#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kNoReply = 3003005;

constexpr uint8_t kTransmitter = 0x08;
constexpr uint8_t kOn = 0x0D;
constexpr uint8_t kOff = 0x0E;
constexpr uint8_t kVolume = 0x7D;
constexpr uint8_t kVolumeUp = 0x0A;
constexpr uint8_t kVolumeDown = 0x0B;

std::span<const uint8_t> BytesOf(std::initializer_list<uint8_t> request) {
    return {request.begin(), request.size()};
}

} // namespace

bool TestModeRadio::AwaitReply(std::size_t length) {
    m_link.WaitForBytes(static_cast<int>(length));
    if (m_link.ReplyReady())
        return true;
    if (m_notifier.Show(kNoReply, txt::kCaptionError, MessageButtons::RetryCancel, MessageIcon::Stop) ==
        MessageAnswer::Retry) {
        m_link.SetRetryRequested(true);
        return false;
    }
    m_link.SetRetryRequested(false);
    m_link.SendByte(link::kEnd);
    m_left = true;
    return false;
}

bool TestModeRadio::WaitTestReply() {
    return AwaitReply(1);
}

bool TestModeRadio::Request(std::initializer_list<uint8_t> request) {
    return RequestRecord(request, 0);
}

bool TestModeRadio::RequestRecord(std::initializer_list<uint8_t> request, std::size_t length,
                                  std::span<uint8_t> record) {
    do {
        m_link.SetRetryRequested(false);
        if (m_left)
            return false;
        m_link.Port().Write(BytesOf(request));
        if (Exchange(length, record))
            return true;
    } while (m_link.RetryRequested());
    return false;
}

bool TestModeRadio::Exchange(std::size_t length, std::span<uint8_t> record) {
    if (length > 0) {
        if (!AwaitReply(length))
            return false;
        if (!record.empty()) {
            m_link.ReadReply(record.size());
            std::ranges::copy(m_link.Reply(), record.begin());
        }
        m_link.SendByte(link::kAck);
    }
    return WaitTestReply();
}

bool TestModeRadio::ReadAdjustments() {
    std::array<uint8_t, TestModeState::kReportedAdjustments> report{};
    if (!RequestRecord({link::kTestMode}, report.size(), report))
        return false;
    m_state.TakeAdjustments(report);
    return true;
}

bool TestModeRadio::TogglePtt() {
    if (!Request({kTransmitter, m_state.transmitting ? kOff : kOn}))
        return false;
    m_state.transmitting = !m_state.transmitting;
    return true;
}

bool TestModeRadio::TransmitterOffFirst() {
    return !m_state.transmitting || TogglePtt();
}

bool TestModeRadio::StepVolume(bool up) {
    if (!TransmitterOffFirst())
        return false;
    const int level = std::clamp(m_state.volume + (up ? 1 : -1), 0, TestModeState::kMaxVolume);
    if (level == m_state.volume)
        return true;
    if (!Request({kVolume, up ? kVolumeUp : kVolumeDown}))
        return false;
    m_state.volume = level;
    return true;
}

void TestModeRadio::Leave() {
    if (m_left)
        return;
    m_link.SendByte(link::kEnd);
    m_left = true;
}

} // namespace rpx
