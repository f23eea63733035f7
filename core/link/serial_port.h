#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/link/serial_device.h"

namespace rpx {

// The serial port of the radio (or of the trunking board): a port number, the line settings and
// the read timeout, over a SerialDevice. No framing, no retries: every protocol rule lives in the
// link that uses it. Results are 1 for success and 0 for failure.
class SerialPort {
public:
    // Maps a port number n ("COM"n) to the path of the device to open.
    using PathOfPort = std::function<std::string(uint8_t portNumber)>;

    SerialPort(SerialDevice& device, PathOfPort pathOfPort);

    uint8_t PortNumber() const { return m_portNumber; }
    // 0 keeps the current number; an open port is closed and opened again on the new number.
    int SetPortNumber(uint8_t number);
    // Uses this device instead of the one the port number maps to (empty: back to the number).
    void SetDevicePath(std::string path) { m_devicePath = std::move(path); }
    // The device chosen by path, or empty when the port number decides.
    const std::string& ChosenDevicePath() const { return m_devicePath; }
    std::string DevicePath() const;

    bool IsOpen() const { return m_isOpen; }
    int SetOpen(bool open);

    uint16_t InputQueueSize() const { return m_inputQueueSize; }
    uint16_t OutputQueueSize() const { return m_outputQueueSize; }
    int SetInputQueueSize(uint16_t size);
    int SetOutputQueueSize(uint16_t size);
    // A device-control string such as "9600,N,8,2"; blanks are removed before it is kept.
    int SetLineSettings(std::string_view settings);
    uint32_t ReadTimeout() const { return m_readTimeoutMs; } // milliseconds a read may take at most
    int SetReadTimeout(uint32_t milliseconds);

    // Every write discards pending input first, so a reply is only looked for after its request.
    int Write(std::span<const uint8_t> bytes);
    int WriteString(std::string_view text);
    int WriteByte(uint8_t value);
    // 1 only when at least length bytes arrived within the read timeout.
    int Read(std::span<uint8_t> buffer);
    int PurgeInput();
    // -1 when the port is not open.
    int BytesWaiting();
    // Wakes as soon as the count of waiting bytes differs from knownCount, or after timeout.
    bool WaitForInput(int knownCount, std::chrono::milliseconds timeout);

    // Why the last open failed, and whether for lack of permission.
    std::string ErrorText() const { return m_device.ErrorText(); }
    bool PermissionDenied() const { return m_device.PermissionDenied(); }
    bool LacksSerialGroup() const { return m_device.LacksSerialGroup(); }

private:
    int ApplyLineSettings();

    SerialDevice& m_device;
    PathOfPort m_pathOfPort;
    std::string m_devicePath;
    bool m_isOpen = false;
    uint8_t m_portNumber = 1;
    uint16_t m_inputQueueSize = 256;
    uint16_t m_outputQueueSize = 256;
    std::string m_lineSettings = "9600,N,8,2";
    uint32_t m_readTimeoutMs = 1000;
};

// Reads a device-control string "baud,parity,data bits,stop bits" (blanks already removed).
bool ParseLineSettings(std::string_view text, LineSettings& settings);

} // namespace rpx
