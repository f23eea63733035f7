#pragma once

#include <string>

#include "core/app/session.h"

namespace rpx::test {

// A session holding the golden data file tests/data/MODEL.dat as File > Open leaves it.
Session GoldenSession(const std::string& model, bool extendedMode = false);

} // namespace rpx::test
