#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace rpx {
namespace {

using test::RunCli;
using test::RunProgram;

// The PDF's text laid out as printed, one page after the other.
std::string PdfText(const std::string& pdf) {
    return RunProgram("/usr/bin/pdftotext", {"-layout", pdf, "-"}).out;
}

TEST(CliPrintCommand, WritesTheSelectedSectionsWithHeaderAndChannelColumns) {
    test::TempDir dir;
    const std::string file = (dir / "north depot.dat").string();
    const std::string pdf = (dir / "record.pdf").string();
    ASSERT_EQ(RunCli({"new", file, "--model", "MDL2B", "--code", "0x31"}).exitCode, 0);
    ASSERT_EQ(RunCli({"set", file, "1", "rx=450.0125", "tx=455.5", "decode=D023N"}).exitCode, 0);
    ASSERT_EQ(RunCli({"settings", file, "key", "key-2=group"}).exitCode, 0);

    const test::CliResult printed = RunCli({"print", file, "--sections", "scan,channel,key", "-o", pdf});
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.out, pdf + ": 4 pages\n");
    const std::string text = PdfText(pdf);
    // pdftotext keeps the columns apart with spaces; a pair in one line is one match.
    for (const char* expected : {
             "RPX-41C Radio Programming Data",
             "[0-9][0-9] /[0-9][0-9]/20[0-9][0-9] [0-9][0-9]:[0-9][0-9]", // a space before the first slash
             "Model +MDL2B", "File +north depot.dat", "Channel List - Group 2",
             "RX Frequency +450.01250 +TX Frequency +455.50000", "QT/DQT Decode +D023N +QT/DQT Encode +Off",
             "Channel 2 +Not programmed", "Scan\n+ +Revert Channel +Last Called",
             "Key Assignment 2 +Group", // a key's label is the dialog's name and its number
         })
        EXPECT_TRUE(testing::internal::RE::PartialMatch(text, testing::internal::RE(expected)))
            << expected << "\n"
            << text;

    EXPECT_EQ(RunCli({"print", file, "--sections", "smartrunk", "-o", pdf}).exitCode, 2);
    EXPECT_EQ(RunCli({"print", file, "--sections", "nothing", "-o", pdf}).exitCode, 2);
}

} // namespace
} // namespace rpx
