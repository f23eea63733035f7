#pragma once

#include <chrono>
#include <cstdint>
#include <ratio>

namespace rpx::sim {

using Clock = std::chrono::steady_clock;

// One byte on a 9600 bit/s 8N2 line: start bit, 8 data bits, 2 stop bits.
inline constexpr std::chrono::duration<int64_t, std::ratio<11, 9600>> kByteTime{1};

// The moments at which back-to-back bytes have fully crossed the line. Each deadline is counted
// from the start of the run of bytes, so late wake-ups never add up to drift.
class WireClock {
public:
    // When the next byte, which cannot start before earliest, has crossed. A byte that cannot
    // start before the previous one has crossed follows it directly.
    Clock::time_point Next(Clock::time_point earliest) {
        if (m_count == 0 || earliest > End()) {
            m_start = earliest;
            m_count = 0;
        }
        ++m_count;
        return End();
    }

private:
    Clock::time_point End() const {
        return m_start + std::chrono::duration_cast<Clock::duration>(kByteTime * m_count);
    }

    Clock::time_point m_start{};
    int64_t m_count = 0;
};

} // namespace rpx::sim
