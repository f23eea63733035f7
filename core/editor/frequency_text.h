#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/editor/channel_raster.h"
#include "core/editor/channel_record.h"
#include "core/radio/radio_image.h"

namespace rpx {

// What storing a typed frequency left behind.
struct FrequencyEntry {
    std::string text;       // what the cell shows now: the stored frequency, or empty when erased
    bool outOfBand = false; // the typed value lay outside the band (it was stored all the same)
};

// A typed frequency as a cell would store it: read in MHz, kept inside the absolute range and
// fitted to a channel raster (text not empty).
struct FittedFrequency {
    RasterFit fit;
    bool outOfBand = false;
};
FittedFrequency FitTypedFrequency(const RadioImage& image, std::string_view text);

// Nine characters "146.52000" from the BCD digits, or empty when the field's first byte is 0xFF. A
// nibble above 9 shows as a hexadecimal digit.
std::string FormatFrequency(const RadioImage& image, int channel, Direction direction);
std::string FormatFrequency(const RadioImage& image, RecordAt at, Direction direction);
// Stores a non-empty typed frequency into the record at: read in MHz, kept inside the absolute
// range, fitted to a channel raster and stored with its StepCode.
FrequencyEntry StoreFrequency(RadioImage& image, RecordAt at, Direction direction, std::string_view text);

// Stores a typed RX frequency: an empty text empties the whole channel; otherwise the text is read
// in MHz, kept inside the absolute range, fitted to a channel raster and stored with its StepCode.
// std::nullopt when the row is reserved for trunking: nothing is stored.
std::optional<FrequencyEntry> ParseRxFrequency(RadioImage& image, int channel, std::string_view text);
// The same for the TX frequency; an empty text erases only the TX side and releases the emergency
// channel byte 0x200 when it names this channel.
FrequencyEntry ParseTxFrequency(RadioImage& image, int channel, std::string_view text);

} // namespace rpx
