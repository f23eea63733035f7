#pragma once

#include <chrono>
#include <ostream>

#include "core/link/serial_device.h"

namespace rpx {

// Passes everything to another device and logs each byte sent and received, with the time since
// the log began: "   0.203 > 50 52 4F 47 52 41 4D" for sent bytes, "< 06" for received ones,
// "x" for received bytes that were discarded unread. A diagnosis aid for a radio that misbehaves.
class TracingDevice : public SerialDevice {
public:
    TracingDevice(SerialDevice& inner, std::ostream& log);

    bool Open(const std::string& path) override;
    void Close() override;
    bool IsOpen() const override { return m_inner.IsOpen(); }
    bool Configure(const LineSettings& settings) override { return m_inner.Configure(settings); }
    bool SetDtr(bool high) override { return m_inner.SetDtr(high); }
    bool SetRts(bool high) override { return m_inner.SetRts(high); }
    bool Write(std::span<const uint8_t> bytes) override;
    int BytesWaiting() override { return m_inner.BytesWaiting(); }
    bool WaitForInput(int knownCount, std::chrono::milliseconds timeout) override {
        return m_inner.WaitForInput(knownCount, timeout);
    }
    std::size_t Read(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) override;
    void PurgeInput() override;
    std::string ErrorText() const override { return m_inner.ErrorText(); }
    bool PermissionDenied() const override { return m_inner.PermissionDenied(); }
    bool LacksSerialGroup() const override { return m_inner.LacksSerialGroup(); }

private:
    void Log(char direction, std::span<const uint8_t> bytes);
    void LogLine(const std::string& text);

    SerialDevice& m_inner;
    std::ostream& m_log;
    std::chrono::steady_clock::time_point m_start;
};

} // namespace rpx
