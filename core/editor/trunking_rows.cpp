#include "core/editor/trunking_rows.h"

#include <algorithm>

#include "core/editor/channel_table.h"
#include "core/radio/image_layout.h"

namespace rpx {

int ReservedTrunkingRows(const RadioImage& image) {
    if (image.Byte(layout::kPortMode) != layout::kTrunkingPortMode || image.HiddenFunctionsEnabled())
        return 0;
    return std::min<int>(image.Byte(layout::kTrunkingGroups), kRowsPerGroup);
}

bool IsReservedRow(const RadioImage& image, int row) {
    return row >= 1 && row <= ReservedTrunkingRows(image);
}

} // namespace rpx
