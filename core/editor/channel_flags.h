#pragma once

#include "core/radio/radio_image.h"
#include "core/text/text_id.h"

namespace rpx {

// The four one-choice fields of the channel grid; their drop-downs hold two items, item 0 for a clear
// field and item 1 for a set one.
enum class ChannelFlag {
    Power,      // +0xD bit 5: 3013015 high, 3013017 low
    WideNarrow, // +0xC bit 1: 1001029 set, 1001031 clear
    Scan,       // +0xD bit 4: 3013021 added, 3013019 not
    Option,     // +0xC bits 6-7 both set: 3013023 on, 1001023 off
};

// The texts of drop-down items 0 (field clear) and 1 (field set).
struct FlagItemTexts {
    TextId clear;
    TextId set;
};
FlagItemTexts FlagItems(ChannelFlag flag);

// The TextId of the field's value, 0 for an empty channel.
TextId FlagText(const RadioImage& image, int channel, ChannelFlag flag);
// The field as a drop-down item: 1 when set.
bool FlagValue(const RadioImage& image, int channel, ChannelFlag flag);
// Sets or clears the field (option signalling: bits 6 and 7 together); nothing else changes.
void SetFlag(RadioImage& image, int channel, ChannelFlag flag, bool on);

} // namespace rpx
