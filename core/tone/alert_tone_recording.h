#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/tone/tone_sequence.h"

namespace rpx {

// How PLAY sounds the sequence: each tone at a fixed amplitude, and between two tones the silence
// the player's stop leaves (two 50 ms pauses).
struct AlertTonePlayback {
    static constexpr int kAmplitude = 20000;
    static constexpr int kStopPauseMs = 50;
    static constexpr int kGapMs = 2 * kStopPauseMs;
};

// The samples PLAY sounds for tones, at the oscillator's sample rate: each tone from a freshly
// seeded oscillator for its length, with the gap of silence between consecutive tones.
std::vector<int16_t> RecordAlertTones(std::span<const AlertTone> tones);

} // namespace rpx
