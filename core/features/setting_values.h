#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/result.h"

namespace rpx {

// The value forms every feature dialog shares on the command line, so that a list or a check box
// is named the same way in every dialog.

// A list's choice: the text of an item (in any case) or "#N", N counting from 0.
Result<int> ChoiceOf(const std::vector<std::string>& items, std::string_view value, const Notifier& notifier);
// The range of a list as --keys shows it: its items, then "#0..#N".
std::string ChoicesRange(const std::vector<std::string>& items);

// A check box: "on" (ticked) or "off", also "1" or "0".
Result<bool> BoxOf(std::string_view value, const Notifier& notifier);
inline std::string BoxText(bool ticked) {
    return ticked ? "on" : "off";
}
inline constexpr const char* kBoxRange = "on, off";

} // namespace rpx
