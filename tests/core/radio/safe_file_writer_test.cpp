#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "core/radio/safe_file_writer.h"
#include "tests/support/temp_dir.h"

namespace rpx {
namespace {

namespace fs = std::filesystem;

const std::vector<uint8_t> kContent(2064, 0x5A);

// A save killed half-way, as by a full disk quota: the child dies of SIGXFSZ inside the write.
void KilledSave(const fs::path& target) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &small);
        (void)WriteFileSafely(target, kContent);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(SafeFileWriter, ASaveRemovesTheLeftoversOfKilledSavesOfItsTargetThatNobodyHolds) {
    test::TempDir dir;
    KilledSave(dir / "a.dat");
    const std::set<std::string> held = Names(dir.Path());
    ASSERT_EQ(held.size(), 1u);
    // A leftover somebody locks is a save still running.
    const int fd = ::open((dir / *held.begin()).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    KilledSave(dir / "a.dat");
    const std::set<std::string> ofA = Names(dir.Path());
    KilledSave(dir / "b.dat");
    std::set<std::string> ofB = Names(dir.Path());
    for (const std::string& name : ofA)
        ofB.erase(name);
    ASSERT_EQ(std::tuple(ofA.size(), ofB.size()), std::tuple(2u, 1u));

    ASSERT_TRUE(WriteFileSafely(dir / "a.dat", kContent));
    ::close(fd);
    EXPECT_EQ(Names(dir.Path()), (std::set<std::string>{"a.dat", *held.begin(), *ofB.begin()}));
    EXPECT_EQ(test::ReadFileBytes(dir / "a.dat"), kContent);
}

TEST(SafeFileWriter, AnOverwrittenFileKeepsItsOwnerGroupAndMode) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another owner";
    test::TempDir dir;
    const fs::path target = dir / "a.dat";
    dir.Write("a.dat", std::string("old"));
    ASSERT_EQ(::chown(target.c_str(), 4242, 4343), 0);
    ASSERT_EQ(::chmod(target.c_str(), 02640), 0);
    ASSERT_TRUE(WriteFileSafely(target, kContent));
    struct stat after;
    ASSERT_EQ(::stat(target.c_str(), &after), 0);
    EXPECT_EQ(std::tuple(after.st_uid, after.st_gid, after.st_mode & 07777),
              std::tuple(4242u, 4343u, 02640u));
}

} // namespace
} // namespace rpx
