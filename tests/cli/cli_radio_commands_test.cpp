#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "tests/cli/cli_runner.h"
#include "tests/sim/sim_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_texts.h"

namespace rpx {
namespace {

using test::RunCli;

constexpr auto& Text = test::ShippedText;

constexpr TextId kReadQuestion = 3003001;
constexpr TextId kCommError = 3003005;
constexpr TextId kWrongPassword = 3003029;
constexpr TextId kModelDiffers = 3003041;
constexpr TextId kReadDone = 3003049;
constexpr TextId kWriteDone = 3003051;
constexpr TextId kShortMemory = 3019111;
constexpr TextId kPortFailedInWindow = 3003059;
constexpr TextId kSaveFailed = 3020001;
constexpr TextId kPortFailed = 3020301;

// What a run must print on standard error ("" for nothing in particular) and must not.
struct Expected {
    int exitCode;
    std::string says;
    std::string never;
};

void ExpectRun(const std::vector<std::string>& args, const Expected& expected) {
    std::string line;
    for (const std::string& a : args)
        line += a + ' ';
    const test::CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, expected.exitCode) << line << '\n' << result.err;
    EXPECT_NE(result.err.find(expected.says), std::string::npos) << line << '\n' << result.err;
    if (!expected.never.empty()) {
        EXPECT_EQ(result.err.find(expected.never), std::string::npos) << line << '\n' << result.err;
    }
}

class CliRadioCommands : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return (dir / name).string(); }
    test::TempDir dir;
};

// The radio inside the program (whatever it holds), and mistakes found before any radio talk.
TEST_F(CliRadioCommands, AgainstTheVirtualRadio) {
    const std::string copy = File("copy.dat");
    const std::string missing = File("missing/x.dat");
    const std::string trace = File("line.trace");
    const struct {
        std::vector<std::string> args;
        Expected expected;
    } cases[] = {
        // The question has no caption, so none is printed.
        {{"read", "--port", "virtual", "-o", copy}, {1, "--yes answers OK", ": " + Text(kReadQuestion)}},
        {{"read", "--port", "virtual", "-o", missing, "--yes"},
         {1, Text(kSaveFailed).substr(0, 20), Text(kReadDone)}},
        {{"read", "--port", "virtual", "-o", copy, "--yes", "--trace", trace}, {0, Text(kReadDone), {}}},
        {{"write", "--port", "virtual", copy, "--yes"}, {0, Text(kWriteDone), {}}},
        {{"write", "--port", "virtual", File("none.dat"), "--yes", "--trace", File("none.trace")},
         {1, "", {}}},
        {{"radio-info", "--port", "virtual"}, {0, "", {}}},
        {{"radio-info", "--port", "COM0"}, {2, "--port", {}}},
        // The port failure names the option, not the window's menu.
        {{"radio-info", "--port", File("no-such-port")}, {1, Text(kPortFailed), Text(kPortFailedInWindow)}},
        {{"radio-info", "--port", "virtual", "--retries", "+1"}, {2, "--retries", {}}},
        {{"radio-info"}, {2, "--port", {}}},
    };
    for (const auto& c : cases)
        ExpectRun(c.args, c.expected);
    EXPECT_FALSE(std::filesystem::exists(File("missing")));
    EXPECT_FALSE(std::filesystem::exists(File("none.trace")));
    EXPECT_EQ(test::ReadFileBytes(copy).size(), 2064u);
    EXPECT_NE(test::ReadFileText(trace).find("> 50 52 4F 47 52 41 4D"), std::string::npos) << "PROGRAM sent";
    EXPECT_NE(RunCli({"radio-info", "--port", "virtual"}).out.find(Text(3019001) + ": "), std::string::npos);
}

