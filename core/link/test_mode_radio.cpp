#include "core/link/test_mode_radio.h"

#include <algorithm>
#include <array>

namespace rpx {

namespace {

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

bool TestModeRadio::Request(std::initializer_list<uint8_t> request) {
    return RequestRecord(request, 0);
}

bool TestModeRadio::RequestRecord(std::initializer_list<uint8_t> request, std::size_t length,
                                  std::span<uint8_t> record) {
    if (m_left)
        return false;
    // Cancel in the no-reply box sends "E" alone: the radio leaves test mode.
    static constexpr uint8_t kCancel[] = {link::kEnd};
    const LinkOutcome outcome = m_link.WithRetry(
        [&] {
            if (!m_link.Send(BytesOf(request)))
                return StepResult::NoReply;
            return Exchange(length, record);
        },
        kCancel);
    if (outcome == LinkOutcome::Cancelled)
        m_left = true;
    return outcome == LinkOutcome::Done;
}

StepResult TestModeRadio::Exchange(std::size_t length, std::span<uint8_t> record) {
    if (length > 0) {
        if (!m_link.WaitForBytes(length))
            return StepResult::NoReply;
        // The reply byte that follows is neither read nor checked: the next request discards it.
        if (!record.empty() && !m_link.Port().Read(record))
            return StepResult::NoReply;
        if (!m_link.SendByte(link::kAck))
            return StepResult::NoReply;
    }
    return m_link.WaitForBytes(1) ? StepResult::Done : StepResult::NoReply;
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
