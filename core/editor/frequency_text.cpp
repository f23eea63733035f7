#include "core/editor/frequency_text.h"

#include "core/editor/band_limits.h"
#include "core/editor/channel_raster.h"
#include "core/editor/channel_table.h"
#include "core/editor/leading_number.h"
#include "core/editor/trunking_rows.h"
#include "core/radio/bcd_frequency.h"
#include "core/radio/image_layout.h"

namespace rpx {

namespace {

constexpr std::size_t kMhzDigits = 3;
constexpr uint32_t kTooHighMarker = 1000; // a leading number from here on reads as "9000"

std::string WithDecimalPoint(std::string digits) {
    return digits.insert(kMhzDigits, ".");
}

// The typed text in 10 Hz units. A fourth character other than "." makes the text its leading
// number (or "9000" from 1000 on); the digit count then says where the MHz end.
int64_t UnitsOf(std::string_view typed) {
    std::string text(typed);
    if (text.size() > kMhzDigits) {
        if (text[kMhzDigits] == '.') {
            text.erase(kMhzDigits, 1);
        } else {
            const int64_t number = LeadingNumber(text);
            text = number < kTooHighMarker ? std::to_string(number) : "9000";
        }
    }
    static constexpr int64_t kScaleByLength[] = {1, 1, 1, 100000, 10000, 1000, 100, 10};
    const int64_t scale = text.size() < std::size(kScaleByLength) ? kScaleByLength[text.size()] : 1;
    return LeadingNumber(text) * scale;
}

FrequencyEntry StoreChannelFrequency(RadioImage& image, int channel, Direction direction,
                                     std::string_view text) {
    return StoreFrequency(image, RecordAt{ChannelRecord(image, channel).Offset()}, direction, text);
}

} // namespace

FittedFrequency FitTypedFrequency(const RadioImage& image, std::string_view text) {
    const BandLimits limits = LimitsOf(image);
    const ClampResult lower = ClampToLimits(limits, LimitSide::Lower, UnitsOf(text));
    const ClampResult upper = ClampToLimits(limits, LimitSide::Upper, lower.units);
    return {FitToRaster(static_cast<uint32_t>(upper.units), limits.vhf), lower.outOfBand || upper.outOfBand};
}

// Steps 2 to 8 of storing a typed frequency, for either side.
FrequencyEntry StoreFrequency(RadioImage& image, RecordAt at, Direction direction, std::string_view text) {
    const FittedFrequency fitted = FitTypedFrequency(image, text);
    ChannelRecord record(image, at);
    record.SetStep(direction, fitted.fit.step);
    bcd::WriteFrequency(image, record.FrequencyOffset(direction), fitted.fit.units);
    return {FormatFrequency(image, at, direction), fitted.outOfBand};
}

std::string FormatFrequency(const RadioImage& image, int channel, Direction direction) {
    return FormatFrequency(image, RecordAt{ConstChannelRecord(image, channel).Offset()}, direction);
}

std::string FormatFrequency(const RadioImage& image, RecordAt at, Direction direction) {
    const ConstChannelRecord record(image, at);
    if (!record.HasFrequency(direction))
        return {};
    return WithDecimalPoint(bcd::Digits(image, record.FrequencyOffset(direction)));
}

std::optional<FrequencyEntry> ParseRxFrequency(RadioImage& image, int channel, std::string_view text) {
    if (IsReservedRow(image, channel))
        return std::nullopt;
    if (text.empty()) {
        EraseRxFrequency(image, channel);
        return FrequencyEntry{};
    }
    return StoreChannelFrequency(image, channel, Direction::Rx, text);
}

FrequencyEntry ParseTxFrequency(RadioImage& image, int channel, std::string_view text) {
    if (!text.empty())
        return StoreChannelFrequency(image, channel, Direction::Tx, text);
    EraseTxFrequency(image, channel);
    if (image.Byte(layout::kEmergencyChannel) == channel)
        image.SetByte(layout::kEmergencyChannel, 0);
    return {};
}

} // namespace rpx
