#include "core/radio/safe_file_writer.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace rpx {

namespace {

namespace fs = std::filesystem;

Failure SystemFailure(int error) {
    return Failure{std::generic_category().message(error)};
}

// Temporary files are named ".rpx41c-TTTTTTTT-NNNNNNNN.tmp": T a hash of the target's name, so that
// the leftovers of one target can be found, N random. The name does not grow with the target's
// name, so a target whose name is near the system's limit can still be written.
std::string TemporaryPrefix(const fs::path& target) {
    uint32_t hash = 2166136261u; // FNV-1a: stable from run to run
    for (const char c : target.filename().string())
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, ".rpx41c-%08x-", static_cast<unsigned>(hash));
    return prefix;
}

bool IsTemporaryOf(const fs::path& name, const std::string& prefix) {
    const std::string text = name.filename().string();
    return text.size() == prefix.size() + 12 && text.compare(0, prefix.size(), prefix) == 0 &&
           text.compare(text.size() - 4, 4, ".tmp") == 0;
}

// A save holds a lock on its temporary file while it writes; one that nobody locks was left by a
// save that was killed.
void RemoveStaleTemporaries(const fs::path& folder, const std::string& prefix) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.empty() ? "." : folder, ec)) {
        if (!IsTemporaryOf(entry.path(), prefix) || !entry.is_regular_file(ec))
            continue;
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat held;
        struct stat named;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 &&
            ::lstat(entry.path().c_str(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev)
            ::unlink(entry.path().c_str());
        ::close(fd);
    }
}

// Creates and locks a new file of an unused name in folder (the current folder when empty) and
// returns its descriptor, or -1 with errno set.
int CreateTemporaryFile(const fs::path& folder, const std::string& prefix, fs::path& name) {
    std::random_device seed;
    std::mt19937 random(seed());
    constexpr int kAttempts = 64;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        char number[16];
        std::snprintf(number, sizeof number, "%08u", static_cast<unsigned>(random() % 100000000u));
        name = folder / (prefix + number + ".tmp");
        // Mode 0666 lets the umask decide, as for any file the program creates.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return -1;
        // Another save may take the file for a leftover between its creation and the lock: then
        // it is gone (or another file by now) and a new name is tried.
        struct stat held;
        struct stat named;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 &&
            ::lstat(name.c_str(), &named) == 0 && held.st_ino == named.st_ino && held.st_dev == named.st_dev)
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
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

// Overwriting a file must not change who owns it or who may read it. The owner is set first, as
// a change of owner clears the set-id bits; an owner the process may not give is not an error.
bool KeepOwnerAndPermissions(int fd, const fs::path& target) {
    struct stat existing;
    if (::stat(target.c_str(), &existing) != 0 || !S_ISREG(existing.st_mode))
        return true;
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
    return ::fchmod(fd, existing.st_mode & 07777) == 0;
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

Status WriteFileSafely(const fs::path& path, std::span<const uint8_t> bytes) {
    const fs::path target = ResolveLink(path);
    // A write-protected file stays protected, as it would against writing into it directly.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return SystemFailure(errno);
    const fs::path folder = target.parent_path();
    const std::string prefix = TemporaryPrefix(target);
    RemoveStaleTemporaries(folder, prefix);
    fs::path temporary;
    const int fd = CreateTemporaryFile(folder, prefix, temporary);
    if (fd < 0)
        return SystemFailure(errno);

    int error = 0;
    if (!KeepOwnerAndPermissions(fd, target) || !WriteAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    std::error_code ec;
    if (error == 0) {
        // Renamed while still open and locked, so that no other save takes it for a leftover.
        fs::rename(temporary, target, ec);
        if (ec)
            error = ec.value();
    }
    if (error != 0)
        ::unlink(temporary.c_str());
    // After fsync a failing close cannot lose data any more.
    ::close(fd);
    if (error != 0)
        return SystemFailure(error);
    SyncFolder(folder);
    return {};
}

} // namespace rpx
