#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"
#include "transport/qt_settings_store.h"

namespace rpx::transport {
namespace {

TEST(QtSettingsStore, ValuesComeBackByteForByteInAFreshStore) {
    const test::TempDir folder;
    std::string everyNonZeroByte;
    for (int b = 1; b <= 0xFF; ++b)
        everyNonZeroByte += static_cast<char>(b);
    for (const std::string& value : {std::string(), std::string("MDL2A1\xBF\xFF", 8),
                                     std::string("/home/j\xC3\xBCrgen/Funk Daten"), everyNonZeroByte}) {
        QtSettingsStore(folder / "rpx.ini").SetValue("Backup/Model", value);
        EXPECT_EQ(QtSettingsStore(folder / "rpx.ini").Value("Backup/Model"), value);
    }
}

} // namespace
} // namespace rpx::transport
