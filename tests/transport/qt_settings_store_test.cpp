#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/temp_dir.h"
#include "transport/qt_settings_store.h"

namespace rpx::transport {
namespace {

std::string EveryNonZeroByte() {
    std::string bytes;
    for (int b = 1; b <= 0xFF; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

TEST(QtSettingsStore, ValuesComeBackByteForByteInAFreshStore) {
    const test::TempDir folder;
    const std::string values[] = {"", "3", std::string("MDL2A1\xBF\xFF", 8), "/home/j\xC3\xBCrgen/Funk Daten",
                                  EveryNonZeroByte()};
    for (const std::string& value : values) {
        QtSettingsStore(folder / "rpx.ini").SetValue("Backup/Model", value);
        EXPECT_EQ(QtSettingsStore(folder / "rpx.ini").Value("Backup/Model"), value);
    }
}

TEST(QtSettingsStore, AMissingValueIsNone) {
    const test::TempDir folder;
    QtSettingsStore store(folder / "rpx.ini");
    store.SetValue("Backup/ComPort", "2");
    EXPECT_EQ(store.Value("Backup/Model"), std::nullopt);
    EXPECT_EQ(store.Value("Other/ComPort"), std::nullopt);
}

TEST(QtSettingsStore, KeysNameTheGroupAndTheValue) {
    const test::TempDir folder;
    QtSettingsStore(folder / "rpx.ini").SetValue("Backup/ComPort", "3");
    std::ostringstream file;
    file << std::ifstream(folder / "rpx.ini").rdbuf();
    EXPECT_EQ(file.str(), "[Backup]\nComPort=3\n");
}

TEST(QtSettingsStore, ApplicationSettingsSurviveARun) {
    const test::TempDir folder;
    AppSettings written;
    written.comPort = 3;
    written.model = std::string("MDL2A1\xBF\xFF", 8);
    written.dataDirectory = "/home/tech/radios";
    {
        QtSettingsStore store(folder / "rpx.ini");
        WriteSettings(store, written);
    }
    const AppSettings read = ReadSettings(QtSettingsStore(folder / "rpx.ini"));
    EXPECT_EQ(read.comPort, 3);
    EXPECT_EQ(read.model, written.model);
    EXPECT_EQ(read.dataDirectory, written.dataDirectory);
}

} // namespace
} // namespace rpx::transport
