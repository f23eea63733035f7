// Feeds arbitrary bytes to the data-file reader and the open dialog's preview.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <string>

#include "core/radio/data_file.h"
#include "core/radio/image_layout.h"

namespace {

bool LineIsSound(const std::string& line, uint8_t firstByte) {
    return line.size() <= rpx::layout::kMessageLineLength && (line.empty() == (firstByte == 0xFF)) &&
           std::find(line.begin(), line.end(), '\xFF') == line.end();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const std::optional<rpx::RadioImage> image = rpx::ParseDataFile(bytes);
    const rpx::MessagePreview preview = rpx::PreviewMessage(bytes);
    const bool wellFormed = size >= rpx::kDataFileSize &&
                            (std::memcmp(data, "RZ7150", 6) == 0 || std::memcmp(data, "RQ7150", 6) == 0);
    if (image.has_value() != wellFormed)
        std::abort();
    if (!image) {
        if (!preview.first.empty() || !preview.second.empty())
            std::abort();
        return 0;
    }
    if (!std::equal(image->Bytes().begin(), image->Bytes().end(), data + rpx::kDataFileHeaderSize))
        std::abort();
    if (rpx::ParseDataFile(rpx::SerialiseDataFile(*image)) != image)
        std::abort();
    if (!LineIsSound(preview.first, image->Byte(rpx::layout::kEmbeddedMessage)) ||
        !LineIsSound(preview.second,
                     image->Byte(rpx::layout::kEmbeddedMessage + rpx::layout::kMessageLineLength)))
        std::abort();
    return 0;
}
