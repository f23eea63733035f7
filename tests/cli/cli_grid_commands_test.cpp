#include <gtest/gtest.h>

#include <sstream>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

using test::RunCli;

std::string Text(TextId id) { return test::ShippedTexts().GetText(id); }

// The words of line n (0 = heading) of the channel table that show prints.
std::vector<std::string> ShowRow(const std::string& file, int n) {
    const auto result = RunCli({"show", file});
    std::istringstream lines(result.out);
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
    void SetUp() override {
        // A one-group VHF radio on band 1 (146-174 MHz).
        ASSERT_EQ(RunCli({"new", file, "--model", "MDL1A", "--code", "0x11"}).exitCode, 0);
    }
    test::TempDir dir;
    std::string file = (dir / "radio.dat").string();
};

TEST_F(CliGridCommands, TypedValuesAreConvertedAndShown) {
    const auto result =
        RunCli({"set", file, "1", "rx=146.52", "tx=146.5225", "decode=67", "encode=d023n", "power=0", "scan=0"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> row = ShowRow(file, 1);
    ASSERT_GE(row.size(), 9u);
    EXPECT_EQ(row[1], "146.52000");
    EXPECT_EQ(row[2], "146.52250");
    EXPECT_EQ(row[3], "67.0");
    EXPECT_EQ(row[4], "D023N");
    EXPECT_EQ(row[5], Text(3013017));
    EXPECT_EQ(RunCli({"hex", file, "20", "4"}).out, "0020: 00 20 65 14\n");
    EXPECT_EQ(RunCli({"hex", file, "2F", "1"}).out, "002F: 10\n") << "step codes 5 kHz and 2.5 kHz";
}

TEST_F(CliGridCommands, OutOfBandWarningAndClamp) {
    auto result = RunCli({"set", file, "2", "rx=200"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, Text(1001069) + ": " + Text(3003043) + "\n");
    EXPECT_EQ(ShowRow(file, 2)[1], "200.00000");
    result = RunCli({"set", file, "2", "rx=300"});
    EXPECT_EQ(ShowRow(file, 2)[1], "174.00000");
}

TEST_F(CliGridCommands, CellsTheGridDisablesCannotBeEdited) {
    const auto before = test::ReadFileBytes(file);
    const std::vector<std::vector<std::string>> refused = {
        {"set", file, "1", "tx=146.5"},                  // empty channel: only RX is enabled
        {"set", file, "1", "rx=146.5", "encode=67.0"},   // no TX frequency: encode disabled
        {"set", file, "5", "rx=146.5"},                  // group 2 does not exist on this model
        {"row", file, "insert", "4"},                    // the last row of a group
        {"copy", file, "1", "2"},                        // nothing to copy
    };
    for (const auto& args : refused) {
        const auto result = RunCli(args);
        EXPECT_EQ(result.exitCode, 1) << args[0] << " " << args[2] << " " << result.err;
        EXPECT_EQ(test::ReadFileBytes(file), before) << args[0] << " " << args[2];
    }
    EXPECT_EQ(ShowRow(file, 5), (std::vector<std::string>{"5", "(hidden)"}));
}

TEST_F(CliGridCommands, RowCommandsMoveChannelsWithinTheGroup) {
    for (const char* row : {"1", "2", "3", "4"})
        ASSERT_EQ(RunCli({"set", file, row, std::string("rx=14") + row}).exitCode, 0);
    ASSERT_EQ(RunCli({"row", file, "delete", "2"}).exitCode, 0);
    EXPECT_EQ(ShowRow(file, 2)[1], "143.00000");
    EXPECT_EQ(ShowRow(file, 3)[1], "144.00000");
    EXPECT_EQ(ShowRow(file, 4).size(), 1u) << "the last row is empty";
    ASSERT_EQ(RunCli({"row", file, "insert", "1"}).exitCode, 0);
    EXPECT_EQ(ShowRow(file, 1).size(), 1u);
    EXPECT_EQ(ShowRow(file, 2)[1], "141.00000");
    ASSERT_EQ(RunCli({"copy", file, "2", "1"}).exitCode, 0);
    EXPECT_EQ(ShowRow(file, 1)[1], "141.00000");
}

TEST_F(CliGridCommands, UsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"set", file, "9", "rx=146"},
             {"set", file, "1", "volume=3"},
             {"set", file, "1", "power=2"},
             {"row", file, "move", "1"},
             {"copy", file, "0", "1"},
         })
        EXPECT_EQ(RunCli(args).exitCode, 2) << args[0] << " " << args[2] << " " << args[3];
}

} // namespace
} // namespace rpx
