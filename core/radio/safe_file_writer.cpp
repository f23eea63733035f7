#include "core/radio/safe_file_writer.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace rpx {

namespace {

namespace fs = std::filesystem;

std::string Reason(int error) {
    return std::generic_category().message(error);
}

// Creates a new file of an unused name in folder (the current folder when empty) and returns its
// descriptor, or -1 with errno set. The name does not grow with the target's name, so a target
// whose name is near the system's limit can still be written.
int CreateTemporaryFile(const fs::path& folder, fs::path& name) {
    std::random_device seed;
    std::mt19937 random(seed());
    constexpr int kAttempts = 64;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = folder / (".rpx41c-" + std::to_string(random() % 100000000u) + ".tmp");
        // Mode 0666 lets the umask decide, as for any file the program creates.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        if (written == 0) {
            errno = EIO;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Overwriting a file must not change who may read it.
bool KeepPermissions(int fd, const fs::path& target) {
    struct stat existing;
    if (::stat(target.c_str(), &existing) != 0 || !S_ISREG(existing.st_mode))
        return true;
    return ::fchmod(fd, existing.st_mode & 0777) == 0;
}

// Makes the rename itself survive a power loss. The new content is complete whether or not this
// succeeds, so a failure here is not reported.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

fs::path ResolveLink(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec))
        return path;
    const fs::path resolved = fs::canonical(path, ec);
    return ec ? path : resolved;
}

} // namespace

std::string WriteFileSafely(const fs::path& path, std::span<const uint8_t> bytes) {
    const fs::path target = ResolveLink(path);
    // A write-protected file stays protected, as it would against writing into it directly.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return Reason(errno);
    const fs::path folder = target.parent_path();
    fs::path temporary;
    const int fd = CreateTemporaryFile(folder, temporary);
    if (fd < 0)
        return Reason(errno);

    int error = 0;
    if (!KeepPermissions(fd, target) || !WriteAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    std::string reason = error != 0 ? Reason(error) : std::string();
    if (reason.empty()) {
        std::error_code ec;
        fs::rename(temporary, target, ec);
        if (ec)
            reason = ec.message();
    }
    if (!reason.empty()) {
        ::unlink(temporary.c_str());
        return reason;
    }
    SyncFolder(folder);
    return {};
}

} // namespace rpx
