#pragma once

#include <string>

#include "core/link/serial_device.h"

namespace rpx::sim {

// The master end of a new POSIX pseudo-terminal, for a simulated radio that the program reaches
// through the terminal's slave path as if it were a serial port. The device keeps a slave
// descriptor of its own open, so the line stays up (the master can be read) before the program
// opens the slave and between the program's openings; that descriptor is never read.
class PtyDevice : public SerialDevice {
public:
    static constexpr const char* kMultiplexer = "/dev/ptmx";

    PtyDevice() = default;
    ~PtyDevice() override { Close(); }
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    // Creates the pseudo-terminal; path must be kMultiplexer (or empty). The terminal starts raw.
    bool Open(const std::string& path) override;
    void Close() override;
    bool IsOpen() const override { return m_master >= 0; }
    // The path the program opens, such as /dev/pts/3; empty while closed.
    const std::string& SlavePath() const { return m_slavePath; }

    // Sets the terminal raw with the given speed and character format, as a serial port would be.
    bool Configure(const LineSettings& settings) override;
    // A pseudo-terminal has no modem lines.
    bool SetDtr(bool) override { return false; }
    bool SetRts(bool) override { return false; }
    bool Write(std::span<const uint8_t> bytes) override;
    int BytesWaiting() override;
    bool WaitForInput(int knownCount, std::chrono::milliseconds timeout) override;
    std::size_t Read(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) override;
    void PurgeInput() override;
    std::string ErrorText() const override { return m_error; }
    bool PermissionDenied() const override { return m_permissionDenied; }

private:
    bool Fail(const std::string& what);

    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
    std::string m_error;
    bool m_permissionDenied = false;
};

} // namespace rpx::sim
