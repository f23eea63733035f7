#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace rpx {
namespace {

using test::RunCli;

class CliSettingsCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCli({"new", file, "--model", "MDL1B", "--code", "0x10"}).exitCode, 0);
    }
    std::string Bytes(const char* offset, const char* length) {
        return RunCli({"hex", file, offset, length}).out;
    }

    test::TempDir dir;
    std::string file = (dir / "radio.dat").string();
};

TEST_F(CliSettingsCommand, EditsInOrderAndPrintsAsTheDialogsShow) {
    ASSERT_EQ(RunCli({"settings", file, "scan", "revert-channel=selected", "dropout-delay-time=2.2",
                      "tx-dwell-time=0.1", "tx-dwell-time=9", "off-hook-scan=on"})
                  .exitCode,
              0);
    EXPECT_EQ(Bytes("260", "4"), "0260: 00 04 0A 01\n");
    ASSERT_EQ(RunCli({"settings", file, "message", "line-1=NORTH DEPOT", "line-2=A\tB"}).exitCode, 0);
    EXPECT_EQ(Bytes("300", "13"), "0300: 4E 4F 52 54 48 20 44 45 50 4F 54 FF FF\n");
    EXPECT_EQ(Bytes("320", "2"), "0320: FF FF\n");
    EXPECT_EQ(RunCli({"settings", file, "scan"}).out,
              "scan.revert-channel: Selected\nscan.dropout-delay-time: 2.0\nscan.tx-dwell-time: 5.0\n"
              "scan.off-hook-scan: on\n");
    // Band 1: 150.003 lies nearest the 2.5 kHz raster.
    ASSERT_EQ(RunCli({"settings", file, "test-frequency", "3.rx=150.003", "3.tx="}).exitCode, 0);
    EXPECT_EQ(Bytes("290", "8"), "0290: 50 02 00 15 FF FF FF FF\n");
    EXPECT_NE(RunCli({"settings", file}).out.find("test-frequency.3.rx: 150.00250\ntest-frequency.3.tx:\n"),
              std::string::npos);
    const std::string all = RunCli({"settings", file}).out;
    EXPECT_NE(all.find("scan.off-hook-scan: on\n"), std::string::npos);
    EXPECT_NE(all.find("message.line-1: NORTH DEPOT\nmessage.line-2:\n"), std::string::npos);
}

