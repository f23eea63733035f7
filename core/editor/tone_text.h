#pragma once

#include <string>
#include <string_view>

#include "core/editor/channel_record.h"
#include "core/radio/radio_image.h"
#include "core/text/language_table.h"

namespace rpx {

// Decode (Direction::Rx) or encode (Direction::Tx) tone of a channel as text: "67.0", "D023N", or the
// off text 1001023 when there is no tone, the channel is empty, or (encode) the TX frequency is empty.
std::string FormatTone(const RadioImage& image, int channel, Direction direction, const LanguageTable& texts);
std::string FormatTone(const RadioImage& image, RecordAt at, Direction direction, const LanguageTable& texts);

// Stores the tone of a chosen ToneList item (ToneCode::FromItemText).
void ParseToneSelection(RadioImage& image, int channel, Direction direction, std::string_view item);
// Stores the tone of a typed text (ToneCode::FromTypedText); a lone "D" leaves the tone as it was.
void ParseToneText(RadioImage& image, int channel, Direction direction, std::string_view text);

} // namespace rpx
