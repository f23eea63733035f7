#include <gtest/gtest.h>

#include <filesystem>

#include "core/radio/data_file.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

using test::ReadFileBytes;
using test::RunCli;

std::string Text(TextId id) { return test::ShippedTexts().GetText(id); }
std::string Box(TextId caption, TextId text) { return Text(caption) + ": " + Text(text) + "\n"; }

class CliFileCommands : public ::testing::Test {
protected:
    std::string File(const std::string& name = "radio.dat") const { return (dir / name).string(); }
    test::TempDir dir;
};

TEST_F(CliFileCommands, NewWritesTheStartImageOfTheModelSetting) {
    const struct {
        std::vector<std::string> options;
        std::string identity;
        uint8_t pair1Top; // most significant BCD byte of test pair 1's receive frequency
    } cases[] = {
        {{}, std::string("MDL2A\x31\xFF\xFF", 8), 0x47},
        {{"--model", "MDL1B", "--code", "0x23"}, std::string("MDL1B\x23\xFF\xFF", 8), 0x14},
        {{"--model", "MDL2A"}, std::string("MDL2A\x51\xFF\xFF", 8), 0x41},
        {{"--code", "41"}, std::string("MDL2A\x41\xFF\xFF", 8), 0x50},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"new", File()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto result = RunCli(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const std::vector<uint8_t> bytes = ReadFileBytes(File());
        ASSERT_EQ(bytes.size(), 2064u);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "RZ7150");
        EXPECT_EQ(std::string(bytes.begin() + 16 + 0x3C0, bytes.begin() + 16 + 0x3C8), c.identity);
        EXPECT_EQ(bytes[16 + 0x283], c.pair1Top);
        EXPECT_EQ(bytes[16 + 0x0A5], 6) << "new-image defaults";
    }
}

TEST_F(CliFileCommands, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate", File()},
        {"new"},
        {"new", File(), File()},
        {"new", File(), "--model", "MDL9Z"},
        {"new", File(), "--code", "0x100"},
        {"new", File(), "--freq", "1"},
        {"new", File(), "--model"},
        {"hex", File(), "800"},
        {"hex", File(), "7F0", "17"},
        {"poke", File(), "7FF", "01", "02"},
        {"poke", File(), "0", "G1"},
        {"poke", File(), "0", "123"},
        {"model", File(), "MDL3A"},
    };
    for (const auto& args : cases) {
        const auto result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2) << (args.empty() ? "" : args[0]) << " " << result.err;
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(CliFileCommands, InfoPrintsTheWindowTitle) {
    ASSERT_EQ(RunCli({"new", File("Site1.dat"), "--model", "MDL1B", "--code", "0x23"}).exitCode, 0);
    const auto result = RunCli({"info", File("Site1.dat")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, Text(3001001) + " [" + Text(3005002) + "  " + Text(3018003) + " : " + Text(3005005) + "(" +
                              Text(3019101) + ")] [" + Text(3018005) + " : Site1.dat ]\n");
}

TEST_F(CliFileCommands, RefusedFilesReportTheirMessage) {
    std::vector<uint8_t> bytes(2064, 0xFF);
    std::copy_n("RZ7151", 6, bytes.begin());
    dir.Write("wrong.dat", bytes);
    dir.Write("short.dat", std::vector<uint8_t>(bytes.begin(), bytes.begin() + 2063));
    std::copy_n("RZ7150", 6, bytes.begin());
    bytes[16 + 0x3C6] = 0xBF;
    dir.Write("hidden.dat", bytes);
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    } cases[] = {
        {{"info", File("wrong.dat")}, 1, Box(1001019, 3003013)},
        {{"info", File("short.dat")}, 1, Box(1001019, 3003013)},
        {{"info", File("hidden.dat")}, 1, Box(1001019, 3003017)},
        {{"info", File("hidden.dat"), "--extended"}, 0, ""},
    };
    for (const auto& c : cases) {
        const auto result = RunCli(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args[1];
        EXPECT_EQ(result.err, c.err) << c.args[1];
    }
}

TEST_F(CliFileCommands, FailedSaveReportsAndKeepsNothingHalfWritten) {
    dir.Write("plain", std::string("not a folder"));
    const std::string target = (dir / "plain" / "radio.dat").string();
    const auto result = RunCli({"new", target});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind(Text(1001019) + ": ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(target), std::string::npos) << result.err;
}

TEST_F(CliFileCommands, HexAndPokeWorkLikeTheMemoryMap) {
    ASSERT_EQ(RunCli({"new", File()}).exitCode, 0);
    auto result = RunCli({"hex", File(), "3C0", "8"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "03C0: 4D 44 4C 32 41 31 FF FF\n");

    ASSERT_EQ(RunCli({"poke", File(), "0x7FE", "a", "Bc"}).exitCode, 0);
    result = RunCli({"hex", File(), "7F8"});
    EXPECT_EQ(result.out, "07F8: FF FF FF FF FE FF 0A BC\n");

    result = RunCli({"hex", File(), "1E", "4"});
    EXPECT_EQ(result.out, "001E: FF FF FF FF\n");
    result = RunCli({"hex", File()});
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 128);
}

TEST_F(CliFileCommands, ModelChangeNeedsConfirmation) {
    ASSERT_EQ(RunCli({"new", File()}).exitCode, 0);
    const std::vector<uint8_t> before = ReadFileBytes(File());

    auto result = RunCli({"model", File(), "MDL1B"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, Box(1001021, 3003039));
    EXPECT_EQ(ReadFileBytes(File()), before);

    result = RunCli({"--yes", "model", File(), "MDL1B", "--freq", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<uint8_t> after = ReadFileBytes(File());
    EXPECT_EQ(std::string(after.begin() + 16 + 0x3C0, after.begin() + 16 + 0x3C6), "MDL1B\x13");
    EXPECT_EQ(after[16 + 0x283], 0x16) << "band 1 test frequencies";

    result = RunCli({"model", File(), "MDL1B", "--freq", "3"});
    EXPECT_EQ(result.exitCode, 2);
}

} // namespace
} // namespace rpx
