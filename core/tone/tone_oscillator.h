#pragma once

#include <cstdint>
#include <span>

namespace rpx {

// The sine generator of the alert tone player: a two-term recursion y(n) = 2·cos ω · y(n−1) − y(n−2)
// in double precision, seeded so that y(n) = A·sin((n+1)·ω), each sample truncated toward zero to
// 16 bits. Buffers filled one after another continue the same wave.
class ToneOscillator {
public:
    static constexpr int kSampleRate = 11025;
    static constexpr std::size_t kSamplesPerBuffer = 4096;
    static constexpr int kDefaultAmplitude = 10000;
    static constexpr double kDefaultFrequency = 300.0;

    void SetTone(int amplitude, double frequencyHz);
    // Starts the wave again from its first sample.
    void Seed();
    // The next samples.size() samples of the wave.
    void FillBuffer(std::span<int16_t> samples);

private:
    int m_amplitude = kDefaultAmplitude;
    double m_frequency = kDefaultFrequency;
    double m_coefficient = 0.0;
    double m_previous = 0.0;       // y(n−1)
    double m_beforePrevious = 0.0; // y(n−2)
};

} // namespace rpx
