#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/tone/alert_tone_recording.h"
#include "core/tone/tone_oscillator.h"
#include "core/tone/wav_file.h"

namespace rpx {
namespace {

int16_t ClosedForm(int amplitude, double frequency, std::size_t n) {
    const double omega = 2.0 * std::numbers::pi * frequency / ToneOscillator::kSampleRate;
    return static_cast<int16_t>(amplitude * std::sin((n + 1) * omega));
}

TEST(ToneOscillator, FollowsTheSineAcrossBuffers) {
    for (const double frequency : {400.0, 1000.0, 2500.0}) {
        ToneOscillator oscillator;
        oscillator.SetTone(20000, frequency);
        oscillator.Seed();
        std::vector<int16_t> samples(5 * ToneOscillator::kSamplesPerBuffer);
        for (std::size_t start = 0; start < samples.size(); start += ToneOscillator::kSamplesPerBuffer)
            oscillator.FillBuffer(std::span(samples).subspan(start, ToneOscillator::kSamplesPerBuffer));
        for (std::size_t n = 0; n < 4; ++n)
            EXPECT_EQ(samples[n], ClosedForm(20000, frequency, n)) << frequency << " Hz, sample " << n;
        for (std::size_t n = 0; n < samples.size(); ++n)
            ASSERT_NEAR(samples[n], ClosedForm(20000, frequency, n), 1) << frequency << " Hz, sample " << n;
    }
}

TEST(AlertToneRecording, TonesForTheirLengthsWithGapsBetween) {
    const std::vector<AlertTone> tones = {{1000, 200}, {0, 300}, {2500, 10}};
    const std::vector<int16_t> samples = RecordAlertTones(tones);
    const auto at = [](int ms) { return static_cast<std::size_t>(ms * ToneOscillator::kSampleRate / 1000); };
    ASSERT_EQ(samples.size(), at(200 + 300 + 10 + 2 * AlertTonePlayback::kGapMs));
    EXPECT_EQ(samples[0], ClosedForm(AlertTonePlayback::kAmplitude, 1000, 0));
    // The gap, then the silent tone, then the gap before the last tone start afresh.
    const std::size_t lastStart = at(200 + 300 + 2 * AlertTonePlayback::kGapMs);
    EXPECT_TRUE(std::all_of(samples.begin() + at(200), samples.begin() + lastStart,
                            [](int16_t s) { return s == 0; }));
    EXPECT_EQ(samples[lastStart], ClosedForm(AlertTonePlayback::kAmplitude, 2500, 0));
    EXPECT_TRUE(RecordAlertTones({}).empty());
}

TEST(WavFile, HeaderDescribesSixteenBitMonoAndTheSamplesFollowLittleEndian) {
    const std::vector<uint8_t> bytes = WavFileBytes(std::vector<int16_t>{1, -2}, 11025);
    const auto word = [&](std::size_t at) {
        return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24;
    };
    ASSERT_EQ(bytes.size(), 44u + 4u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(word(4), 40);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(word(24), 11025);
    EXPECT_EQ(word(28), 22050);
    EXPECT_EQ(bytes[32], 2);
    EXPECT_EQ(bytes[34], 16);
    EXPECT_EQ(word(40), 4);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 44, bytes.end()),
              (std::vector<uint8_t>{0x01, 0x00, 0xFE, 0xFF}));
}

} // namespace
} // namespace rpx
