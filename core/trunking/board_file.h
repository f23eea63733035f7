#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/result.h"
#include "core/trunking/board_image.h"

namespace rpx {

// A board file keeps the trunking board's settings between runs (the radio's data files have no
// room for them): the header line below, then the 396 characters of the BoardImage exactly as
// they stand, then a line end. Line ends may be LF or CR LF.
inline constexpr std::string_view kBoardFileHeader = "RPX41C board settings 1";

// The BoardImage of a board file; nothing for any other content: a first line other than the
// header, or other than 396 characters without line ends after it (line ends may follow them).
std::optional<BoardImage> ParseBoardFile(std::span<const uint8_t> bytes);

// The bytes of a board file holding board.
std::vector<uint8_t> SerialiseBoardFile(const BoardImage& board);

// Reads the board file at path. The failure message is ready to show (texts of notifier): the
// path and why it could not be opened or is not a board file.
Result<BoardImage> ReadBoardFile(const std::filesystem::path& path, const Notifier& notifier);

// Writes board to path as a board file, replacing any earlier file only once the new one is
// complete. The failure message is ready to show.
Status WriteBoardFile(const std::filesystem::path& path, const BoardImage& board, const Notifier& notifier);

} // namespace rpx
