#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/radio/file_lock.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

using test::ReadFileBytes;
using test::RunCli;

constexpr auto& Text = test::ShippedText;
std::string Box(TextId caption, TextId text) {
    return Text(caption) + ": " + Text(text) + "\n";
}

class CliFileCommands : public ::testing::Test {
protected:
    std::string File(const std::string& name = "radio.dat") const { return (dir / name).string(); }
    // The words of line, "@" standing for the data file.
    std::vector<std::string> Args(const std::string& line) const {
        std::istringstream words(line);
        std::vector<std::string> args;
        for (std::string w; words >> w;)
            args.push_back(w == "@" ? File() : w);
        return args;
    }
    test::TempDir dir;
};

TEST_F(CliFileCommands, NewWritesTheStartImageOfTheModelSetting) {
    const struct {
        const char* line;
        std::string identity;
        uint8_t pair1Top; // most significant BCD byte of test pair 1's receive frequency
    } cases[] = {
        {"new @", std::string("MDL2A\x31\xFF\xFF", 8), 0x47},
        {"new @ --model MDL1B --code 0x23", std::string("MDL1B\x23\xFF\xFF", 8), 0x14},
        {"new @ --code 41", std::string("MDL2A\x41\xFF\xFF", 8), 0x50},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(RunCli(Args(c.line)).exitCode, 0) << c.line;
        const std::vector<uint8_t> bytes = ReadFileBytes(File());
        ASSERT_EQ(bytes.size(), 2064u);
        EXPECT_EQ(std::string(bytes.begin() + 16 + 0x3C0, bytes.begin() + 16 + 0x3C8), c.identity);
        EXPECT_EQ(bytes[16 + 0x283], c.pair1Top);
    }
}

// "@" stands for the data file, which none of them may create.
// clang-format off
constexpr const char* kUsageMistakes[] = {
    "", "--bogus", "--help --bogus", "frobnicate @", "new", "new @ @", "new @ --model MDL9Z", "new @ --code 0x100",
    "new @ --code 0x0x1", "new @ --freq 1", "new @ --force", "new @ --model", "hex @ 800", "hex @ 7F0 17",
    "hex @ 0x0x10", "hex @ -0", "hex @ +1", "hex @ 0 +5", "poke @ 7FF 01 02", "poke @ 0 G1", "poke @ 0 123",
    "model @ MDL3A"};
// clang-format on

