#pragma once

#include <algorithm>
#include <string_view>

namespace rpx {

// A number field's text as typed: at most width digits and nothing else (empty included).
inline bool IsTypedNumber(std::string_view typed, std::size_t width) {
    return typed.size() <= width && std::ranges::all_of(typed, [](char c) { return c >= '0' && c <= '9'; });
}

// The value of the digits a field starts with; 0 when it starts with none. Stops growing at a
// million, far above any field's range.
inline int TypedNumber(std::string_view typed) {
    int number = 0;
    for (char c : typed) {
        if (c < '0' || c > '9')
            break;
        number = std::min(number * 10 + (c - '0'), 1'000'000);
    }
    return number;
}

} // namespace rpx
