#include "core/app/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace rpx {

namespace {

Failure SystemFailure(int error) {
    return Failure{std::generic_category().message(error)};
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

Result<std::vector<uint8_t>> ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                                             const std::string& notRegular) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0)
        return SystemFailure(errno);
    struct stat status;
    if (::fstat(file.Get(), &status) != 0)
        return SystemFailure(errno);
    if (!S_ISREG(status.st_mode))
        return Failure{notRegular};
    std::vector<uint8_t> bytes;
    constexpr std::size_t kChunk = 64 * 1024;
    while (bytes.size() < maxBytes) {
        const std::size_t used = bytes.size();
        bytes.resize(used + std::min(kChunk, maxBytes - used));
        const ssize_t got = ::read(file.Get(), bytes.data() + used, bytes.size() - used);
        const int error = errno;
        bytes.resize(used + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got < 0 && error == EINTR)
            continue;
        if (got < 0)
            return SystemFailure(error);
        if (got == 0)
            break;
    }
    return bytes;
}

} // namespace rpx
