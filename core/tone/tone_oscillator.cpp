#include "core/tone/tone_oscillator.h"

#include <cmath>
#include <numbers>

namespace rpx {

void ToneOscillator::SetTone(int amplitude, double frequencyHz) {
    m_amplitude = amplitude;
    m_frequency = frequencyHz;
}

void ToneOscillator::Seed() {
    const double omega = 2.0 * std::numbers::pi * m_frequency / kSampleRate;
    m_coefficient = 2.0 * std::cos(omega);
    m_beforePrevious = -m_amplitude * std::sin(omega);
    m_previous = 0.0;
}

void ToneOscillator::FillBuffer(std::span<int16_t> samples) {
    for (int16_t& sample : samples) {
        const double next = m_coefficient * m_previous - m_beforePrevious;
        m_beforePrevious = m_previous;
        m_previous = next;
        // A conversion of double to integer truncates toward zero.
        sample = static_cast<int16_t>(next);
    }
}

} // namespace rpx
