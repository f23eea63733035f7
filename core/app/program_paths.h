#pragma once

#include <string>
#include <vector>

namespace rpx {

// The folder of the running executable (no trailing separator).
std::string ProgramDirectory();
// The data folder when the settings name none: "Data" inside the program folder.
std::string DefaultDataDirectory(const std::string& programDirectory);
// Where the language files are looked for, in order: beside the executable, then the installed data folder.
std::vector<std::string> LanguageDirectories(const std::string& programDirectory);

} // namespace rpx
