#pragma once

#include <string_view>

namespace rpx {

// The target of the copy-channel dialog: a group and a channel within it, as the user typed them.
struct CopyTarget {
    int group = 1;   // 1..2
    int channel = 1; // 1..4 within the group

    // The fields' texts corrected as when they lose the focus: a group of 0 or no number becomes 1 and
    // one above 2 becomes 2; a channel of 0 or no number becomes 1 and one above 4 becomes 4.
    static CopyTarget FromFields(std::string_view groupField, std::string_view channelField);
    // The grid row (1..8) of the target.
    int Row() const;
};

} // namespace rpx
