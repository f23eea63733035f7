#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <type_traits>

#include "core/editor/channel_raster.h"
#include "core/editor/tone_code.h"
#include "core/radio/image_layout.h"
#include "core/radio/radio_image.h"

namespace rpx {

// A channel record at an image offset of its own: the trunking board's channel tables hold
// records of the same layout outside channels 1..8.
struct RecordAt {
    std::size_t offset;
};

// Which half of a channel a field belongs to: receive (RX frequency, decode tone) or transmit (TX
// frequency, encode tone).
enum class Direction { Rx, Tx };

// The 16-byte record of channel n (1..8) inside a RadioImage, read and written in place. A channel
// is programmed when its first byte is not 0xFF. BasicChannelRecord<const RadioImage> only reads.
template <typename Image> class BasicChannelRecord {
public:
    static constexpr std::size_t kRxFrequency = 0x0; // 4 BCD bytes, 10 Hz units; 0xFF at +0: empty channel
    static constexpr std::size_t kTxFrequency = 0x4; // 4 BCD bytes, 10 Hz units; 0xFF at +4: no TX
    static constexpr std::size_t kRxTone = 0x8;      // ToneCode, low byte first
    static constexpr std::size_t kTxTone = 0xA;      // ToneCode, low byte first
    static constexpr std::size_t kSignalling = 0xC;  // beat shift, bandwidth, lockout, unmute, option
    static constexpr std::size_t kOptions = 0xD;     // reserved low nibble, scan, power, PTT ID
    static constexpr std::size_t kScrambler = 0xE;   // reserved bits 0-2, scrambler on and code
    static constexpr std::size_t kSteps = 0xF;       // RX StepCode high nibble, TX StepCode low nibble

    static bool IsChannel(int channel) { return channel >= 1 && channel <= int(layout::kChannelCount); }

    // Throws std::out_of_range for a channel outside 1..8.
    BasicChannelRecord(Image& image, int channel) : m_image(image), m_offset(OffsetOf(channel)) {}
    BasicChannelRecord(Image& image, RecordAt at) : m_image(image), m_offset(at.offset) {}

    std::size_t Offset() const { return m_offset; }
    std::size_t FrequencyOffset(Direction d) const {
        return m_offset + (d == Direction::Rx ? kRxFrequency : kTxFrequency);
    }

    bool IsProgrammed() const { return HasFrequency(Direction::Rx); }
    // False when the field's first byte is 0xFF.
    bool HasFrequency(Direction d) const { return m_image.Byte(FrequencyOffset(d)) != 0xFF; }

    ToneCode Tone(Direction d) const { return ToneCode(m_image.Word(m_offset + ToneOffset(d))); }
    void SetTone(Direction d, ToneCode tone) requires(!std::is_const_v<Image>) {
        m_image.SetWord(m_offset + ToneOffset(d), tone.Raw());
    }

    // StepCode::None (0xF) when the frequency is empty.
    StepCode Step(Direction d) const { return static_cast<StepCode>(Field(kSteps, StepShift(d), 4)); }
    void SetStep(Direction d, StepCode step) requires(!std::is_const_v<Image>) {
        SetField(kSteps, StepShift(d), 4, static_cast<unsigned>(step));
    }

    bool BeatShift() const { return Field(kSignalling, 0, 1); }
    void SetBeatShift(bool on) requires(!std::is_const_v<Image>) { SetField(kSignalling, 0, 1, on); }
    // Set: drop-down item 1 (text 1001029); clear: item 0 (text 1001031).
    bool Wide() const { return Field(kSignalling, 1, 1); }
    void SetWide(bool on) requires(!std::is_const_v<Image>) { SetField(kSignalling, 1, 1, on); }
    // Busy channel lockout 0..3: off, carrier, tone, option signalling.
    unsigned BusyLockout() const { return Field(kSignalling, 2, 2); }
    void SetBusyLockout(unsigned value) requires(!std::is_const_v<Image>) {
        SetField(kSignalling, 2, 2, value);
    }
    // Speaker-unmute rule 0..3: 0 unmutes on tone or carrier, non-zero adds option signalling.
    unsigned UnmuteRule() const { return Field(kSignalling, 4, 2); }
    void SetUnmuteRule(unsigned value) requires(!std::is_const_v<Image>) {
        SetField(kSignalling, 4, 2, value);
    }
    // On only when bits 6 and 7 are both set; written as both set or both clear.
    bool OptionSignalling() const { return Field(kSignalling, 6, 2) == 3; }
    void SetOptionSignalling(bool on) requires(!std::is_const_v<Image>) {
        SetField(kSignalling, 6, 2, on ? 3 : 0);
    }

    bool ScanAdd() const { return Field(kOptions, 4, 1); }
    void SetScanAdd(bool on) requires(!std::is_const_v<Image>) { SetField(kOptions, 4, 1, on); }
    bool HighPower() const { return Field(kOptions, 5, 1); }
    void SetHighPower(bool on) requires(!std::is_const_v<Image>) { SetField(kOptions, 5, 1, on); }
    // PTT ID 0..3: off, then texts 3013033, 3013035, 3013037.
    unsigned PttId() const { return Field(kOptions, 6, 2); }
    void SetPttId(unsigned value) requires(!std::is_const_v<Image>) { SetField(kOptions, 6, 2, value); }

    bool Scrambler() const { return Field(kScrambler, 3, 1); }
    void SetScrambler(bool on) requires(!std::is_const_v<Image>) { SetField(kScrambler, 3, 1, on); }
    // Scrambler code 1..16, stored as 0..15.
    unsigned ScramblerCode() const { return Field(kScrambler, 4, 4) + 1; }
    void SetScramblerCode(unsigned code) requires(!std::is_const_v<Image>) {
        SetField(kScrambler, 4, 4, code - 1);
    }

private:
    static std::size_t OffsetOf(int channel) {
        if (!IsChannel(channel))
            throw std::out_of_range("channel number outside 1..8");
        return layout::ChannelRecordOffset(static_cast<std::size_t>(channel));
    }
    static std::size_t ToneOffset(Direction d) { return d == Direction::Rx ? kRxTone : kTxTone; }
    static unsigned StepShift(Direction d) { return d == Direction::Rx ? 4 : 0; }

    unsigned Field(std::size_t byte, unsigned shift, unsigned width) const {
        return (m_image.Byte(m_offset + byte) >> shift) & ((1u << width) - 1);
    }
    void SetField(std::size_t byte, unsigned shift, unsigned width, unsigned value) {
        const unsigned mask = ((1u << width) - 1) << shift;
        const unsigned old = m_image.Byte(m_offset + byte);
        m_image.SetByte(m_offset + byte, static_cast<uint8_t>((old & ~mask) | ((value << shift) & mask)));
    }

    Image& m_image;
    std::size_t m_offset;
};

using ChannelRecord = BasicChannelRecord<RadioImage>;
using ConstChannelRecord = BasicChannelRecord<const RadioImage>;

} // namespace rpx
