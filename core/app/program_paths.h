#pragma once

#include <string>
#include <vector>

namespace rpx {

// The folder of the running executable (no trailing separator).
std::string ProgramDirectory();
// The installed data folder (language files, help pages), found from the program folder so an
// installed tree works under any prefix.
std::string InstalledDataDirectory(const std::string& programDirectory);
// The data folder when the settings name none: "Data" inside the program folder while that can be
// written (a build run from its own folder), else "RPX41C" inside the user's documents folder, which
// is created here; should that fail, the file dialogs start in their own default folder.
std::string DefaultDataDirectory(const std::string& programDirectory, const std::string& documentsDirectory);
// Where the language files are looked for, in order: beside the executable, then the installed data folder.
std::vector<std::string> LanguageDirectories(const std::string& programDirectory);

} // namespace rpx
