#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace rpx {

// Replaces the content of path with bytes so that a failed or interrupted write never destroys
// the previous file: the bytes go to a temporary file in the same folder, are flushed to the
// disk, and only then is the temporary file renamed over path. An existing file keeps its
// permissions and a write-protected one is refused; a symbolic link keeps pointing at the file it
// names, which gets the new content.
// Returns the empty text on success, else the system's reason; no temporary file is left behind.
[[nodiscard]] std::string WriteFileSafely(const std::filesystem::path& path, std::span<const uint8_t> bytes);

} // namespace rpx
