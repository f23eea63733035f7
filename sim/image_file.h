#pragma once

#include <filesystem>

#include "core/app/result.h"
#include "core/radio/radio_image.h"
#include "core/trunking/board_image.h"

namespace rpx::sim {

// The image in a data file (magic "RZ7150" or "RQ7150", 2064 bytes) or in a raw 2048-byte file;
// a Failure for any other file, a FIFO or a device among them (refused before anything is read).
Result<RadioImage> LoadImageFile(const std::filesystem::path& path);
// Writes image as a data file without ever leaving a half-written one.
Status SaveImageFile(const std::filesystem::path& path, const RadioImage& image);

// The board data in a board file; a Failure for any other file.
Result<BoardImage> LoadBoardImageFile(const std::filesystem::path& path);
Status SaveImageFile(const std::filesystem::path& path, const BoardImage& board);

} // namespace rpx::sim
