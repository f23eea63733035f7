#include "core/app/program_paths.h"

#include <filesystem>

namespace rpx {

std::string ProgramDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path().string();
    return executable.parent_path().string();
}

std::string DefaultDataDirectory(const std::string& programDirectory) {
    return (std::filesystem::path(programDirectory) / "Data").string();
}

std::vector<std::string> LanguageDirectories(const std::string& programDirectory) {
    return {programDirectory, RPX_DATA_DIR};
}

} // namespace rpx
