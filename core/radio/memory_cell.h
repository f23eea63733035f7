#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rpx {

// A byte cell of the memory map holds at most two typed characters.
inline constexpr std::size_t kMemoryCellLength = 2;

// The text a cell keeps when the user leaves it: empty becomes "FF", one character gets a leading
// "0", and letters are upper case ("a" -> "0A").
std::string CommitMemoryCell(std::string_view typed);
// The byte a committed cell stands for: each character a hexadecimal digit, upper or lower case.
// False for a character that is no hexadecimal digit.
bool ParseMemoryCell(std::string_view cell, uint8_t& value);

} // namespace rpx
