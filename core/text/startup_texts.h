#pragma once

#include <string>
#include <vector>

#include "core/app/messenger.h"
#include "core/text/language_table.h"

namespace rpx {

// Texts of the program's own messages that came after the original set.
namespace txt {
inline constexpr TextId kSaveFailed = 3020001;     // %1 path, %2 reason
inline constexpr TextId kOpenFailed = 3020003;     // %1 path, %2 reason
inline constexpr TextId kPortPermission = 3020005; // %1 device path, %2 reason
inline constexpr TextId kPartlyWritten = 3020201;  // a write that stopped after blocks went out
inline constexpr TextId kModelCodes = 3020203;     // %1 the data's model code, %2 the radio's
inline constexpr TextId kPortNoAccess = 3020205;   // %1 device path, %2 reason; not a group matter
} // namespace txt

// Every TextId the program looks up: the 471 of the original set, then the program's own.
std::vector<TextId> StartupTextIds();
// The original set alone.
std::vector<TextId> OriginalTextIds();

// Loads the startup texts from the first of directories that holds the language files. On failure
// tells the user (with the two fixed messages that cannot come from the files) and returns false:
// the program must then end with exit code 1.
bool LoadTexts(LanguageTable& table, Messenger& messenger, const std::vector<std::string>& directories);

} // namespace rpx
