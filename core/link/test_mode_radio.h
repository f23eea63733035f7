#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "core/link/link_session.h"
#include "core/link/test_mode_state.h"

namespace rpx {

// The radio in test mode as the test and tuning dialogs drive it. Every request waits for the
// radio's reply byte and goes out again while the user answers Retry to the missing-reply box;
// Cancel there sends "E", and the radio has left test mode. A false result means the exchange
// failed: the dialog that asked closes.
class TestModeRadio {
public:
    TestModeRadio(LinkSession& link, TestModeState& state) : m_link(link), m_state(state) {}

    TestModeState& State() { return m_state; }
    const TestModeState& State() const { return m_state; }

    // Sends request and waits for the reply byte.
    bool Request(std::initializer_list<uint8_t> request);
    // Sends request, waits for a record of length bytes (copied into record unless that is empty),
    // acknowledges it and waits for the reply byte.
    bool RequestRecord(std::initializer_list<uint8_t> request, std::size_t length,
                       std::span<uint8_t> record = {});
    // 0x05: the adjustment values again, into both copies.
    bool ReadAdjustments();
    // PTT: the transmitter on when it is off, off when it is on.
    bool TogglePtt();
    // Switches the transmitter off when it is on; true when it is off.
    bool TransmitterOffFirst();
    // One volume step; at 0 or 31 the level stays and nothing is sent.
    bool StepVolume(bool up);
    // "E", unless a Cancel has already sent it.
    void Leave();
    // True once "E" went out: further requests fail without being sent.
    bool Left() const { return m_left; }

private:
    // The reply to a request just sent: the record if any, its acknowledgement, the reply byte.
    StepResult Exchange(std::size_t length, std::span<uint8_t> record);

    LinkSession& m_link;
    TestModeState& m_state;
    bool m_left = false;
};

} // namespace rpx
