#include "core/radio/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace rpx {

namespace {

constexpr std::chrono::milliseconds kPoll{20};

bool SameFile(int fd, const std::filesystem::path& path) {
    struct stat held;
    struct stat named;
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

} // namespace

Result<FileLock> FileLock::Acquire(const std::filesystem::path& path, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // Non-blocking, so that a FIFO named by mistake cannot hang here.
        FileLock lock(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat status;
        if (lock.m_fd < 0 || ::fstat(lock.m_fd, &status) != 0 || !S_ISREG(status.st_mode))
            return FileLock();
        while (::flock(lock.m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR)
                continue;
            if (errno != EWOULDBLOCK)
                return FileLock();
            if (std::chrono::steady_clock::now() >= deadline)
                return Failure{std::generic_category().message(EWOULDBLOCK)};
            std::this_thread::sleep_for(kPoll);
        }
        // The holder may have saved while we waited: its rename left us the lock of a file that
        // no longer has this name, so take the lock of the file that has it now.
        if (SameFile(lock.m_fd, path))
            return lock;
        if (std::chrono::steady_clock::now() >= deadline)
            return Failure{std::generic_category().message(EWOULDBLOCK)};
    }
}

FileLock::~FileLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

FileLock::FileLock(FileLock&& other) noexcept : m_fd(other.m_fd) {
    other.m_fd = -1;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

bool FileLock::Covers(const std::filesystem::path& path) const {
    return m_fd >= 0 && SameFile(m_fd, path);
}

} // namespace rpx
