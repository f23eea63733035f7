#include "core/editor/leading_number.h"

namespace rpx {

int64_t LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value < kLeadingNumberLimit)
            value = value * 10 + (text[i] - '0');
    if (value > kLeadingNumberLimit)
        value = kLeadingNumberLimit;
    return negative ? -value : value;
}

} // namespace rpx
