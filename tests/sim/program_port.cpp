#include "tests/sim/program_port.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>

namespace rpx::sim::test {

bool ProgramPort::Open(const std::string& path) {
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

Bytes ProgramPort::Read(std::size_t count, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Bytes bytes(count);
    std::size_t got = 0;
    while (got < count) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd readable{m_fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0)
            break;
        got += static_cast<std::size_t>(std::max<ssize_t>(read(m_fd, bytes.data() + got, count - got), 0));
    }
    bytes.resize(got);
    return bytes;
}

} // namespace rpx::sim::test
