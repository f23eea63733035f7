#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace rpx {

// The trunking board's replies, decoded from their bytes alone.

// The 3-byte answer to an access code: granted when it starts "2", or LF or CR stand where the
// board puts them.
bool AccessGranted(std::span<const uint8_t> reply);
// A 12-byte data record of a read: data 0..3, LF CR, data 4..7, two more bytes. The 8 data bytes,
// or nothing when LF CR are not in their place.
std::optional<std::array<uint8_t, 8>> ParseReadRecord(std::span<const uint8_t> reply);
// The 8 bytes that end a read: LF CR in bytes 6 and 7.
bool IsEndOfData(std::span<const uint8_t> reply);
// The 2 bytes that accept a written record: LF first or CR second.
bool RecordAccepted(std::span<const uint8_t> reply);
// LF CR LF CR: the board holds all the written data.
bool IsEndOfWrite(std::span<const uint8_t> reply);

} // namespace rpx
