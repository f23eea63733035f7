#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace rpx {

// A RIFF/WAVE file of 16-bit mono PCM samples at sampleRate, as every sound program reads it.
std::vector<uint8_t> WavFileBytes(std::span<const int16_t> samples, int sampleRate);

} // namespace rpx
