#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace rpx::sim {

// True for the codes the radio accepts in its tuning requests: the tuning items and their points.
bool IsTuningCode(uint8_t code);
// The adjustment entry a tuning code adjusts; items 12, 13, 23 to 26 and 29 adjust another entry
// while the radio is set to narrow. Nothing for a code that is not a tuning code.
std::optional<std::size_t> AdjustmentEntry(uint8_t code, bool wide);

} // namespace rpx::sim
