#include "core/editor/tone_code.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace rpx {

namespace {

constexpr uint16_t kDcsMarker = 0x28;
constexpr uint16_t kDcsInverted = 0x80;
constexpr std::size_t kDcsTextLength = 5; // "D023N"

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

// The code of "Dddd...": the three characters after the "D". Non-octal characters make the text
// unreadable rather than spill into the neighbouring digit.
std::optional<unsigned> DcsCodeOf(std::string_view text) {
    if (text.size() < 4 || !std::all_of(text.begin() + 1, text.begin() + 4, IsOctalDigit))
        return std::nullopt;
    return static_cast<unsigned>((text[1] - '0') * 64 + (text[2] - '0') * 8 + (text[3] - '0'));
}

ToneCode DcsOf(std::string_view text, bool inverted) {
    const std::optional<unsigned> code = DcsCodeOf(text);
    return code ? ToneCode::Dcs(*code, inverted) : ToneCode();
}

// Hertz of a text made of digits and "." only; std::nullopt for any other text. Independent of the
// locale, so a decimal comma setting cannot change what a tone reads.
std::optional<double> HertzOf(std::string_view text) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
        return std::nullopt;
    double hertz = 0.0; // "." alone reads as 0
    if (std::from_chars(text.data(), text.data() + text.size(), hertz).ec == std::errc::result_out_of_range) {
        // Too many digits for a double: huge when the whole part has a digit other than 0, else tiny.
        const std::string_view whole = text.substr(0, text.find('.'));
        const bool huge = whole.find_first_not_of('0') != std::string_view::npos;
        hertz = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return hertz;
}

} // namespace

ToneCode ToneCode::Ctcss(unsigned tenthsHz) {
    return ToneCode(static_cast<uint16_t>(tenthsHz));
}

ToneCode ToneCode::Dcs(unsigned code, bool inverted) {
    const unsigned high = kDcsMarker | (inverted ? kDcsInverted : 0u) | ((code >> 8) & 1u);
    return ToneCode(static_cast<uint16_t>(high << 8 | (code & 0xFF)));
}

ToneCode ToneCode::FromItemText(std::string_view item) {
    if (item.empty())
        return ToneCode();
    if (item.front() == 'D')
        return DcsOf(item, item.size() > 4 && item[4] == 'I');
    const std::optional<double> hertz = HertzOf(item);
    if (!hertz)
        return ToneCode();
    const double tenths = *hertz * 10;
    // Zero (the off item read as a number) and values that would turn into DCS or no tone are no tones.
    return tenths >= 1 && tenths < 0x2000 ? Ctcss(static_cast<unsigned>(tenths)) : ToneCode();
}

std::optional<ToneCode> ToneCode::FromTypedText(std::string_view text) {
    if (text.empty())
        return ToneCode();
    if (text.front() == 'D') {
        if (text.size() == 1)
            return std::nullopt;
        std::string padded(text);
        padded.resize(std::max<std::size_t>(padded.size(), 4), '0');
        return DcsOf(padded, text.size() == kDcsTextLength && text[4] == 'I');
    }
    const std::optional<double> hertz = HertzOf(text);
    if (!hertz)
        return ToneCode();
    const double limited = std::clamp(*hertz, kLowestTypedCtcss / 10.0, kHighestTypedCtcss / 10.0);
    return Ctcss(static_cast<unsigned>(limited * 10));
}

std::string ToneCode::Text() const {
    if (IsNone())
        return {};
    if (IsDcs()) {
        const unsigned code = DcsCode();
        std::string text = "D";
        for (unsigned shift : {6u, 3u, 0u})
            text += static_cast<char>('0' + ((code >> shift) & 7u));
        return text + (IsInverted() ? 'I' : 'N');
    }
    return std::to_string(m_raw / 10) + '.' + std::to_string(m_raw % 10);
}

} // namespace rpx