// rpx41c-sim on a pseudo-terminal, set up per case, holding a new image without a data password.
TEST_F(CliRadioCommands, AgainstTheSimulatorOnAPseudoTerminal) {
    const std::string data = File("mdl2a.dat"); // identity "MDL2A1"
    ASSERT_EQ(RunCli({"new", data}).exitCode, 0);
    const std::vector<std::string> read = {"read", "-o", File("read.dat"), "--yes"};
    const std::vector<std::string> write = {"write", data, "--yes"};
    const struct {
        std::vector<std::string> sim;
        std::vector<std::string> cli;
        Expected expected;
    } cases[] = {
        {{"--password", "4711"}, read, {1, "--password", {}}},
        {{"--password", "4711"},
         {"read", "-o", File("p.dat"), "--yes", "--password", "4712"},
         {1, Text(kWrongPassword), {}}},
        {{"--password", "4711"},
         {"read", "-o", File("p.dat"), "--yes", "--password", "4711"},
         {0, Text(kReadDone), {}}},
        {{"--fault", "no-block-reply:3"}, read, {1, Text(kCommError) + "\nCancelled: --retries N", {}}},
        {{"--fault", "no-block-reply:3"},
         {"read", "-o", File("r.dat"), "--yes", "--retries", "1"},
         {0, Text(kReadDone), {}}},
        {{"--ident", "MDL1A1"}, write, {1, Text(kModelDiffers), {}}},
        {{"--ident", "MDL1A1"}, write, {1, "--yes with --force answers OK", {}}},
        {{"--ident", "MDL1A1"}, {"write", data, "--force"}, {1, "--yes answers OK", {}}},
        {{"--ident", "MDL1A1"}, {"write", data, "--yes", "--force"}, {0, Text(kWriteDone), {}}},
        {{"--memory", "1024"}, write, {1, Text(kShortMemory).substr(0, 30), {}}},
        {{"--memory", "1024"}, {"write", data, "--yes", "--force"}, {0, Text(kWriteDone), {}}},
        {{}, {"radio-info"}, {0, "", {}}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> simArgs = {"--image", data};
        simArgs.insert(simArgs.end(), c.sim.begin(), c.sim.end());
        sim::test::SimProcess radio(simArgs);
        const std::string first = radio.FirstLine(std::chrono::seconds(5));
        ASSERT_EQ(first.rfind("PTY ", 0), 0u) << first;
        std::vector<std::string> args = c.cli;
        args.insert(args.end(), {"--port", first.substr(4)});
        ExpectRun(args, c.expected);
    }
    EXPECT_FALSE(std::filesystem::exists(File("read.dat")));
}

// The data password typed on a terminal is not shown: the terminal's echo is off while it is asked.
TEST_F(CliRadioCommands, PasswordTypedOnATerminalIsNotShown) {
    const std::string data = File("mdl2a.dat");
    ASSERT_EQ(RunCli({"new", data}).exitCode, 0);
    sim::test::SimProcess radio({"--image", data, "--password", "4711"});
    const std::string port = radio.FirstLine(std::chrono::seconds(5));
    ASSERT_EQ(port.rfind("PTY ", 0), 0u) << port;
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
    const std::string typingSide = ptsname(terminal);
    test::CliResult result;
    std::thread command([&] {
        result = RunCli({"read", "-o", File("p.dat"), "--yes", "--port", port.substr(4)}, typingSide);
    });
    // Type once the prompt waits (echo off), or after a while when it never goes off.
    termios mode{};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (tcgetattr(terminal, &mode) == 0 && (mode.c_lflag & ECHO) != 0 &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(write(terminal, "4711\n", 5), 5);
    command.join();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    fcntl(terminal, F_SETFL, O_NONBLOCK);
    char shown[64];
    EXPECT_LE(read(terminal, shown, sizeof shown), 0) << "the password was echoed";
    close(terminal);
}

// Waits for the trace to be created when the radio talk begins (enable it once it is): a file named
// by --trace is not emptied by a command that stops at its question, nor overwritten when it is not a
// trace.
TEST_F(CliRadioCommands, TraceIsNotCreatedBeforeTheRadioTalk) {
    const std::string data = File("site.dat");
    ASSERT_EQ(RunCli({"new", data}).exitCode, 0);
    const std::vector<uint8_t> before = test::ReadFileBytes(data);
    EXPECT_EQ(RunCli({"read", "--port", "virtual", "-o", File("x.dat"), "--trace", data}).exitCode, 1);
    EXPECT_EQ(RunCli({"read", "--port", "virtual", "-o", File("x.dat"), "--trace", data, "--yes"}).exitCode,
              1);
    EXPECT_EQ(test::ReadFileBytes(data), before);
}

} // namespace
} // namespace rpx
