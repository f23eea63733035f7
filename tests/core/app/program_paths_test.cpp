#include <gtest/gtest.h>
#include <unistd.h>

#include "core/app/program_paths.h"
#include "tests/support/temp_dir.h"

namespace rpx {
namespace {

namespace fs = std::filesystem;

TEST(ProgramPaths, DefaultDataFolderStaysBesideAWritableProgramElseGoesToTheDocuments) {
    const struct {
        const char* name;
        bool programExists;
        bool dataExists;
        fs::perms readOnly; // taken from the program folder ("bin") and its Data folder
        bool beside;
    } cases[] = {
        {"build folder without Data", true, false, fs::perms::none, true},
        {"build folder with Data", true, true, fs::perms::none, true},
        {"program folder gone", false, false, fs::perms::none, false},
        {"installed, read-only program folder", true, false, fs::perms::all, false},
        {"read-only Data folder", true, true, fs::perms::all, false},
    };
    for (const auto& c : cases) {
        // Permissions do not stop root.
        if (c.readOnly != fs::perms::none && ::geteuid() == 0)
            continue;
        test::TempDir dir;
        const fs::path program = dir / "bin";
        const fs::path documents = dir / "home" / "Documents";
        if (c.programExists)
            fs::create_directory(program);
        if (c.dataExists)
            fs::create_directory(program / "Data");
        const fs::path readOnly = c.dataExists ? program / "Data" : program;
        if (c.readOnly != fs::perms::none)
            fs::permissions(readOnly,
                            fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);

        const std::string chosen = DefaultDataDirectory(program.string(), documents.string());

        EXPECT_EQ(chosen, ((c.beside ? program / "Data" : documents / "RPX41C")).string()) << c.name;
        EXPECT_EQ(fs::is_directory(chosen), c.dataExists || !c.beside) << c.name;
    }
}

} // namespace
} // namespace rpx
