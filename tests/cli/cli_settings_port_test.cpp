#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace rpx {
namespace {

using test::RunCli;

// The optional features and the function port on the command line: the same rules as their windows,
// and a refusal saves nothing of the edits before it.
TEST(CliSettingsOptionalAndPort, EditsSaveWithTheWindowsRulesAndARefusalSavesNothing) {
    test::TempDir dir;
    const std::string file = (dir / "radio.dat").string();
    ASSERT_EQ(RunCli({"new", file, "--model", "MDL1B", "--code", "0x10"}).exitCode, 0);
    const auto bytes = [&](const char* offset, const char* length) {
        return RunCli({"hex", file, offset, length}).out;
    };
    ASSERT_EQ(RunCli({"settings", file, "optional", "tot=45", "squelch=", "password=1234"}).exitCode, 0);
    EXPECT_EQ(bytes("A5", "1"), "00A5: 03\n");
    EXPECT_EQ(bytes("A9", "1"), "00A9: 01\n");
    EXPECT_EQ(bytes("D0", "5"), "00D0: 31 32 33 34 FF\n");

    const auto refused = RunCli({"settings", file, "optional", "tot=off", "pre-alert=5"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(refused.err.empty());
    EXPECT_EQ(bytes("A5", "1"), "00A5: 03\n");

    ASSERT_EQ(RunCli({"settings", file, "function-port", "device=smartrunk", "port-2=hook (in)"}).exitCode,
              0);
    EXPECT_EQ(bytes("250", "9"), "0250: FF 00 FF FF FF FF FF FF 03\n");
    const std::string shown = RunCli({"settings", file, "function-port"}).out;
    EXPECT_EQ(
        shown.substr(0, shown.find("function-port.port-3")),
        "function-port.device: SmarTrunk\nfunction-port.port-1: Off\nfunction-port.port-2: Hook (In)\n");
}

} // namespace
} // namespace rpx
