#include <gtest/gtest.h>

#include <sstream>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

using test::RunCli;

constexpr auto& Text = test::ShippedText;

// The words of line n (0 = heading) of the channel table that show prints.
std::vector<std::string> ShowRow(const std::string& file, int n) {
    std::istringstream lines(RunCli({"show", file}).out);
    std::string line;
    for (int i = 0; i <= n; ++i)
        std::getline(lines, line);
    std::istringstream words(line);
    std::vector<std::string> row;
    for (std::string w; words >> w;)
        row.push_back(w);
    return row;
}

class CliGridCommands : public ::testing::Test {
protected:
    // A one-group VHF radio on band 1 (146-174 MHz).
    void SetUp() override {
        ASSERT_EQ(RunCli({"new", file, "--model", "MDL1A", "--code", "0x11"}).exitCode, 0);
    }
    test::TempDir dir;
    std::string file = (dir / "radio.dat").string();
};

TEST_F(CliGridCommands, TypedValuesAreConvertedAndShown) {
    ASSERT_EQ(RunCli({"set", file, "1", "rx=146.52", "tx=146.5225", "decode=67", "encode=d023n", "power=low",
                      "wide=NARROW", "scan=Add", "option=1"})
                  .exitCode,
              0);
    EXPECT_EQ(ShowRow(file, 1),
              (std::vector<std::string>{"1", "146.52000", "146.52250", "67.0", "D023N", Text(3013017),
                                        Text(1001031), Text(3013021), Text(3013023)}));
    EXPECT_EQ(RunCli({"hex", file, "20", "4"}).out, "0020: 00 20 65 14\n");
    EXPECT_EQ(RunCli({"hex", file, "2F", "1"}).out, "002F: 10\n") << "step codes 5 kHz and 2.5 kHz";
    // An empty value clears the cell, as in the grid.
    ASSERT_EQ(RunCli({"set", file, "1", "decode="}).exitCode, 0);
    EXPECT_EQ(ShowRow(file, 1)[3], Text(1001039)) << "no decode tone";
    ASSERT_EQ(RunCli({"set", file, "1", "rx="}).exitCode, 0);
    EXPECT_EQ(ShowRow(file, 1).size(), 1u) << "channel 1 erased";
}

// The clamp and when to warn are the grid editor's test; here, how the warning is printed.
TEST_F(CliGridCommands, OutOfBandWarningIsPrintedWithItsCaption) {
    EXPECT_EQ(RunCli({"set", file, "2", "rx=200"}).err, Text(1001069) + ": " + Text(3003043) + "\n");
    EXPECT_EQ(ShowRow(file, 2)[1], "200.00000");
}

// Refusals (1) and usage errors (2) leave the file as it was. A value the cell would not take as
// typed is a usage error naming the refused characters, not an empty cell.
TEST_F(CliGridCommands, RefusalsAndUsageErrors) {
    ASSERT_EQ(RunCli({"set", file, "2", "rx=146.52", "tx=146.52", "decode=67.0"}).exitCode, 0);
    const auto before = test::ReadFileBytes(file);
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string says = "";
    } cases[] = {
        {{"set", file, "1", "rx=146.5", "encode=67.0"}, 1, ""}, // no TX frequency: encode disabled
        {{"row", file, "insert", "4"}, 1, ""},                  // the last row of a group
        {{"copy", file, "1", "3"}, 1, ""},                      // nothing to copy
        {{"set", file, "9", "rx=146"}, 2, ""},
        {{"set", file, "2", "power=2"}, 2, ""},
        {{"row", file, "move", "1"}, 2, ""},
        {{"copy", file, "0", "1"}, 2, ""},
        {{"set", file, "2", "power=1", "rx=abc"}, 2, "\"abc\""},
        {{"set", file, "2", "rx=146,5"}, 2, "\",\""},
        {{"set", file, "2", "tx=1 46"}, 2, "\" \""},
        {{"set", file, "2", "decode=xyz"}, 2, "\"xyz\""},
        {{"set", file, "2", "decode=D089N"}, 2, "\"89\""},
        {{"set", file, "2", "encode=67.0Hz"}, 2, "\"Hz\""},
        {{"set", file, "2", "rx=146.520000"}, 2, "at most 9"},
        {{"set", file, "2", "scan=maybe"}, 2, Text(3013021)},
    };
    for (const auto& c : cases) {
        const auto result = RunCli(c.args);
        const std::string line = c.args[0] + " " + c.args[2] + " " + c.args.back();
        EXPECT_EQ(result.exitCode, c.exitCode) << line << " " << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << line << " " << result.err;
        EXPECT_EQ(test::ReadFileBytes(file), before) << line;
    }
    EXPECT_EQ(ShowRow(file, 5), (std::vector<std::string>{"5", "(hidden)"}));
}

TEST_F(CliGridCommands, RowCommandsMoveChannelsWithinTheGroup) {
    for (const char* row : {"1", "2", "3", "4"})
        ASSERT_EQ(RunCli({"set", file, row, std::string("rx=14") + row}).exitCode, 0);
    ASSERT_EQ(RunCli({"row", file, "delete", "2"}).exitCode, 0);
    ASSERT_EQ(RunCli({"row", file, "insert", "1"}).exitCode, 0);
    ASSERT_EQ(RunCli({"copy", file, "2", "4"}).exitCode, 0);
    for (const auto& [n, rx] : std::vector<std::pair<int, std::string>>{{2, "141"}, {3, "143"}, {4, "141"}})
        EXPECT_EQ(ShowRow(file, n)[1], rx + ".00000") << n;
    EXPECT_EQ(ShowRow(file, 1).size(), 1u);
}

} // namespace
} // namespace rpx
