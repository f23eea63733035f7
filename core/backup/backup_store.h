#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app/result.h"
#include "core/radio/radio_image.h"

namespace rpx {

// The folder backups are kept in: "BREVANE/RPX41C/backups" in the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share).
std::filesystem::path DefaultBackupFolder();

// One kept backup; its name says when it was read and from which model.
struct BackupEntry {
    std::filesystem::path path;
    std::string name; // "2026-12-07 00:45:12 MDL2A1"
};

// Copies of what radios held, each as a data file that File > Open takes, named by date, time and
// the model code of the image: "2026-12-07_004512_MDL2A1.dat" (a "_2" and so on when one second
// held several reads). A backup is never overwritten.
class BackupStore {
public:
    explicit BackupStore(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    const std::filesystem::path& Folder() const { return m_folder; }
    // Keeps image as read at time; the new file's path, or why it could not be made.
    Result<std::filesystem::path> Keep(const RadioImage& image,
                                       std::chrono::system_clock::time_point time) const;
    // The backups in the folder, newest first.
    std::vector<BackupEntry> List() const;

private:
    std::filesystem::path m_folder;
};

} // namespace rpx
