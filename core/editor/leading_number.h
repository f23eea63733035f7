#pragma once

#include <cstdint>
#include <string_view>

namespace rpx {

// The decimal number at the start of text as the standard ASCII-to-integer conversion reads it:
// leading white space, an optional sign, then digits; 0 when there are none. Saturates at
// +-kLeadingNumberLimit instead of overflowing.
inline constexpr int64_t kLeadingNumberLimit = 1'000'000'000'000'000;
int64_t LeadingNumber(std::string_view text);

} // namespace rpx
