#include "sim/image_file.h"

#include <algorithm>
#include <vector>

#include "core/app/regular_file.h"
#include "core/radio/data_file.h"
#include "core/radio/safe_file_writer.h"
#include "core/trunking/board_file.h"

namespace rpx::sim {

Result<RadioImage> LoadImageFile(const std::filesystem::path& path) {
    // One byte more than a data file tells a longer file from a data file.
    const Result<std::vector<uint8_t>> bytes =
        ReadRegularFile(path, kDataFileSize + 1, path.string() + " is not a regular file");
    if (!bytes)
        return Failure{"cannot read " + path.string() + ": " + bytes.Message()};
    if (std::optional<RadioImage> image = ParseDataFile(*bytes))
        return *image;
    if (bytes->size() != RadioImage::kSize)
        return Failure{path.string() + " is neither a data file nor a raw image of 2048 bytes"};
    RadioImage image;
    std::ranges::copy(*bytes, image.Bytes().begin());
    return image;
}

Status SaveImageFile(const std::filesystem::path& path, const RadioImage& image) {
    return WriteFileSafely(path, SerialiseDataFile(image));
}

Result<BoardImage> LoadBoardImageFile(const std::filesystem::path& path) {
    // A board file is a header line, 396 characters and a line end: far below this.
    constexpr std::size_t kMostBytes = 4096;
    const Result<std::vector<uint8_t>> bytes =
        ReadRegularFile(path, kMostBytes, path.string() + " is not a regular file");
    if (!bytes)
        return Failure{"cannot read " + path.string() + ": " + bytes.Message()};
    if (std::optional<BoardImage> board = ParseBoardFile(*bytes))
        return *board;
    return Failure{path.string() + " is not a board file (its first line is \"" +
                   std::string(kBoardFileHeader) + "\")"};
}

Status SaveImageFile(const std::filesystem::path& path, const BoardImage& board) {
    return WriteFileSafely(path, SerialiseBoardFile(board));
}

} // namespace rpx::sim
