#include "sim/image_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/radio/data_file.h"
#include "core/radio/safe_file_writer.h"

namespace rpx::sim {

std::optional<RadioImage> LoadImageFile(const std::filesystem::path& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read " + path.string();
        return std::nullopt;
    }
    const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(file), {});
    if (std::optional<RadioImage> image = ParseDataFile(bytes))
        return image;
    if (bytes.size() != RadioImage::kSize) {
        error = path.string() + " is neither a data file nor a raw image of 2048 bytes";
        return std::nullopt;
    }
    RadioImage image;
    std::copy(bytes.begin(), bytes.end(), image.Bytes().begin());
    return image;
}

std::string SaveImageFile(const std::filesystem::path& path, const RadioImage& image) {
    return WriteFileSafely(path, SerialiseDataFile(image)).Message();
}

} // namespace rpx::sim
