#include "core/backup/backup_store.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "core/radio/data_file.h"
#include "core/radio/safe_file_writer.h"

namespace rpx {

namespace {

constexpr std::string_view kExtension = ".dat";
constexpr std::size_t kStampLength = 17; // "2026-12-07_004512"

// The model code as a file name may hold it: letters and digits, anything else as "_".
std::string NamePart(const std::string& modelCode) {
    std::string part;
    for (const char c : modelCode)
        part += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return part;
}

} // namespace

std::filesystem::path DefaultBackupFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path base =
        dataHome != nullptr && *dataHome != '\0'
            ? std::filesystem::path(dataHome)
            : std::filesystem::path(home != nullptr ? home : ".") / ".local/share";
    return base / "BREVANE" / "RPX41C" / "backups";
}

Result<std::filesystem::path> BackupStore::Keep(const RadioImage& image,
                                                std::chrono::system_clock::time_point time) const {
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error)
        return Failure{error.message()};
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[kStampLength + 1];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H%M%S", &local);
    const std::string stem = std::string(stamp) + '_' + NamePart(image.ModelCode());
    std::filesystem::path path = m_folder / (stem + std::string(kExtension));
    for (int n = 2; std::filesystem::exists(path, error); ++n)
        path = m_folder / (stem + '_' + std::to_string(n) + std::string(kExtension));
    const std::vector<uint8_t> bytes = SerialiseDataFile(image);
    if (Status written = WriteFileSafely(path, bytes); !written)
        return Failure{written.Message()};
    return path;
}

std::vector<BackupEntry> BackupStore::List() const {
    std::vector<BackupEntry> entries;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(m_folder, error)) {
        std::string name = item.path().stem().string();
        if (!item.is_regular_file(error) || item.path().extension() != kExtension ||
            name.size() < kStampLength + 2)
            continue;
        name[10] = ' ';
        name.insert(13, ":").insert(16, ":");
        name[19] = ' ';
        entries.push_back({item.path(), name});
    }
    // The stamp leads the name, so the newest sort last by name.
    std::ranges::sort(entries, std::greater{},
                      [](const BackupEntry& e) { return e.path.filename().string(); });
    return entries;
}

} // namespace rpx
