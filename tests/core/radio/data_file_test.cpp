#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/radio/data_file.h"

namespace rpx {
namespace {

// The first size bytes of a data file whose image byte n is n * 7 + 3, so a shifted copy shows.
std::vector<uint8_t> PatternFile(const std::string& magic = "RZ7150", std::size_t size = kDataFileSize) {
    std::vector<uint8_t> bytes(magic.begin(), magic.end());
    bytes.resize(kDataFileHeaderSize, 0xFF);
    for (std::size_t n = 0; n < RadioImage::kSize; ++n)
        bytes.push_back(static_cast<uint8_t>(n * 7 + 3));
    bytes.resize(size, 0x5A);
    return bytes;
}

TEST(DataFile, ParseAcceptsOnlyWholeFilesWithAKnownMagicAndSaysWhatIsWrong) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        DataFileFault fault;
    };
    std::vector<Case> cases = {
        {"written magic", PatternFile("RZ7150"), DataFileFault::None},
        {"older magic", PatternFile("RQ7150"), DataFileFault::None},
        {"header tail not examined", PatternFile(std::string("RZ7150\0\0\0\0\0\0\0\0\0\0", 16)),
         DataFileFault::None},
        {"longer file", PatternFile("RZ7150", kDataFileSize + 500), DataFileFault::None},
        {"one byte short", PatternFile("RZ7150", kDataFileSize - 1), DataFileFault::TooShort},
        {"magic alone", PatternFile("RZ7150", 6), DataFileFault::TooShort},
        {"short and wrong", PatternFile("RZ7159", 100), DataFileFault::WrongHeader},
        {"part of a magic", PatternFile("RZ7150", 5), DataFileFault::TooShort},
        {"empty", {}, DataFileFault::TooShort},
    };
    for (std::size_t i = 0; i < 6; ++i) {
        cases.push_back({"magic character changed", PatternFile(), DataFileFault::WrongHeader});
        cases.back().bytes[i] ^= 0x20;
    }
    for (const Case& c : cases) {
        EXPECT_EQ(CheckDataFile(c.bytes), c.fault) << c.name;
        const auto image = ParseDataFile(c.bytes);
        ASSERT_EQ(image.has_value(), c.fault == DataFileFault::None) << c.name;
        if (image) {
            EXPECT_EQ(image, ParseDataFile(PatternFile())) << c.name;
        }
    }
}

TEST(DataFile, SerialiseWritesTheHeaderAndRoundTrips) {
    const RadioImage image = *ParseDataFile(PatternFile("RQ7150"));
    EXPECT_EQ(SerialiseDataFile(image), PatternFile("RZ7150"));
}

TEST(DataFile, PreviewShowsTheBytesBelowFFOfLinesThatStartBelowFF) {
    const auto withMessage = [](std::vector<uint8_t> file, const std::string& first,
                                const std::string& second) {
        const auto line1 = file.begin() + kDataFileHeaderSize + 0x300;
        std::fill(line1, line1 + 64, 0xFF);
        std::copy(first.begin(), first.end(), line1);
        std::copy(second.begin(), second.end(), line1 + 32);
        return file;
    };
    const std::string full(32, 'W');
    const std::pair<std::vector<uint8_t>, MessagePreview> cases[] = {
        {withMessage(PatternFile(), "HELLO", ""), {"HELLO", ""}},
        {withMessage(PatternFile(), "A\xFF\xFF\x42", full), {"AB", full}},
        {withMessage(PatternFile(), "\xFFHIDDEN", "\x01x"), {"", "\x01x"}},
        {withMessage(PatternFile("RZ7151"), "HELLO", "X"), {}},
        {PatternFile("RZ7150", 900), {}},
    };
    for (const auto& [file, expected] : cases)
        EXPECT_EQ(PreviewMessage(file), expected) << expected.first << "|" << expected.second;
}

} // namespace
} // namespace rpx
