#include <gtest/gtest.h>

#include "core/radio/data_file.h"
#include "sim/image_file.h"
#include "tests/sim/radio_bench.h"
#include "tests/support/temp_dir.h"

namespace rpx::sim::test {
namespace {

TEST(ImageFile, LoadsDataFilesAndRawImagesOnly) {
    rpx::test::TempDir dir;
    const RadioImage image = PatternImage();
    const std::vector<uint8_t> dataFile = SerialiseDataFile(image);
    const std::vector<uint8_t> raw(image.Bytes().begin(), image.Bytes().end());
    dir.Write("radio.dat", dataFile);
    dir.Write("radio.bin", raw);
    dir.Write("short.bin", std::vector<uint8_t>(raw.begin(), raw.end() - 1));

    for (const char* name : {"radio.dat", "radio.bin"}) {
        std::string error;
        EXPECT_EQ(LoadImageFile(dir / name, error), image) << name;
    }
    for (const char* name : {"short.bin", "missing.dat"}) {
        std::string error;
        EXPECT_FALSE(LoadImageFile(dir / name, error).has_value()) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
}

} // namespace
} // namespace rpx::sim::test
