#include "sim/pty_device.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

namespace rpx::sim {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A reader that stops reading must not hang the radio for ever.
constexpr auto kWriteTimeout = 1000ms;
// poll() only tells that input exists; a change in an already waiting count is looked for this often.
constexpr auto kCountPoll = 1ms;

std::optional<speed_t> SpeedOf(int baudRate) {
    constexpr std::array<std::pair<int, speed_t>, 8> kSpeeds = {{{1200, B1200},
                                                                 {2400, B2400},
                                                                 {4800, B4800},
                                                                 {9600, B9600},
                                                                 {19200, B19200},
                                                                 {38400, B38400},
                                                                 {57600, B57600},
                                                                 {115200, B115200}}};
    const auto found =
        std::find_if(kSpeeds.begin(), kSpeeds.end(), [&](const auto& s) { return s.first == baudRate; });
    return found == kSpeeds.end() ? std::nullopt : std::optional(found->second);
}

tcflag_t CharacterSize(int dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<decltype(left)>(left, 0));
}

bool SetNonBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0 && fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

} // namespace

bool PtyDevice::Open(const std::string& path) {
    Close();
    m_error.clear();
    m_permissionDenied = false;
    if (!path.empty() && path != kMultiplexer) {
        m_error = path + " is not the pseudo-terminal multiplexer " + kMultiplexer;
        return false;
    }
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return Fail(kMultiplexer);
    std::array<char, 128> name{};
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0 ||
        ptsname_r(m_master, name.data(), name.size()) != 0 || !SetNonBlocking(m_master))
        return Fail(kMultiplexer);
    m_slave = open(name.data(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0)
        return Fail(name.data());
    m_slavePath = name.data();
    // Until the program sets its own line, the terminal must neither echo nor translate bytes.
    if (!Configure(LineSettings{})) {
        Close();
        return false;
    }
    return true;
}

void PtyDevice::Close() {
    for (int* fd : {&m_slave, &m_master}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
    m_slavePath.clear();
}

bool PtyDevice::Fail(const std::string& what) {
    const int error = errno;
    m_error = what + ": " + std::strerror(error);
    m_permissionDenied = error == EACCES || error == EPERM;
    Close();
    return false;
}

bool PtyDevice::Configure(const LineSettings& settings) {
    const std::optional<speed_t> speed = SpeedOf(settings.baudRate);
    termios attributes{};
    if (m_slave < 0 || !speed || tcgetattr(m_slave, &attributes) != 0) {
        m_error = "cannot set the line of the pseudo-terminal";
        return false;
    }
    cfmakeraw(&attributes);
    cfsetispeed(&attributes, *speed);
    cfsetospeed(&attributes, *speed);
    attributes.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    attributes.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | PARENB | PARODD | CRTSCTS);
    attributes.c_cflag |= CLOCAL | CREAD | CharacterSize(settings.dataBits);
    if (settings.stopBits == 2)
        attributes.c_cflag |= CSTOPB;
    if (settings.parity != 'N')
        attributes.c_cflag |= settings.parity == 'O' ? PARENB | PARODD : PARENB;
    attributes.c_cc[VMIN] = 1;
    attributes.c_cc[VTIME] = 0;
    if (tcsetattr(m_slave, TCSANOW, &attributes) != 0) {
        m_error = std::string("cannot set the line of the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    return true;
}

bool PtyDevice::Write(std::span<const uint8_t> bytes) {
    const Clock::time_point deadline = Clock::now() + kWriteTimeout;
    std::size_t done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t written = write(m_master, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd writable{m_master, POLLOUT, 0};
        if (poll(&writable, 1, MillisecondsUntil(deadline)) == 0)
            return false;
    }
    return done == bytes.size();
}

int PtyDevice::BytesWaiting() {
    int count = 0;
    if (m_master < 0 || ioctl(m_master, FIONREAD, &count) != 0)
        return -1;
    return count;
}

bool PtyDevice::WaitForInput(int knownCount, std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        const int count = BytesWaiting();
        if (count < 0)
            return false;
        if (count != knownCount)
            return true;
        const int left = MillisecondsUntil(deadline);
        if (left == 0)
            return false;
        if (count == 0) {
            pollfd readable{m_master, POLLIN, 0};
            if (poll(&readable, 1, left) > 0 && (readable.revents & POLLIN) != 0)
                continue;
        }
        std::this_thread::sleep_for(kCountPoll);
    }
}

std::size_t PtyDevice::Read(std::span<uint8_t> buffer, std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    int count = BytesWaiting();
    while (count >= 0 && static_cast<std::size_t>(count) < buffer.size() && Clock::now() < deadline) {
        WaitForInput(count, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()));
        count = BytesWaiting();
    }
    if (count <= 0 || buffer.empty())
        return 0;
    const ssize_t got =
        read(m_master, buffer.data(), std::min(buffer.size(), static_cast<std::size_t>(count)));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

void PtyDevice::PurgeInput() {
    if (m_master >= 0)
        tcflush(m_master, TCIFLUSH);
}

} // namespace rpx::sim
