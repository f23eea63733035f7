#pragma once

#include <cstdint>

#include "core/radio/image_defaults.h"
#include "core/radio/radio_image.h"

namespace rpx::test {

// A new image of the given model and frequency-range code, as File > New leaves it.
inline RadioImage NewImage(const char* model, uint8_t rangeCode) {
    RadioImage image;
    MakeFirstImage(image, "", false);
    image.SetModelString(model);
    image.SetRangeCode(rangeCode);
    return image;
}

} // namespace rpx::test