TEST_F(CliSettingsCommand, DtmfCodesAndTheTonePageFollowTheWindowsRules) {
    const auto refused = RunCli({"settings", file, "dtmf", "memory-1=12*#AD", "tone-1-frequency=1000"});
    EXPECT_EQ(refused.exitCode, 1) << "the tone page needs the special call alert";
    EXPECT_NE(refused.err.find("Special"), std::string::npos) << refused.err;
    EXPECT_EQ(Bytes("F0", "2"), "00F0: FF FF\n");
    ASSERT_EQ(RunCli({"settings", file, "dtmf", "memory-1=12*#ad", "stun-code=", "alert-tone-level=5",
                      "call-alert=special", "tone-1-frequency=1000"})
                  .exitCode,
              0);
    EXPECT_EQ(Bytes("F0", "7"), "00F0: 31 32 2A 23 41 44 FF\n");
    EXPECT_EQ(Bytes("1A0", "1"), "01A0: 06\n");
    EXPECT_EQ(Bytes("1D0", "3"), "01D0: 00 FF FF\n");
    EXPECT_EQ(Bytes("1E0", "1"), "01E0: 64\n");
    const std::string shown = RunCli({"settings", file, "dtmf"}).out;
    EXPECT_NE(shown.find("dtmf.memory-1: 12*#AD\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("dtmf.call-alert: Special\n"), std::string::npos) << shown;
}

TEST_F(CliSettingsCommand, RefusedValuesAndUsageErrorsSaveNothing) {
    const std::string before = Bytes("260", "4");
    const struct {
        std::vector<std::string> words;
        int exitCode;
    } cases[] = {
        {{"scan", "tx-dwell-time=1", "revert-channel=first"}, 1},
        {{"scan", "dropout-delay-time=12.5"}, 1},
        {{"scan", "off-hook-scan=yes"}, 1},
        {{"scan", "dwell=1"}, 2},
        {{"scan", "tx-dwell-time"}, 2},
        {{"scanner"}, 2},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"settings", file};
        args.insert(args.end(), c.words.begin(), c.words.end());
        const auto result = RunCli(args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.words.back();
        EXPECT_FALSE(result.err.empty()) << c.words.back();
        EXPECT_EQ(Bytes("260", "4"), before) << c.words.back();
    }
    EXPECT_EQ(RunCli({"settings", file, "--keys"}).exitCode, 2);
}

TEST_F(CliSettingsCommand, EmergencyAndTheExtendedSheetEditTheirBytes) {
    ASSERT_EQ(RunCli({"settings", file, "emergency", "type=MSK", "fleet=50", "tx-duration=300"}).exitCode, 0);
    EXPECT_EQ(Bytes("23A", "4"), "023A: 00 01 00 00\n");
    EXPECT_EQ(Bytes("201", "1"), "0201: FF\n");
    const auto greyed = RunCli({"settings", file, "emergency", "code=123"});
    EXPECT_EQ(greyed.exitCode, 1) << "the codes are greyed while MSK is sent";
    EXPECT_NE(greyed.err.find("emergency.code=123: code is greyed now"), std::string::npos) << greyed.err;

    EXPECT_EQ(RunCli({"settings", file, "extended", "scrambler.voice-1=on"}).exitCode, 2);
    EXPECT_EQ(RunCli({"settings", file}).out.find("extended."), std::string::npos);
    ASSERT_EQ(RunCli({"settings", file, "extended", "scrambler.voice-1=on", "key.ch-4=Monitor", "--extended"})
                  .exitCode,
              0);
    EXPECT_EQ(Bytes("2E", "1"), "002E: 0F\n");
    EXPECT_EQ(Bytes("243", "1"), "0243: 06\n");
    EXPECT_NE(RunCli({"settings", file, "extended", "--extended"}).out.find("extended.key.ch-4: Monitor\n"),
              std::string::npos);
}

// The optional features and the function port: a refusal saves nothing of the edits before it.
TEST_F(CliSettingsCommand, OptionalAndFunctionPortEditsSaveWithTheWindowsRules) {
    ASSERT_EQ(RunCli({"settings", file, "optional", "tot=45", "squelch=", "password=1234"}).exitCode, 0);
    EXPECT_EQ(Bytes("A5", "1"), "00A5: 03\n");
    EXPECT_EQ(Bytes("A9", "1"), "00A9: 01\n");
    EXPECT_EQ(Bytes("D0", "5"), "00D0: 31 32 33 34 FF\n");

    const auto refused = RunCli({"settings", file, "optional", "tot=off", "pre-alert=5"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(refused.err.empty());
    EXPECT_EQ(Bytes("A5", "1"), "00A5: 03\n");

    ASSERT_EQ(RunCli({"settings", file, "function-port", "device=smartrunk", "port-2=hook (in)"}).exitCode,
              0);
    EXPECT_EQ(Bytes("250", "9"), "0250: FF 00 FF FF FF FF FF FF 03\n");
    const std::string shown = RunCli({"settings", file, "function-port"}).out;
    EXPECT_EQ(
        shown.substr(0, shown.find("function-port.port-3")),
        "function-port.device: SmarTrunk\nfunction-port.port-1: Off\nfunction-port.port-2: Hook (In)\n");
}

TEST_F(CliSettingsCommand, KeysListEveryFieldThatPrintingShows) {
    const std::string keys = RunCli({"settings", "--keys"}).out;
    EXPECT_NE(keys.find("scan.revert-channel (choice): Selected, Last Called, #0..#1\n"), std::string::npos);
    std::size_t printed = 0;
    for (const char c : RunCli({"settings", file}).out)
        printed += c == '\n';
    EXPECT_EQ(std::count(keys.begin(), keys.end(), '\n'), printed);
}

} // namespace
} // namespace rpx
