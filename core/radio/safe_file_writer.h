#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "core/app/result.h"

namespace rpx {

// Replaces the content of path with bytes so that a failed or interrupted write never destroys
// the previous file: the bytes go to a hidden temporary file in the same folder, are flushed to
// the disk, and only then is the temporary file renamed over path. An existing file keeps its
// permissions (and its owner and group, as far as the process may set them) and a write-protected
// one is refused; a symbolic link keeps pointing at the file it names, which gets the new content.
// Temporary files that killed saves of the same target left behind are removed first.
// A failure carries the system's reason; no temporary file of this save is left behind.
Status WriteFileSafely(const std::filesystem::path& path, std::span<const uint8_t> bytes);

} // namespace rpx
