#pragma once

#include <cstddef>
#include <vector>

#include "core/radio/radio_image.h"

namespace rpx {

// Where the radio keeps its special alert tone sequence: sixteen tones, each a frequency and a
// length in units of 10 (Hz, ms), plus the interval between sequences and the repeat switch.
struct ToneSequenceLayout {
    static constexpr std::size_t kInterval = 0x1DE;    // 10 ms units
    static constexpr std::size_t kRepeat = 0x1DF;      // 0 = repeat on, anything else off
    static constexpr std::size_t kFrequencies = 0x1E0; // Hz / 10, 0 = tone not used
    static constexpr std::size_t kLengths = 0x1F0;     // ms / 10
    static constexpr std::size_t kTones = 16;
    static constexpr int kUnitsPerByte = 10;
};

// One tone of the sequence as PLAY sounds it; a frequency of 0 is silence for its length.
struct AlertTone {
    int frequencyHz = 0;
    int lengthMs = 0;
    bool operator==(const AlertTone&) const = default;
};

// The sixteen tones of the image in playing order.
std::vector<AlertTone> AlertTonesOf(const RadioImage& image);

} // namespace rpx
