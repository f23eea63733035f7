#include "core/tone/tone_sequence.h"

namespace rpx {

std::vector<AlertTone> AlertTonesOf(const RadioImage& image) {
    using L = ToneSequenceLayout;
    std::vector<AlertTone> tones;
    for (std::size_t n = 0; n < L::kTones; ++n)
        tones.push_back({image.Byte(L::kFrequencies + n) * L::kUnitsPerByte,
                         image.Byte(L::kLengths + n) * L::kUnitsPerByte});
    return tones;
}

} // namespace rpx
