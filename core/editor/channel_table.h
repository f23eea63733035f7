#pragma once

#include "core/editor/channel_record.h"
#include "core/radio/radio_image.h"

namespace rpx {

// Channels 1..4 form group 1 and 5..8 group 2; a grid row n shows channel n.
inline constexpr int kRowsPerGroup = 4;
// 4 for a row of group 1, 8 for a row of group 2.
int LastRowOfGroup(int row);

// The record states the editors write. Every one keeps the reserved low nibble of byte +0xD.
// Empty channel: frequencies and tones 0xFF, +0xC 0x02, scan and high power on, PTT ID off,
// +0xE 0x00, no steps.
void ClearChannel(RadioImage& image, int channel);
// As ClearChannel, but byte +0xE stays as it is.
void EraseRxFrequency(RadioImage& image, int channel);
void EraseRxFrequency(RadioImage& image, RecordAt at);
// TX frequency and encode tone 0xFF, TX step nibble 0xF; nothing else changes.
void EraseTxFrequency(RadioImage& image, int channel);
void EraseTxFrequency(RadioImage& image, RecordAt at);
// All 16 bytes of channel from onto channel to, reserved bits included.
void CopyRecord(RadioImage& image, int from, int to);

} // namespace rpx
