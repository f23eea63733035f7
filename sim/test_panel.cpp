#include "sim/test_panel.h"

#include "sim/tuning_codes.h"

namespace rpx::sim {

namespace {

constexpr uint8_t kLoudest = 31;

} // namespace

void TestPanel::Reset() {
    m_state.transmitting = false;
    m_state.wide = true;
    m_state.tuningPoint = 0;
}

void TestPanel::Apply(RequestKind kind, std::span<const uint8_t> request) {
    uint8_t& volume = m_state.adjustments[kVolumeEntry];
    switch (kind) {
    case RequestKind::Signalling:
        m_state.signalling = request[1];
        break;
    case RequestKind::TransmitOn:
    case RequestKind::TransmitOff:
        m_state.transmitting = kind == RequestKind::TransmitOn;
        break;
    case RequestKind::Wide:
    case RequestKind::Narrow:
        m_state.wide = kind == RequestKind::Wide;
        break;
    case RequestKind::VolumeUp:
        volume = volume < kLoudest ? static_cast<uint8_t>(volume + 1) : kLoudest;
        break;
    case RequestKind::VolumeDown:
        volume = volume > 0 ? static_cast<uint8_t>(volume - 1) : uint8_t{0};
        break;
    case RequestKind::TuningStart:
        m_state.tuningPoint = request[0];
        break;
    case RequestKind::TuningValue:
        if (const auto entry = AdjustmentEntry(request[0], m_state.wide))
            m_state.adjustments[*entry] = request[2];
        break;
    case RequestKind::TuningStop:
        m_state.tuningPoint = 0;
        break;
    default:
        break;
    }
}

} // namespace rpx::sim
