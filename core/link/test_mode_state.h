#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rpx {

// What test mode remembers while the program runs; the test and tuning dialogs share it.
struct TestModeState {
    static constexpr std::size_t kAdjustmentEntries = 80;
    // The radio reports entries 0..61; the others hold no radio data.
    static constexpr std::size_t kReportedAdjustments = 62;
    static constexpr std::size_t kVolumeEntry = 61;
    static constexpr int kMaxVolume = 31;
    static constexpr int kChannelCount = 16;
    static constexpr int kSignallingCount = 9;

    using Adjustments = std::array<uint8_t, kAdjustmentEntries>;

    Adjustments readAdjustments{}; // as the radio last reported them (0..255 each)
    Adjustments adjustments{};     // the working copy the tuning dialog changes
    bool transmitting = false;
    bool wide = true;       // channel spacing the radio was last set to
    int channel = 1;        // selected test channel, 1..16
    int signalling = 1;     // selected signalling, 1..9
    uint8_t tuningCode = 0; // code of the tuning item last started
    int volume = 0;         // 0..31

    // Both copies take the radio's report (kReportedAdjustments bytes).
    void TakeAdjustments(std::span<const uint8_t> report) {
        const std::size_t count = std::min(report.size(), kReportedAdjustments);
        std::copy_n(report.begin(), count, readAdjustments.begin());
        std::copy_n(report.begin(), count, adjustments.begin());
    }
};

} // namespace rpx
