#pragma once

#include <unistd.h>

#include <chrono>
#include <string>

#include "sim/radio_records.h"

namespace rpx::sim::test {

// The program's side of a pseudo-terminal: the slave opened and set up the way a serial port is
// (raw, 9600 bit/s, 8 data bits, no parity, 2 stop bits).
class ProgramPort {
public:
    ProgramPort() = default;
    ~ProgramPort() {
        if (m_fd >= 0)
            close(m_fd);
    }
    ProgramPort(const ProgramPort&) = delete;
    ProgramPort& operator=(const ProgramPort&) = delete;

    // False when the path cannot be opened or set up.
    bool Open(const std::string& path);
    bool Write(const Bytes& bytes) {
        return write(m_fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }
    // Up to count bytes, collected until they are all there or timeout has passed.
    Bytes Read(std::size_t count, std::chrono::milliseconds timeout);

private:
    int m_fd = -1;
};

} // namespace rpx::sim::test
