#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <ostream>
#include <span>

#include "core/link/serial_device.h"
#include "sim/wire_clock.h"

namespace rpx::sim {

// The radio's end of the cable: bytes in and out of a serial device, optionally at the pace of the
// real line, with an optional hex log of both directions.
class RadioLine {
public:
    RadioLine(SerialDevice& device, bool pace, std::ostream* trace);

    // The next received byte once it has fully arrived; nothing when none has by deadline.
    std::optional<uint8_t> Receive(Clock::time_point deadline);
    // Sends bytes; paced, each leaves when its 11 bit times after the one before have passed.
    void Send(std::span<const uint8_t> bytes);
    // Logs bytes with the milliseconds since the line was set up: '>' a request taken in, 'x' bytes
    // dropped, '<' bytes sent (Send logs those itself).
    void Trace(char mark, std::span<const uint8_t> bytes);

private:
    struct Arrival {
        uint8_t byte;
        Clock::time_point time;
    };

    void Collect(Clock::time_point deadline);

    SerialDevice& m_device;
    bool m_pace;
    std::ostream* m_trace;
    Clock::time_point m_start;
    WireClock m_inbound;
    WireClock m_outbound;
    std::deque<Arrival> m_arrivals;
};

} // namespace rpx::sim