TEST_F(CliFileCommands, UsageErrorsExitWithTwo) {
    std::vector<std::vector<std::string>> lines = {{"hex", File(), "\t10"},
                                                   {"hex", File(), "\n10"},
                                                   {"hex", File(), "10\n"},
                                                   {"hex", File(), "0", " 5"}};
    for (const char* line : kUsageMistakes)
        lines.push_back(Args(line));
    for (const auto& args : lines) {
        const auto result = RunCli(args);
        const std::string line = args.empty() ? "" : args[0] + " " + args.back();
        EXPECT_EQ(result.exitCode, 2) << line;
        EXPECT_FALSE(result.err.empty()) << line;
    }
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(CliFileCommands, HelpAndVersionGoToStandardOutput) {
    const struct {
        std::vector<std::string> args;
        std::string out; // the start of the text
    } cases[] = {
        {{"--help"}, "usage: rpx41c-cli COMMAND"},
        {{"-h"}, "usage: rpx41c-cli COMMAND"},
        {{"read", "--help"}, "usage: rpx41c-cli read --port"},
        {{"set", "-h", "x.dat"}, "usage: rpx41c-cli set FILE"},
        {{"--version"}, "rpx41c-cli 0."},
    };
    for (const auto& c : cases) {
        const auto result = RunCli(c.args);
        EXPECT_EQ(result.exitCode, 0) << c.args[0];
        EXPECT_EQ(result.out.rfind(c.out, 0), 0u) << result.out;
        EXPECT_EQ(result.err, "") << c.args[0];
    }
}

TEST_F(CliFileCommands, InfoPrintsTheWindowTitle) {
    ASSERT_EQ(RunCli({"new", File("Site1.dat"), "--model", "MDL1B", "--code", "0x23"}).exitCode, 0);
    EXPECT_EQ(RunCli({"info", File("Site1.dat")}).out,
              Text(3001001) + " [" + Text(3005002) + "  " + Text(3018003) + " : " + Text(3005005) + "(" +
                  Text(3019101) + ")] [" + Text(3018005) + " : Site1.dat ]\n");
}

TEST_F(CliFileCommands, RefusedFilesReportTheirMessage) {
    std::vector<uint8_t> bytes(2064, 0xFF);
    std::copy_n("RZ7151", 6, bytes.begin());
    dir.Write("wrong.dat", bytes);
    std::copy_n("RZ7150", 6, bytes.begin());
    bytes[16 + 0x3C6] = 0xBF;
    dir.Write("hidden.dat", bytes);
    const std::string noHeader = " does not begin with the header of a data file.\n";
    const struct {
        const char* file;
        std::string err;
    } cases[] = {{"wrong.dat", Box(1001019, 3003013) + "\n" + File("wrong.dat") + noHeader},
                 {"hidden.dat", Box(1001019, 3003017)}};
    for (const auto& c : cases) {
        const auto result = RunCli({"info", File(c.file)});
        EXPECT_EQ(result.exitCode, 1) << c.file;
        EXPECT_EQ(result.err, c.err) << c.file;
    }
    EXPECT_EQ(RunCli({"info", File("hidden.dat"), "--extended"}).exitCode, 0);
}

TEST_F(CliFileCommands, FailedSaveIsReported) {
    dir.Write("plain", std::string("not a folder"));
    const std::string target = (dir / "plain" / "radio.dat").string();
    const auto result = RunCli({"new", target});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind(Text(1001019) + ": ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(target), std::string::npos) << result.err;
}

// While another program edits the file, a command waits, then refuses and leaves the file alone.
TEST_F(CliFileCommands, AFileInUseIsRefusedUnchanged) {
    ASSERT_EQ(RunCli({"new", File()}).exitCode, 0);
    const std::string before = test::ReadFileText(File());
    Result<FileLock> held = FileLock::Acquire(File());
    ASSERT_TRUE(held);
    const auto result = RunCli({"set", File(), "1", "rx=146.52"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find(File()), std::string::npos) << result.err;
    EXPECT_EQ(test::ReadFileText(File()), before);
    *held = FileLock();
    EXPECT_EQ(RunCli({"set", File(), "1", "rx=146.52"}).exitCode, 0);
}

TEST_F(CliFileCommands, HexAndPokeWorkLikeTheMemoryMap) {
    ASSERT_EQ(RunCli({"new", File()}).exitCode, 0);
    ASSERT_EQ(RunCli({"poke", File(), "0x7FE", "a", "Bc"}).exitCode, 0);
    EXPECT_EQ(RunCli({"hex", File(), "7F8"}).out, "07F8: FF FF FF FF FE FF 0A BC\n");
    EXPECT_EQ(RunCli({"hex", File(), "3C0", "6"}).out, "03C0: 4D 44 4C 32 41 31\n");
}

TEST_F(CliFileCommands, ToneWritesTheSequenceAsAWavFile) {
    ASSERT_EQ(RunCli(Args("new @")).exitCode, 0);
    // Two tones of 100 ms and 250 ms (1000 Hz, then unused), fourteen of no length.
    ASSERT_EQ(RunCli(Args("poke @ 1E0 64 00")).exitCode, 0);
    ASSERT_EQ(RunCli(Args("poke @ 1F0 0A 19 0 0 0 0 0 0 0 0 0 0 0 0 0 0")).exitCode, 0);
    ASSERT_EQ(RunCli(Args("tone @ -o " + File("seq.wav"))).exitCode, 0);
    const std::size_t samples = (100 + 250 + 15 * 100) * 11025 / 1000;
    EXPECT_EQ(ReadFileBytes(File("seq.wav")).size(), 44 + 2 * samples);
    EXPECT_EQ(RunCli(Args("tone @")).exitCode, 2);
}

TEST_F(CliFileCommands, ModelChangeNeedsConfirmation) {
    ASSERT_EQ(RunCli({"new", File()}).exitCode, 0);
    const std::vector<uint8_t> before = ReadFileBytes(File());
    const auto refused = RunCli({"model", File(), "MDL1B"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, Box(1001021, 3003039) + "Not confirmed: --yes answers OK.\n");
    EXPECT_EQ(ReadFileBytes(File()), before);

    ASSERT_EQ(RunCli({"--yes", "model", File(), "MDL1B", "--freq", "2"}).exitCode, 0);
    const std::vector<uint8_t> after = ReadFileBytes(File());
    EXPECT_EQ(std::string(after.begin() + 16 + 0x3C0, after.begin() + 16 + 0x3C6), "MDL1B\x13");
    EXPECT_EQ(after[16 + 0x283], 0x16) << "band 1 test frequencies";
}

} // namespace
} // namespace rpx
