#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <sys/stat.h>
#include <thread>

#include "core/radio/file_lock.h"
#include "core/radio/safe_file_writer.h"
#include "tests/support/temp_dir.h"

namespace rpx {
namespace {

using namespace std::chrono_literals;

// Contention and the held lock are the document's tests; here what has nothing to protect.
TEST(FileLock, HoldsNothingWithoutARegularFile) {
    test::TempDir dir;
    ASSERT_EQ(mkfifo((dir / "pipe.dat").c_str(), 0600), 0);
    for (const char* name : {"missing.dat", "pipe.dat"}) {
        const Result<FileLock> none = FileLock::Acquire(dir / name, 0ms);
        ASSERT_TRUE(none) << name;
        EXPECT_FALSE(none->Covers(dir / name)) << name;
    }
}

// A waiting editor whose holder saved (renamed a new file over the old) must lock the new file,
// which a third editor may hold by then.
TEST(FileLock, AWaiterFollowsTheFileThatTheHolderSaved) {
    test::TempDir dir;
    const auto path = dir / "a.dat";
    dir.Write("a.dat", std::string("old"));
    std::optional<Result<FileLock>> holder(FileLock::Acquire(path));
    ASSERT_TRUE(*holder);
    auto waiter = std::async(std::launch::async, [&] { return FileLock::Acquire(path, 1s).Ok(); });
    std::this_thread::sleep_for(100ms);
    const uint8_t saved[] = {'n', 'e', 'w'};
    ASSERT_TRUE(WriteFileSafely(path, saved));
    const Result<FileLock> third = FileLock::Acquire(path, 0ms);
    ASSERT_TRUE(third);
    holder.reset();
    EXPECT_FALSE(waiter.get()) << "two editors hold the file at once";
}

} // namespace
} // namespace rpx
