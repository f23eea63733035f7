#pragma once

#include "core/radio/radio_image.h"

namespace rpx {

// While the function port is in trunking mode (byte 0x258 = 3) on a model whose options byte 0x3C6
// has bit 6 set, the first k rows of group 1 belong to the trunking board, k = byte 0x0DA limited to
// 4 (0 reserves none). Their RX cell shows text 3019155 and refuses frequencies. 0 when no row is
// reserved.
int ReservedTrunkingRows(const RadioImage& image);
bool IsReservedRow(const RadioImage& image, int row);

} // namespace rpx
