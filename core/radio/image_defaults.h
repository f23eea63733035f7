#pragma once

#include <string>

#include "core/radio/radio_image.h"

namespace rpx {

// The defaults of a new image, applied on an image already filled with 0xFF.
void ApplyNewImageDefaults(RadioImage& image);
// The eight channel records as in a new image: empty, reserved bits kept, byte 15 untouched.
void ResetChannelRecords(RadioImage& image);
// The first six test frequency pairs for the image's BandCode; other band codes change nothing.
void ApplyBandTestFrequencies(RadioImage& image);
// 0x400..0x7FF back to 0xFF with the record defaults of the 64 trunking-group channels.
void ResetUpperMemory(RadioImage& image);

// The image a run starts with: 0xFF fill, new-image defaults, the model identity remembered in the
// Model setting (MDL2A with code 0x31 when it is empty) and the band's test frequencies. Outside
// extended mode the model options byte is forced to 0xFF.
void MakeFirstImage(RadioImage& image, const std::string& modelSetting, bool extendedMode);

// File > New: a new image that keeps the eight model identity bytes.
void MakeNewImageKeepingModel(RadioImage& image);

} // namespace rpx
