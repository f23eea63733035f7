#pragma once

#include <cstdint>

namespace rpx {

// A seven-digit text identifier g ppp nnn: g is the language file group, ppp the window or
// topic, nnn the item.
using TextId = int32_t;

} // namespace rpx
