#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/radio/radio_image.h"
#include "sim/radio_fault.h"

namespace rpx::sim {

// The adjustment values a radio reports in test mode; the last one is the volume (0..31).
inline constexpr std::size_t kAdjustmentCount = 62;
inline constexpr std::size_t kVolumeEntry = kAdjustmentCount - 1;
using AdjustmentTable = std::array<uint8_t, kAdjustmentCount>;

// Mid-range settings of a freshly aligned radio, volume 16.
AdjustmentTable DefaultAdjustments();
// The image the program starts with: model MDL2A, range code 0x31, new-image defaults.
RadioImage NewRadioImage();

// The 16 test channel records of 8 bytes (memory 0x280..0x2FF).
using TestChannelTable = std::array<uint8_t, 128>;

// Everything that makes one simulated radio: what it holds and how it behaves on the line.
struct RadioSetup {
    // The radio's memory, as a data file or raw image gives it.
    RadioImage image = NewRadioImage();
    // Six characters the radio identifies itself with; empty: its memory's 0x3C0..0x3C5, as it stands.
    std::string modelCode;
    // Cleared: identification byte 6 bit 6 says the radio's data may not be read.
    bool readable = true;
    // 1024 or 2048; a 1024-byte radio holds 0xFF at 0x400..0x7FF and stores no writes there.
    std::size_t memorySize = RadioImage::kSize;
    // Up to 10 characters written into memory at 0x0D0 (0xFF after them) when set.
    std::optional<std::string> dataPassword;
    // Up to 32 characters each, written into memory at 0x300 and 0x320 (0xFF padded) when set.
    std::optional<std::array<std::string, 2>> messageLines;
    // Memory-size reply byte 6 = 0xFF: the radio refuses extended-variant data.
    bool refuseExtended = false;
    // Up to 16 characters of the "NRK" record; a shorter text is ended by 0xFF.
    std::string infoText = "12345678-0000001";
    AdjustmentTable adjustments = DefaultAdjustments();
    // Replaces memory 0x280..0x2FF when set.
    std::optional<TestChannelTable> testChannels;
    std::vector<RadioFault> faults;
    // Every byte crosses the line at 9600 bit/s 8N2 (11 bits) instead of at once.
    bool pace = false;
    // Receives a hex log of both directions when set; written from the radio's thread.
    std::ostream* trace = nullptr;
};

} // namespace rpx::sim
