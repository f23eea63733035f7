#pragma once

#include "core/radio/fixed_image.h"

namespace rpx {

// The trunking board's settings memory: 396 ASCII characters, two hexadecimal characters for each
// byte the board holds.
class BoardImage : public FixedImage<396> {};

} // namespace rpx
