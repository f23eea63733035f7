#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rpx {

// A CTCSS or DCS tone as two record bytes, low byte first. High byte 0xFF means no tone whatever the
// low byte holds. CTCSS: the whole value is the tone in tenths of a hertz (67.0 Hz = 670). DCS: high
// byte 0x28, plus 0x80 for inverted polarity, plus bit 8 of the code in bit 0; low byte bits 0-7.
class ToneCode {
public:
    static constexpr uint16_t kNoTone = 0xFFFF;
    // Typed CTCSS tones are limited to this range, in tenths of a hertz.
    static constexpr unsigned kLowestTypedCtcss = 670;
    static constexpr unsigned kHighestTypedCtcss = 2541;

    constexpr ToneCode() = default;
    constexpr explicit ToneCode(uint16_t raw) : m_raw(raw) {}

    // tenthsHz below 0x2000, so the high byte keeps bit 5 clear.
    static ToneCode Ctcss(unsigned tenthsHz);
    // code: the three octal digits read as an octal number (D023 = 19), 0..0x1FF.
    static ToneCode Dcs(unsigned code, bool inverted);

    // The tone of a drop-down item: empty gives no tone, "D" + three octal digits (+ "I" for inverted)
    // a DCS code, a decimal number a CTCSS tone. Anything else, the off text included, gives no tone.
    static ToneCode FromItemText(std::string_view item);
    // The tone of a typed text: a short DCS text is padded with "0" ("D2" reads "D200", "D23" "D230"),
    // a CTCSS value is limited to 67.0..254.1 Hz; unreadable text gives no tone. A lone "D" names
    // nothing to store: std::nullopt.
    static std::optional<ToneCode> FromTypedText(std::string_view text);

    uint16_t Raw() const { return m_raw; }
    bool IsNone() const { return (m_raw >> 8) == 0xFF; }
    bool IsDcs() const { return !IsNone() && (m_raw & 0x2000) != 0; }
    bool IsInverted() const { return IsDcs() && (m_raw & 0x8000) != 0; }
    // The nine-bit DCS code (meaningful when IsDcs).
    unsigned DcsCode() const { return m_raw & 0x1FF; }
    // "67.0" for CTCSS, "D023N" or "D023I" for DCS, empty for no tone.
    std::string Text() const;

    bool operator==(const ToneCode&) const = default;

private:
    uint16_t m_raw = kNoTone;
};

} // namespace rpx
