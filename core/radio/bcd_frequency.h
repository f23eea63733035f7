#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/radio/radio_image.h"

namespace rpx {

// A frequency in units of 10 Hz held as 8 packed BCD digits in 4 bytes, least significant byte
// first: 146.52000 MHz = 14652000 units = 0x00 0x20 0x65 0x14.
namespace bcd {

inline constexpr uint32_t kMaxUnits = 99999999;

// Units from the four bytes at offset (nibbles above 9 count with their face value).
uint32_t ReadFrequency(const RadioImage& image, std::size_t offset);
// Writes units (at most kMaxUnits) as eight BCD digits.
void WriteFrequency(RadioImage& image, std::size_t offset, uint32_t units);
// The eight digits most significant first, one character per nibble ("14652000").
std::string Digits(const RadioImage& image, std::size_t offset);
// The display text "146.52000" (the digits with a point after the third), or empty when the first
// byte is 0xFF (no frequency).
std::string FrequencyText(const RadioImage& image, std::size_t offset);

} // namespace bcd
} // namespace rpx
