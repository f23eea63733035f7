#pragma once

#include <cstdint>
#include <span>

#include "sim/radio_setup.h"
#include "sim/request_assembler.h"

namespace rpx::sim {

// What the radio's test mode is set to.
struct TestPanelState {
    AdjustmentTable adjustments{};
    bool transmitting = false;
    bool wide = true;
    int signalling = 1;      // 1..9 as the program numbers them
    uint8_t tuningPoint = 0; // the point started last, 0 when none is running
    bool operator==(const TestPanelState&) const = default;
};

// The radio's test mode: the remote-controlled switches and the adjustment values tuning changes.
class TestPanel {
public:
    explicit TestPanel(const AdjustmentTable& adjustments) { m_state.adjustments = adjustments; }

    const TestPanelState& State() const { return m_state; }
    // Entering or leaving test mode: receiver on, wide spacing, nothing being tuned.
    void Reset();
    // Carries out one test-mode request (not the ones that read data back).
    void Apply(RequestKind kind, std::span<const uint8_t> request);

private:
    TestPanelState m_state;
};

} // namespace rpx::sim
