#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace rpx::sim {

using Bytes = std::vector<uint8_t>;

inline constexpr uint8_t kAck = 0x06;
inline constexpr uint8_t kNak = 0x15;

// Reply to 0x02: the six characters of the model code, a flag byte whose bit 6 says the data may be
// read, and an unused byte.
Bytes IdentificationRecord(std::string_view modelCode, bool readable);
// Reply to 0x50: byte 1 is 0x33 for 2048 bytes of memory and 0x31 otherwise; byte 6 is 0xFF when
// the radio refuses extended-variant data.
Bytes MemorySizeRecord(std::size_t memorySize, bool refuseExtended);
// Reply to "NRK": "N", 16 characters of text (0xFF after a shorter one), the six characters of the
// model code and two unused bytes.
Bytes InfoRecord(std::string_view infoText, std::string_view modelCode);
// Reply to a block read: "W", page, offset, length, then the data.
Bytes BlockReply(uint8_t page, uint8_t offset, std::span<const uint8_t> data);

} // namespace rpx::sim
