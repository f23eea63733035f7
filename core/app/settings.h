#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/radio/radio_image.h"

namespace rpx {

// Where settings are kept between runs (the window program keeps them in the user's profile).
// Keys are "Backup/ComPort", "Backup/Model" and "Backup/Directry"; values are raw byte strings.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> Value(const std::string& key) const = 0;
    virtual void SetValue(const std::string& key, const std::string& value) = 0;
};

// The settings remembered from the last run.
struct AppSettings {
    uint8_t comPort = 1;         // n of "COM"n used for the radio
    std::string model;           // image bytes 0x3C0..0x3C7 up to the first zero byte, raw
    std::string dataDirectory;   // empty: the program folder's "Data" folder
    std::string devicePath;      // a device chosen by path instead of by number; empty: none
    uint8_t boardPort = 1;       // the trunking board's port, as comPort
    std::string boardDevicePath; // the trunking board's device, as devicePath
};

inline constexpr std::string_view kComPortKey = "Backup/ComPort";
inline constexpr std::string_view kModelKey = "Backup/Model";
inline constexpr std::string_view kDataDirectoryKey = "Backup/Directry";
inline constexpr std::string_view kDevicePathKey = "Backup/Device";
inline constexpr std::string_view kBoardPortKey = "Board/ComPort";
inline constexpr std::string_view kBoardDevicePathKey = "Board/Device";

// Missing or unreadable values take their defaults.
AppSettings ReadSettings(const SettingsStore& store);
void WriteSettings(SettingsStore& store, const AppSettings& settings);

// The Model setting for an image: its eight identity bytes up to the first zero byte.
std::string ModelSettingFromImage(const RadioImage& image);

// Extended mode is on only when the whole raw command line is exactly this phrase.
bool IsExtendedModePhrase(std::string_view rawCommandLine);
// The command line as one text, the way a shell would show it: arguments holding blanks are quoted.
std::string RawCommandLine(const std::vector<std::string>& arguments);

} // namespace rpx
