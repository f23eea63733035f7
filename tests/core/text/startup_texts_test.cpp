#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sys/stat.h>

#include "core/text/startup_texts.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

namespace fs = std::filesystem;

TEST(StartupTexts, OriginalSetHas471DistinctIdsOfGroupsOneAndThree) {
    std::vector<TextId> ids = OriginalTextIds();
    EXPECT_EQ(ids.size(), 471u);
    EXPECT_EQ(std::count_if(ids.begin(), ids.end(), [](TextId id) { return id / 1000000 == 1; }), 50);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    EXPECT_TRUE(std::binary_search(ids.begin(), ids.end(), 1001050));
    EXPECT_TRUE(std::binary_search(ids.begin(), ids.end(), 3005002));
    EXPECT_FALSE(std::binary_search(ids.begin(), ids.end(), 3002061));
}

TEST(StartupTexts, ShippedFilesHoldEveryTextAndTheBuiltInEnglishIsTheirs) {
    const LanguageTable& texts = test::ShippedTexts();
    for (TextId id : StartupTextIds())
        EXPECT_STRNE(texts.GetText(id), "") << id;
    const std::vector<TextId> own = OwnTextIds();
    EXPECT_TRUE(std::find(own.begin(), own.end(), txt::kPortPermission) != own.end());
    for (TextId id : own)
        EXPECT_STREQ(BuiltInTexts().GetText(id), texts.GetText(id)) << id;
}

// A translation made against the original set lacks the program's own texts; it loads, and they
// come in English.
TEST(StartupTexts, ATranslationOfTheOriginalSetLoadsWithTheOwnTextsInEnglish) {
    test::TempDir dir;
    fs::copy_file(RPX_SOURCE_DIR "/resources/lang/Common.lng", dir / "Common.lng");
    std::ifstream shipped(RPX_SOURCE_DIR "/resources/lang/Rpx41c.lng");
    std::string translation;
    for (std::string line; std::getline(shipped, line);) {
        if (line.rfind("^#003020", 0) == 0)
            std::getline(shipped, line); // drop the marker and its text
        else
            translation += line + "\n";
    }
    dir.Write("Rpx41c.lng", translation);
    LanguageTable table;
    test::ScriptedMessenger messenger;
    ASSERT_TRUE(LoadTexts(table, messenger, {dir.Path().string()}));
    EXPECT_STREQ(table.GetText(3019157), test::ShippedTexts().GetText(3019157));
    EXPECT_STREQ(table.GetText(txt::kSaveFailed), test::ShippedTexts().GetText(txt::kSaveFailed));
}

// Every seven-digit TextId written in the program's sources must be one the program loads.
TEST(StartupTexts, EveryTextIdInTheSourcesIsLoaded) {
    const std::vector<TextId> loaded = StartupTextIds();
    const std::set<TextId> known(loaded.begin(), loaded.end());
    const std::regex literal(R"(\b([13]0(?:0[1-9]|1[0-9]|20)[0-9]{3})\b)");
    int seen = 0;
    for (const char* folder : {"core", "cli", "gui", "transport", "sim"}) {
        const fs::path root = fs::path(RPX_SOURCE_DIR) / folder;
        if (!fs::exists(root))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h")
                continue;
            const std::string source = test::ReadFileText(entry.path());
            for (std::sregex_iterator it(source.begin(), source.end(), literal), end; it != end; ++it) {
                ++seen;
                EXPECT_EQ(known.count(std::stoi((*it)[1])), 1u) << (*it)[1] << " in " << entry.path();
            }
        }
    }
    EXPECT_GT(seen, 50);
}

TEST(StartupTexts, FailuresShowTheFixedMessagesWithTheProgramCaption) {
    test::TempDir dir;
    const std::string damaged = "^#001001001\nOK\n";
    dir.Write("Common.lng", damaged);
    dir.Write("Rpx41c.lng", "^#003001001\nRPX-41C\n");
    // A pipe would wait for a writer for ever.
    fs::create_directory(dir / "pipe");
    ASSERT_EQ(mkfifo((dir / "pipe" / "Common.lng").c_str(), 0600), 0);
    dir.Write("pipe/Rpx41c.lng", "^#003001001\nRPX-41C\n");
    const struct {
        const char* name;
        std::vector<std::string> directories;
        const char* text;
    } cases[] = {
        {"missing",
         {(dir / "nowhere").string()},
         "Can't read language file.  Please install this software again."},
        {"damaged",
         {dir.Path().string()},
         "Language file has been damaged.  Please install this software again."},
        {"pipe", {(dir / "pipe").string()}, "Can't read language file.  Please install this software again."},
    };
    for (const auto& c : cases) {
        LanguageTable table;
        test::ScriptedMessenger messenger;
        EXPECT_FALSE(LoadTexts(table, messenger, c.directories)) << c.name;
        ASSERT_EQ(messenger.Shown().size(), 1u) << c.name;
        EXPECT_EQ(messenger.Shown()[0].text, c.text);
        EXPECT_EQ(messenger.Shown()[0].icon, MessageIcon::Stop);
        EXPECT_EQ(messenger.Shown()[0].buttons, MessageButtons::Ok);
    }
}

TEST(StartupTexts, LooksInTheNextFolderWhenTheFirstHasNoFiles) {
    test::TempDir empty;
    LanguageTable table;
    test::ScriptedMessenger messenger;
    ASSERT_TRUE(LoadTexts(table, messenger, {empty.Path().string(), RPX_SOURCE_DIR "/resources/lang"}));
    EXPECT_TRUE(messenger.Shown().empty());
    EXPECT_EQ(table.Directory(), RPX_SOURCE_DIR "/resources/lang");
}

} // namespace
} // namespace rpx
