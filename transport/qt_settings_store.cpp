#include "transport/qt_settings_store.h"

#include <QSettings>

namespace rpx::transport {

QtSettingsStore::QtSettingsStore() : m_settings(std::make_unique<QSettings>("BREVANE", "RPX41C")) {}

QtSettingsStore::QtSettingsStore(const std::filesystem::path& iniFile)
    : m_settings(
          std::make_unique<QSettings>(QString::fromStdString(iniFile.string()), QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<std::string> QtSettingsStore::Value(const std::string& key) const {
    const QVariant value = m_settings->value(QString::fromStdString(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toLatin1().toStdString();
}

void QtSettingsStore::SetValue(const std::string& key, const std::string& value) {
    m_settings->setValue(QString::fromStdString(key),
                         QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
    // No event loop may run later to write it out.
    m_settings->sync();
}

} // namespace rpx::transport
