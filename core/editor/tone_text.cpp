#include "core/editor/tone_text.h"

#include "core/text/text_ids.h"

namespace rpx {

std::string FormatTone(const RadioImage& image, int channel, Direction direction,
                       const LanguageTable& texts) {
    return FormatTone(image, RecordAt{ConstChannelRecord(image, channel).Offset()}, direction, texts);
}

std::string FormatTone(const RadioImage& image, RecordAt at, Direction direction,
                       const LanguageTable& texts) {
    const ConstChannelRecord record(image, at);
    const bool hasFrequency = record.IsProgrammed() && record.HasFrequency(direction);
    const ToneCode tone = record.Tone(direction);
    if (!hasFrequency || tone.IsNone())
        return texts.GetText(txt::kOff);
    return tone.Text();
}

void ParseToneSelection(RadioImage& image, int channel, Direction direction, std::string_view item) {
    ChannelRecord(image, channel).SetTone(direction, ToneCode::FromItemText(item));
}

void ParseToneText(RadioImage& image, int channel, Direction direction, std::string_view text) {
    if (const std::optional<ToneCode> tone = ToneCode::FromTypedText(text))
        ChannelRecord(image, channel).SetTone(direction, *tone);
}

} // namespace rpx
