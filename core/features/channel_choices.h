#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/radio/radio_image.h"
#include "core/text/language_table.h"

namespace rpx {

// One item of a list that stores a byte (a channel list, a choice of settings): its text and the
// value choosing it stores.
struct ListItem {
    std::string text;
    uint8_t value;
    bool operator==(const ListItem&) const = default;
};

// Trunking-group display: a programmable key holds the group function on a model that has the
// second group; channel lists then name channels 1..8 by group and place in the group.
bool TrunkingGroupDisplay(const RadioImage& image);
// The texts naming a channel's place in its group in channel lists ("Ch 1" .. "Ch 4").
inline constexpr TextId kGroupPlaceTexts[4] = {3017069, 3017071, 3017073, 3017075};
// "Group 1 Ch 1" .. "Group 2 Ch 4" (texts 1001075/1001077 and placeTexts) for channel 1..8.
std::string GroupChannelLabel(const LanguageTable& texts, int channel,
                              const TextId (&placeTexts)[4] = kGroupPlaceTexts);
// The none item (text 3011021, value 0), then every channel that qualifies: channels 1..4 as
// "1".."4" in plain display, channels 1..8 by their labels in trunking-group display. A channel
// item stores its channel number.
std::vector<ListItem> ChannelChoices(const RadioImage& image, const LanguageTable& texts,
                                     bool (*qualifies)(const RadioImage& image, int channel));

} // namespace rpx
