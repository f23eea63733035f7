#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/radio/radio_image.h"

namespace rpx::sim {

// The image in a data file (magic "RZ7150" or "RQ7150", 2064 bytes) or in a raw 2048-byte file;
// nothing, with error set, for any other file.
std::optional<RadioImage> LoadImageFile(const std::filesystem::path& path, std::string& error);
// Writes image as a data file without ever leaving a half-written one; the reason when it fails,
// else the empty text.
[[nodiscard]] std::string SaveImageFile(const std::filesystem::path& path, const RadioImage& image);

} // namespace rpx::sim
