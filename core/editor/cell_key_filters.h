#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rpx {

inline constexpr char kBackspaceKey = '\b';
inline constexpr char kTabKey = '\t';
inline constexpr std::size_t kFrequencyCellLimit = 9; // characters a frequency cell holds
inline constexpr std::size_t kToneCellLimit = 5;      // characters that can be typed into a tone drop-down

// The frequency cells' key filter: digits, "." and backspace reach the cell, every other key is
// swallowed.
bool FrequencyEditAccepts(char key);
// The tone drop-downs' key filter: d, n and i become D, N and I; backspace, Tab, D, I, N, digits and
// "." pass; 8 and 9 are swallowed once the text begins with "D". std::nullopt: the key is swallowed.
std::optional<char> FilterToneKey(char key, std::string_view currentText);

// The TX frequency dialog's field takes a "." only as its fourth character and only once: the text
// with every other "." removed (the text itself when it has none to remove).
std::string DropMisplacedPoints(std::string_view text);

// The text after keys are typed one by one at the end of a cell, each through its filter and the cell's
// character limit; backspace removes the last character, Tab leaves the text as it is.
std::string TypeIntoFrequencyCell(std::string current, std::string_view keys);
std::string TypeIntoToneCell(std::string current, std::string_view keys);

} // namespace rpx
