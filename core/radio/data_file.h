#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/radio/radio_image.h"

namespace rpx {

// A data file: six magic characters, ten bytes 0xFF, then image byte n at file offset 16 + n.
// There is no checksum.
inline constexpr std::size_t kDataFileHeaderSize = 16;
inline constexpr std::size_t kDataFileSize = kDataFileHeaderSize + RadioImage::kSize; // 2064

// What keeps content from being a data file. A file shorter than the six magic characters is too
// short; a longer one is first checked for its magic.
enum class DataFileFault { None, TooShort, WrongHeader };
DataFileFault CheckDataFile(std::span<const uint8_t> bytes);

// The image of a data file whose magic is "RZ7150" or "RQ7150" and which holds all 2064 bytes;
// nothing for any other content. Header bytes 6..15 and bytes past 2064 are not looked at.
std::optional<RadioImage> ParseDataFile(std::span<const uint8_t> bytes);

// The 2064 bytes of a data file holding image, with the magic "RZ7150".
std::vector<uint8_t> SerialiseDataFile(const RadioImage& image);

// The two embedded-message lines (image 0x300..0x31F and 0x320..0x33F) shown in the open dialog.
// Each is raw image bytes: empty when the line's first byte is 0xFF, else every byte below 0xFF.
struct MessagePreview {
    std::string first;
    std::string second;
    bool operator==(const MessagePreview&) const = default;
};

// One stored message line: empty when its first byte is 0xFF, else every byte below 0xFF, in order.
std::string EmbeddedMessageLine(std::span<const uint8_t> stored);

// The preview lines of a data file's content; both empty when ParseDataFile refuses it.
MessagePreview PreviewMessage(std::span<const uint8_t> bytes);

} // namespace rpx
