#include "tests/sim/program_port.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace rpx::sim::test {

bool ProgramPort::Open(const std::string& path) {
    Close();
    m_fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios attributes{};
    if (m_fd < 0 || tcgetattr(m_fd, &attributes) != 0)
        return false;
    cfmakeraw(&attributes);
    cfsetspeed(&attributes, B9600);
    attributes.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
    attributes.c_cflag |= CS8 | CSTOPB | CLOCAL | CREAD;
    return tcsetattr(m_fd, TCSANOW, &attributes) == 0 && tcflush(m_fd, TCIFLUSH) == 0;
}

void ProgramPort::Close() {
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

bool ProgramPort::Write(const Bytes& bytes) {
    return write(m_fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

Bytes ProgramPort::Read(std::size_t count, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Bytes bytes;
    while (bytes.size() < count) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd readable{m_fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0)
            break;
        uint8_t buffer[256];
        const ssize_t got = read(m_fd, buffer, std::min(sizeof buffer, count - bytes.size()));
        if (got > 0)
            bytes.insert(bytes.end(), buffer, buffer + got);
    }
    return bytes;
}

} // namespace rpx::sim::test
