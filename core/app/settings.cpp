#include "core/app/settings.h"

#include <charconv>

namespace rpx {

namespace {

// The port number stored under key; fallback when it is missing or not a number of 0..255.
uint8_t PortNumberValue(const SettingsStore& store, std::string_view key, uint8_t fallback) {
    const auto port = store.Value(std::string(key));
    if (!port)
        return fallback;
    int value = 0;
    const auto [end, error] = std::from_chars(port->data(), port->data() + port->size(), value);
    if (error == std::errc() && end == port->data() + port->size() && value >= 0 && value <= 255)
        return static_cast<uint8_t>(value);
    return fallback;
}

} // namespace

AppSettings ReadSettings(const SettingsStore& store) {
    AppSettings settings;
    settings.comPort = PortNumberValue(store, kComPortKey, settings.comPort);
    settings.model = store.Value(std::string(kModelKey)).value_or("");
    settings.dataDirectory = store.Value(std::string(kDataDirectoryKey)).value_or("");
    settings.devicePath = store.Value(std::string(kDevicePathKey)).value_or("");
    settings.boardPort = PortNumberValue(store, kBoardPortKey, settings.boardPort);
    settings.boardDevicePath = store.Value(std::string(kBoardDevicePathKey)).value_or("");
    return settings;
}

void WriteSettings(SettingsStore& store, const AppSettings& settings) {
    store.SetValue(std::string(kComPortKey), std::to_string(settings.comPort));
    store.SetValue(std::string(kModelKey), settings.model);
    store.SetValue(std::string(kDataDirectoryKey), settings.dataDirectory);
    store.SetValue(std::string(kDevicePathKey), settings.devicePath);
    store.SetValue(std::string(kBoardPortKey), std::to_string(settings.boardPort));
    store.SetValue(std::string(kBoardDevicePathKey), settings.boardDevicePath);
}

std::string ModelSettingFromImage(const RadioImage& image) {
    std::string model;
    for (std::size_t i = 0; i < RadioImage::kModelIdentityLength; ++i) {
        const uint8_t b = image.Byte(RadioImage::kModelString + i);
        if (b == 0)
            break;
        model += static_cast<char>(b);
    }
    return model;
}

bool IsExtendedModePhrase(std::string_view rawCommandLine) {
    return rawCommandLine == "Service Facilities";
}

} // namespace rpx

namespace rpx {

std::string RawCommandLine(const std::vector<std::string>& arguments) {
    std::string raw;
    for (const std::string& argument : arguments) {
        if (!raw.empty())
            raw += ' ';
        raw += argument.find_first_of(" \t") == std::string::npos ? argument : '"' + argument + '"';
    }
    return raw;
}

} // namespace rpx
