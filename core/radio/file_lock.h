#pragma once

#include <chrono>
#include <filesystem>

#include "core/app/result.h"

namespace rpx {

// An exclusive advisory lock (flock) on a data file, held from before a read-modify-save reads the
// file until after it is saved, so that two programs editing one file cannot lose an edit. Locks
// of one file conflict even within one process. Saves replace the file by a rename, so a lock
// also makes sure that the path still names the file it locked.
class FileLock {
public:
    // How long a second editor waits for the first before it gives up.
    static constexpr std::chrono::milliseconds kWait{1500};

    // The lock of the file at path, waiting up to wait while another holds it; a failure when the
    // wait runs out. A path without a regular file (or one that cannot be opened or locked) has no
    // content to protect and gives a lock that holds nothing.
    static Result<FileLock> Acquire(const std::filesystem::path& path,
                                    std::chrono::milliseconds wait = kWait);

    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // True when this lock holds the file that path names now.
    bool Covers(const std::filesystem::path& path) const;

private:
    explicit FileLock(int fd) : m_fd(fd) {}

    int m_fd = -1;
};

} // namespace rpx
