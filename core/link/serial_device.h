#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace rpx {

// Line settings of a serial device.
struct LineSettings {
    int baudRate = 9600;
    char parity = 'N'; // 'N', 'E', 'O'
    int dataBits = 8;
    int stopBits = 2;
    bool operator==(const LineSettings&) const = default;
};

// One end of a byte stream to a radio or board: a real serial device, a pseudo-terminal, or an
// in-memory link to a simulator. Reads never block longer than their timeout.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // Opens the device at path (exclusive). False with ErrorText() set when it cannot be opened.
    virtual bool Open(const std::string& path) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual bool Configure(const LineSettings& settings) = 0;
    // Modem lines; a pseudo-terminal refuses them, which callers treat as harmless.
    virtual bool SetDtr(bool high) = 0;
    virtual bool SetRts(bool high) = 0;
    // Writes every byte and returns once they have left the program.
    virtual bool Write(std::span<const uint8_t> bytes) = 0;
    // Bytes received and not yet read; -1 when the device is not open.
    virtual int BytesWaiting() = 0;
    // Returns as soon as the count of bytes waiting differs from knownCount (true), or when timeout
    // has passed (false). Lets a reader wake when bytes arrive instead of sleeping blind.
    virtual bool WaitForInput(int knownCount, std::chrono::milliseconds timeout) = 0;
    // Reads up to buffer.size() bytes, waiting at most timeout for them; returns the count read.
    virtual std::size_t Read(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) = 0;
    // Discards every byte received and not yet read.
    virtual void PurgeInput() = 0;
    // Why the last Open or Configure failed, in the system's words.
    virtual std::string ErrorText() const = 0;
    // True when the last Open failed for lack of permission.
    virtual bool PermissionDenied() const = 0;
    // True when that lack of permission is membership: the device belongs to the serial-line group
    // (dialout or uucp) and the user is not in it.
    virtual bool LacksSerialGroup() const { return false; }
};

} // namespace rpx
