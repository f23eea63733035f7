#pragma once

#include <string_view>

namespace rpx {

// The program's language file (Rpx41c.lng) as it stood when this program was built.
std::string_view BuiltInProgramFile();

} // namespace rpx
