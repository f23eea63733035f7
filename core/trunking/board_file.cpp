#include "core/trunking/board_file.h"

#include <algorithm>
#include <string>

#include "core/app/regular_file.h"
#include "core/radio/safe_file_writer.h"
#include "core/text/startup_texts.h"

namespace rpx {

namespace {

// Room for the header, the characters and generous line ends; anything longer is no board file.
constexpr std::size_t kMostBytes = 1024;

bool IsLineEnd(uint8_t byte) {
    return byte == '\r' || byte == '\n';
}

// The bytes after the header line; nothing when the first line is not the header.
std::optional<std::span<const uint8_t>> AfterHeader(std::span<const uint8_t> bytes) {
    const auto header = bytes.first(std::min(bytes.size(), kBoardFileHeader.size()));
    if (!std::ranges::equal(header, kBoardFileHeader,
                            [](uint8_t b, char c) { return b == static_cast<uint8_t>(c); }) ||
        header.size() < kBoardFileHeader.size())
        return std::nullopt;
    auto rest = bytes.subspan(kBoardFileHeader.size());
    if (!rest.empty() && rest.front() == '\r')
        rest = rest.subspan(1);
    if (rest.empty() || rest.front() != '\n')
        return std::nullopt;
    return rest.subspan(1);
}

} // namespace

std::optional<BoardImage> ParseBoardFile(std::span<const uint8_t> bytes) {
    const auto characters = AfterHeader(bytes);
    // The characters are text: a line end among them is a cut or joined file.
    if (!characters || characters->size() < BoardImage::kSize ||
        std::ranges::any_of(characters->first(BoardImage::kSize), IsLineEnd) ||
        !std::ranges::all_of(characters->subspan(BoardImage::kSize), IsLineEnd))
        return std::nullopt;
    BoardImage board;
    std::ranges::copy(characters->first(BoardImage::kSize), board.Bytes().begin());
    return board;
}

std::vector<uint8_t> SerialiseBoardFile(const BoardImage& board) {
    std::vector<uint8_t> bytes(kBoardFileHeader.begin(), kBoardFileHeader.end());
    bytes.push_back('\n');
    bytes.insert(bytes.end(), board.Bytes().begin(), board.Bytes().end());
    bytes.push_back('\n');
    return bytes;
}

Result<BoardImage> ReadBoardFile(const std::filesystem::path& path, const Notifier& notifier) {
    const auto bytes = ReadRegularFile(path, kMostBytes + 1, notifier.Text(txt::kNotRegularFile));
    if (!bytes)
        return Failure{notifier.Filled(txt::kOpenFailed, path.string(), bytes.Message())};
    if (auto board = ParseBoardFile(*bytes))
        return *board;
    return Failure{notifier.Filled(txt::kOpenFailed, path.string(),
                                   notifier.Filled(txt::kNotBoardFile, kBoardFileHeader, ""))};
}

Status WriteBoardFile(const std::filesystem::path& path, const BoardImage& board, const Notifier& notifier) {
    const Status written = WriteFileSafely(path, SerialiseBoardFile(board));
    if (written)
        return {};
    return Failure{notifier.Filled(txt::kSaveFailed, path.string(), written.Message())};
}

} // namespace rpx
