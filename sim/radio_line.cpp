#include "sim/radio_line.h"

#include <iomanip>
#include <sstream>
#include <thread>
#include <vector>

namespace rpx::sim {

RadioLine::RadioLine(SerialDevice& device, bool pace, std::ostream* trace)
    : m_device(device), m_pace(pace), m_trace(trace), m_start(Clock::now()) {}

std::optional<uint8_t> RadioLine::Receive(Clock::time_point deadline) {
    if (m_arrivals.empty())
        Collect(deadline);
    if (m_arrivals.empty())
        return std::nullopt;
    const Arrival next = m_arrivals.front();
    if (next.time > deadline) {
        std::this_thread::sleep_until(deadline);
        return std::nullopt;
    }
    std::this_thread::sleep_until(next.time);
    m_arrivals.pop_front();
    return next.byte;
}

void RadioLine::Collect(Clock::time_point deadline) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    m_device.WaitForInput(0, std::max(wait, std::chrono::milliseconds(0)));
    const int waiting = m_device.BytesWaiting();
    if (waiting < 0) {
        // A device that has gone away must not turn the radio's loop into a busy one.
        std::this_thread::sleep_until(deadline);
        return;
    }
    std::vector<uint8_t> bytes(static_cast<std::size_t>(waiting));
    bytes.resize(m_device.Read(bytes, std::chrono::milliseconds(0)));
    // The program hands over a whole request at once; on the wire its bytes follow each other.
    const Clock::time_point now = Clock::now();
    for (uint8_t byte : bytes)
        m_arrivals.push_back({byte, m_pace ? m_inbound.Next(now) : now});
}

void RadioLine::Send(std::span<const uint8_t> bytes) {
    Trace('<', bytes);
    if (!m_pace) {
        m_device.Write(bytes);
        return;
    }
    const Clock::time_point earliest = Clock::now();
    for (const uint8_t& byte : bytes) {
        std::this_thread::sleep_until(m_outbound.Next(earliest));
        m_device.Write({&byte, 1});
    }
}

void RadioLine::Trace(char mark, std::span<const uint8_t> bytes) {
    if (m_trace == nullptr)
        return;
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - m_start;
    std::ostringstream line;
    line << std::fixed << std::setprecision(1) << std::setw(9) << elapsed.count() << ' ' << mark;
    line << std::hex << std::uppercase << std::setfill('0');
    for (uint8_t byte : bytes)
        line << ' ' << std::setw(2) << static_cast<int>(byte);
    line << '\n';
    *m_trace << line.str() << std::flush;
}

} // namespace rpx::sim
