#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "core/text/language_table.h"

namespace rpx {
namespace {

// Serves language files from memory; a group without content cannot be opened.
LanguageTable::FileOpener Files(std::map<std::string, std::string> files) {
    return [files](const std::string& name) -> std::unique_ptr<std::istream> {
        const auto it = files.find(name);
        if (it == files.end())
            return nullptr;
        return std::make_unique<std::istringstream>(it->second);
    };
}

LoadResult LoadIds(LanguageTable& table, std::vector<TextId> ids, std::map<std::string, std::string> files) {
    return table.Load(ids, Files(std::move(files)));
}

TEST(LanguageTable, LoadsMarkedTextsBetweenCommentsFromBothGroups) {
    LanguageTable table;
    const std::string common =
        "; common texts\r\n^#001001001\r\nOK\r\n\r\n; buttons\n^#001001003 trailing words\nCancel\n";
    const std::string own = "^#003001001\nRPX-41C\n^#003003001\n Read now? \n";
    ASSERT_EQ(
        LoadIds(table, {3003001, 1001003, 3001001, 1001001}, {{"Common.lng", common}, {"Rpx41c.lng", own}}),
        LoadResult::Ok);
    EXPECT_STREQ(table.GetText(1001001), "OK");
    EXPECT_STREQ(table.GetText(1001003), "Cancel");
    EXPECT_STREQ(table.GetText(3001001), "RPX-41C");
    EXPECT_STREQ(table.GetText(3003001), " Read now? ");
}

// Escapes are resolved as the file is read; the mnemonic marks go only when asked for.
TEST(LanguageTable, ResolvesEscapesAndStripsMnemonicsOnRequest) {
    const struct {
        const char* line;
        const char* text;
        const char* stripped;
    } cases[] = {
        {R"(Read\tdata\nfrom radio)", "Read\tdata\nfrom radio", "Read\tdata\nfrom radio"},
        {R"(one \\ two)", "one \\ two", "one \\ two"},
        {R"(odd \x escape)", "odd \\ escape", "odd \\ escape"},
        {R"(ends with \)", "ends with \\", "ends with \\"},
        {"&Scan", "&Scan", "Scan"},
        {"A&&B", "A&&B", "AB"},
        {"&File\\tCtrl+F", "&File\tCtrl+F", "File\tCtrl+F"},
    };
    for (const auto& c : cases) {
        LanguageTable table;
        ASSERT_EQ(LoadIds(table, {3018017}, {{"Rpx41c.lng", std::string("^#003018017\n") + c.line + "\n"}}),
                  LoadResult::Ok);
        EXPECT_STREQ(table.GetText(3018017), c.text) << c.line;
        EXPECT_STREQ(table.GetText(3018017, TextMode::WithoutMnemonics), c.stripped) << c.line;
    }
}

TEST(LanguageTable, ReportsMissingAndDamagedFiles) {
    const std::string fine = "^#001001001\nOK\n^#001001050\nMHz\n";
    const struct {
        const char* name;
        std::vector<TextId> ids;
        std::map<std::string, std::string> files;
        LoadResult result;
    } cases[] = {
        {"group file missing", {1001001, 3001001}, {{"Common.lng", fine}}, LoadResult::CannotOpen},
        {"id missing", {1001001, 1001049, 1001050}, {{"Common.lng", fine}}, LoadResult::Damaged},
        {"descending markers",
         {1001001, 1001050},
         {{"Common.lng", "^#001001050\nMHz\n^#001001001\nOK\n"}},
         LoadResult::Damaged},
        {"marker on the last line", {1001001}, {{"Common.lng", "^#001001001"}}, LoadResult::Damaged},
        {"group without a file name", {2000001}, {{"", fine}}, LoadResult::CannotOpen},
        {"too many ids", std::vector<TextId>(601, 1001001), {{"Common.lng", fine}}, LoadResult::Damaged},
        {"line beyond the bound",
         {1001001},
         {{"Common.lng", "; " + std::string(LanguageTable::kMaxLineLength, 'c') + "\n" + fine}},
         LoadResult::Damaged},
        {"file beyond the bound",
         {1001001},
         {{"Common.lng", std::string(LanguageTable::kMaxFileSize, '\n') + fine}},
         LoadResult::Damaged},
        {"pool overflow",
         {1001001, 1001050},
         {{"Common.lng",
           "^#001001001\n" + std::string(15000, 'a') + "\n^#001001050\n" + std::string(6000, 'b') + "\n"}},
         LoadResult::Damaged},
    };
    for (const auto& c : cases) {
        LanguageTable table;
        EXPECT_EQ(LoadIds(table, c.ids, c.files), c.result) << c.name;
    }
}

// Texts that have a fallback are optional: a file without them loads, and they keep the fallback's text.
TEST(LanguageTable, OptionalTextsKeepTheirFallbackWhenTheFileLacksThem) {
    LanguageTable builtIn;
    std::vector<TextId> own = {3020001, 3020003, 3020005};
    ASSERT_EQ(LoadIds(builtIn, own, {{"Rpx41c.lng", "^#003020001\nA\n^#003020003\nB\n^#003020005\nC\n"}}),
              LoadResult::Ok);
    const struct {
        const char* file;
        LoadResult result;
        const char* texts; // of 3001001 and the three optional ids, joined by '|'
    } cases[] = {
        {"^#003001001\nP\n", LoadResult::Ok, "P|A|B|C"},
        {"^#003001001\nP\n^#003020003\nb\n", LoadResult::Ok, "P|A|b|C"},
        {"^#003020003\nb\n^#003001001\nP\n", LoadResult::Ok, "P|A|B|C"},
        {"^#003020001\na\n^#003020005\nc\n", LoadResult::Damaged, ""},
        {"^#003001001\nP\n^#003020005", LoadResult::Ok, "P|A|B|C"},
    };
    for (const auto& c : cases) {
        LanguageTable table;
        std::vector<TextId> ids = {3001001, 3020001, 3020003, 3020005};
        ASSERT_EQ(table.Load(ids, Files({{"Rpx41c.lng", c.file}}), &builtIn), c.result) << c.file;
        if (c.result != LoadResult::Ok)
            continue;
        std::string texts;
        for (TextId id : ids)
            texts += std::string(texts.empty() ? "" : "|") + table.GetText(id);
        EXPECT_EQ(texts, c.texts) << c.file;
    }
}

} // namespace
} // namespace rpx
