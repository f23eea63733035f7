#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app/result.h"

namespace rpx {

// At most maxBytes from the start of the regular file at path. Anything else (a FIFO, a device, a
// folder) is refused with notRegular before a byte is read, so that a wrongly named file can never
// hang the program; other failures carry the system's reason.
Result<std::vector<uint8_t>> ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                                             const std::string& notRegular);

} // namespace rpx
