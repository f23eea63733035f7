#pragma once

#include <string>
#include <vector>

#include "core/text/language_table.h"

namespace rpx {

// The 206 choices of every tone drop-down: the off text 1001023, the 39 CTCSS tones ascending
// ("67.0" .. "250.3"), the 83 DCS codes with normal polarity ("D023N" .. "D754N") and the same codes
// inverted ("D023I" .. "D754I").
std::vector<std::string> BuildToneList(const LanguageTable& texts);

} // namespace rpx
