#include "core/tone/alert_tone_recording.h"

#include "core/tone/tone_oscillator.h"

namespace rpx {

namespace {

// Sample index of a moment; counted from the start so that rounding does not add up over tones.
std::size_t SampleAt(long long ms) {
    return static_cast<std::size_t>(ms * ToneOscillator::kSampleRate / 1000);
}

} // namespace

std::vector<int16_t> RecordAlertTones(std::span<const AlertTone> tones) {
    std::vector<int16_t> samples;
    ToneOscillator oscillator;
    long long elapsedMs = 0;
    for (std::size_t n = 0; n < tones.size(); ++n) {
        if (n > 0) {
            elapsedMs += AlertTonePlayback::kGapMs;
            samples.resize(SampleAt(elapsedMs), 0);
        }
        elapsedMs += tones[n].lengthMs;
        const std::size_t start = samples.size();
        samples.resize(SampleAt(elapsedMs));
        oscillator.SetTone(AlertTonePlayback::kAmplitude, tones[n].frequencyHz);
        oscillator.Seed();
        oscillator.FillBuffer(std::span<int16_t>(samples).subspan(start));
    }
    return samples;
}

} // namespace rpx
