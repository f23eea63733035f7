#include "core/radio/data_file.h"

#include <algorithm>
#include <string_view>

#include "core/radio/image_layout.h"

namespace rpx {

namespace {

constexpr std::string_view kWrittenMagic = "RZ7150";
// Files of an earlier release carry this magic; they hold the same image.
constexpr std::string_view kOlderMagic = "RQ7150";
constexpr uint8_t kUnset = 0xFF;

bool HasMagic(std::span<const uint8_t> bytes, std::string_view magic) {
    return bytes.size() >= magic.size() &&
           std::equal(magic.begin(), magic.end(), bytes.begin(),
                      [](char m, uint8_t b) { return static_cast<uint8_t>(m) == b; });
}

std::string MessageLine(const RadioImage& image, std::size_t offset) {
    return EmbeddedMessageLine(image.Bytes().subspan(offset, layout::kMessageLineLength));
}

} // namespace

std::string EmbeddedMessageLine(std::span<const uint8_t> stored) {
    std::string line;
    if (stored.empty() || stored.front() == kUnset)
        return line;
    for (uint8_t byte : stored)
        if (byte != kUnset)
            line += static_cast<char>(byte);
    return line;
}

DataFileFault CheckDataFile(std::span<const uint8_t> bytes) {
    if (bytes.size() >= kWrittenMagic.size() && !HasMagic(bytes, kWrittenMagic) &&
        !HasMagic(bytes, kOlderMagic))
        return DataFileFault::WrongHeader;
    // A partial image must never be taken for a whole one: it could end up in a radio.
    if (bytes.size() < kDataFileSize)
        return DataFileFault::TooShort;
    return DataFileFault::None;
}

std::optional<RadioImage> ParseDataFile(std::span<const uint8_t> bytes) {
    if (CheckDataFile(bytes) != DataFileFault::None)
        return std::nullopt;
    RadioImage image;
    std::copy_n(bytes.begin() + kDataFileHeaderSize, RadioImage::kSize, image.Bytes().begin());
    return image;
}

std::vector<uint8_t> SerialiseDataFile(const RadioImage& image) {
    std::vector<uint8_t> bytes(kWrittenMagic.begin(), kWrittenMagic.end());
    bytes.resize(kDataFileHeaderSize, kUnset);
    bytes.insert(bytes.end(), image.Bytes().begin(), image.Bytes().end());
    return bytes;
}

MessagePreview PreviewMessage(std::span<const uint8_t> bytes) {
    const std::optional<RadioImage> image = ParseDataFile(bytes);
    if (!image)
        return {};
    return {MessageLine(*image, layout::kEmbeddedMessage),
            MessageLine(*image, layout::kEmbeddedMessage + layout::kMessageLineLength)};
}

} // namespace rpx
