#pragma once

#include <cstdint>

namespace rpx {

// The channel raster a stored frequency was found to lie on: one nibble of record byte +0xF.
enum class StepCode : uint8_t {
    Step2k5 = 0x0,  // 2.5 kHz
    Step5k = 0x1,   // 5 kHz
    Step6k25 = 0x2, // 6.25 kHz
    Step7k5 = 0x3,  // 7.5 kHz
    None = 0xF,     // no frequency stored
};

// A frequency moved onto the nearest multiple of the best-fitting raster; units of 10 Hz.
struct RasterFit {
    uint32_t units = 0;
    StepCode step = StepCode::None;
};

// Tries 6.25 and 5 kHz, on VHF also 7.5 and 2.5 kHz, in that order; the closest multiple wins and an
// earlier raster wins a tie. Within one raster the lower multiple wins a tie.
RasterFit FitToRaster(uint32_t units, bool vhf);

} // namespace rpx
