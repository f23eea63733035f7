#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "core/link/serial_device.h"

class QSerialPort;

namespace rpx::transport {

// True when the device at path belongs to the serial-line group (dialout or uucp) and the user of
// this process is not in that group: the one case where joining the group is the cure.
bool NotInSerialGroupOf(const std::string& path);

// A serial device or pseudo-terminal through QSerialPort, driven by its blocking calls only, so it
// needs no running event loop. Open, use and close it on one thread (any thread; the port object
// is made by Open on the calling thread). Create a QCoreApplication first: without one the device
// still works, but Qt warns about socket notifiers on every open.
class QtSerialDevice : public SerialDevice {
public:
    QtSerialDevice();
    ~QtSerialDevice() override;
    QtSerialDevice(const QtSerialDevice&) = delete;
    QtSerialDevice& operator=(const QtSerialDevice&) = delete;

    bool Open(const std::string& path) override;
    void Close() override;
    bool IsOpen() const override;
    bool Configure(const LineSettings& settings) override;
    bool SetDtr(bool high) override;
    bool SetRts(bool high) override;
    bool Write(std::span<const uint8_t> bytes) override;
    int BytesWaiting() override;
    bool WaitForInput(int knownCount, std::chrono::milliseconds timeout) override;
    std::size_t Read(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) override;
    void PurgeInput() override;
    std::string ErrorText() const override { return m_errorText; }
    bool PermissionDenied() const override { return m_permissionDenied; }
    bool LacksSerialGroup() const override { return m_lacksSerialGroup; }

private:
    using Deadline = std::chrono::steady_clock::time_point;

    // Lets the port fetch what the system has received, waiting at most wait for something new;
    // false when the device failed rather than merely had nothing.
    bool Fetch(std::chrono::milliseconds wait);
    // Fetches until done(bytes waiting) holds (true) or the deadline passes or the device fails.
    bool WaitUntil(Deadline deadline, const std::function<bool(int)>& done);
    bool SetModemLine(bool (QSerialPort::*set)(bool), bool high);

    std::unique_ptr<QSerialPort> m_port;
    LineSettings m_settings;
    std::string m_errorText;
    bool m_permissionDenied = false;
    bool m_lacksSerialGroup = false;
};

} // namespace rpx::transport
