#include "core/editor/copy_target.h"

#include <algorithm>

#include "core/editor/channel_table.h"
#include "core/editor/leading_number.h"

namespace rpx {

namespace {
constexpr int kGroups = 2;

int Corrected(std::string_view field, int highest) {
    return static_cast<int>(std::clamp<int64_t>(LeadingNumber(field), 1, highest));
}
} // namespace

CopyTarget CopyTarget::FromFields(std::string_view groupField, std::string_view channelField) {
    return {Corrected(groupField, kGroups), Corrected(channelField, kRowsPerGroup)};
}

int CopyTarget::Row() const {
    return (group - 1) * kRowsPerGroup + channel;
}

} // namespace rpx
