#include "core/link/tracing_device.h"

#include <cstdio>
#include <vector>

namespace rpx {

TracingDevice::TracingDevice(SerialDevice& inner, std::ostream& log)
    : m_inner(inner), m_log(log), m_start(std::chrono::steady_clock::now()) {}

void TracingDevice::LogLine(const std::string& text) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    char stamp[24];
    std::snprintf(stamp, sizeof stamp, "%8.3f ", seconds);
    m_log << stamp << text << '\n';
    m_log.flush();
}

void TracingDevice::Log(char direction, std::span<const uint8_t> bytes) {
    if (bytes.empty())
        return;
    std::string text(1, direction);
    char hex[4];
    for (uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, " %02X", b);
        text += hex;
    }
    LogLine(text);
}

bool TracingDevice::Open(const std::string& path) {
    const bool opened = m_inner.Open(path);
    LogLine(opened ? "open " + path : "open " + path + " failed: " + m_inner.ErrorText());
    return opened;
}

void TracingDevice::Close() {
    m_inner.Close();
    LogLine("close");
}

bool TracingDevice::Write(std::span<const uint8_t> bytes) {
    Log('>', bytes);
    return m_inner.Write(bytes);
}

std::size_t TracingDevice::Read(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) {
    const std::size_t count = m_inner.Read(buffer, timeout);
    Log('<', buffer.first(count));
    return count;
}

void TracingDevice::PurgeInput() {
    // Read what is about to be discarded so the log shows it; the line sees nothing different.
    const int waiting = m_inner.BytesWaiting();
    if (waiting > 0) {
        std::vector<uint8_t> stale(static_cast<std::size_t>(waiting));
        Log('x', std::span<const uint8_t>(stale.data(), m_inner.Read(stale, std::chrono::milliseconds(0))));
    }
    m_inner.PurgeInput();
}

} // namespace rpx
