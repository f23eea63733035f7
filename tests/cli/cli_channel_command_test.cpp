#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace rpx {
namespace {

using test::RunCli;

class CliChannelCommand : public ::testing::Test {
protected:
    // A one-group VHF radio on band 1 with channel 1 at 146.52/146.5 MHz, decode 67.0 Hz.
    void SetUp() override {
        ASSERT_EQ(RunCli({"new", file, "--model", "MDL1A", "--code", "0x11"}).exitCode, 0);
        ASSERT_EQ(RunCli({"set", file, "1", "rx=146.52", "tx=146.5", "decode=67"}).exitCode, 0);
    }
    std::string Record() { return RunCli({"hex", file, "20", "16"}).out; }

    test::TempDir dir;
    std::string file = (dir / "radio.dat").string();
};

TEST_F(CliChannelCommand, PrintsEveryFieldAsTheDialogShowsIt) {
    EXPECT_EQ(RunCli({"channel", file, "1"}).out,
              "rx: 146.52000\ntx: 146.50000\ndecode: 67.0\nencode: Off\nunmute: QT/DQT\nlockout: Off\n"
              "bandwidth: Wide\nptt-id: Off\nscrambler-code: 1\npower: 1\nscan: 1\noption: 0\nbeat-shift: 0\n"
              "voice-scrambler: 0\n");
    EXPECT_EQ(RunCli({"channel", file, "2"}).out.substr(0, 24), "rx:\ntx:\ndecode:\nencode:\n");
}

TEST_F(CliChannelCommand, EditsInOrderThroughTheDialogRules) {
    ASSERT_EQ(RunCli({"channel", file, "1", "option=1", "unmute=#1", "lockout=dtmf", "voice-scrambler=1",
                      "scrambler-code=16", "ptt-id=BOTH", "bandwidth=narrow", "decode=d754i", "encode=101.5",
                      "beat-shift=1"})
                  .exitCode,
              0);
    EXPECT_EQ(Record(), "0020: 00 20 65 14 00 00 65 14 EC A9 F7 03 DD FF FF 12\n");
    // Option signalling off: OK clears the unmute rule; the stored lockout 3 stays until the next opening.
    ASSERT_EQ(RunCli({"channel", file, "1", "option=0"}).exitCode, 0);
    EXPECT_EQ(Record(), "0020: 00 20 65 14 00 00 65 14 EC A9 F7 03 0D FF FF 12\n");
    ASSERT_EQ(RunCli({"channel", file, "1", "power=0"}).exitCode, 0);
    EXPECT_EQ(Record(), "0020: 00 20 65 14 00 00 65 14 EC A9 F7 03 05 DF FF 12\n")
        << "lockout corrected to 1";
}

TEST_F(CliChannelCommand, RefusedEditsSaveNothing) {
    const std::string before = Record();
    const std::vector<std::vector<std::string>> cases = {
        {"rx=14a"},       {"scrambler-code=3"}, {"voice-scrambler=1", "scrambler-code=17"},
        {"lockout=dtmf"}, {"power=yes"},        {"decode=D8"},
        {"colour=red"},   {"bandwidth=#2"},     {"rx=", "tx=146"},
    };
    for (const auto& edits : cases) {
        std::vector<std::string> args = {"channel", file, "1"};
        args.insert(args.end(), edits.begin(), edits.end());
        EXPECT_EQ(RunCli(args).exitCode, 2) << edits.back();
        EXPECT_EQ(Record(), before) << edits.back();
    }
    EXPECT_EQ(RunCli({"channel", file, "5"}).exitCode, 1) << "no group 2 on this model";
}

} // namespace
} // namespace rpx
