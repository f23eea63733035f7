#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/app/settings.h"

class QSettings;

namespace rpx::transport {

// The settings in the user's profile (QSettings "BREVANE"/"RPX41C"). Values keep their raw bytes:
// each byte is stored as the character of the same code, so any byte 0x01..0xFF comes back as it was.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    // Keeps the settings in this INI file instead (tests, portable installs).
    explicit QtSettingsStore(const std::filesystem::path& iniFile);
    ~QtSettingsStore() override;
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    // Keys name group and value: "Backup/ComPort".
    std::optional<std::string> Value(const std::string& key) const override;
    void SetValue(const std::string& key, const std::string& value) override;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace rpx::transport
