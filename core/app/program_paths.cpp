#include "core/app/program_paths.h"

#include <unistd.h>

#include <filesystem>

namespace rpx {

namespace fs = std::filesystem;

namespace {

bool Writable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

} // namespace

std::string ProgramDirectory() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::current_path().string();
    return executable.parent_path().string();
}

std::string InstalledDataDirectory(const std::string& programDirectory) {
    return (fs::path(programDirectory) / RPX_DATA_FROM_PROGRAM).lexically_normal().string();
}

std::string DefaultDataDirectory(const std::string& programDirectory, const std::string& documentsDirectory) {
    const fs::path beside = fs::path(programDirectory) / "Data";
    std::error_code error;
    if (fs::exists(beside, error) ? Writable(beside) : Writable(programDirectory))
        return beside.string();
    const fs::path own = fs::path(documentsDirectory) / "RPX41C";
    fs::create_directories(own, error);
    return own.string();
}

std::vector<std::string> LanguageDirectories(const std::string& programDirectory) {
    return {programDirectory, InstalledDataDirectory(programDirectory)};
}

} // namespace rpx
