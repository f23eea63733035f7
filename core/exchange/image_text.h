#pragma once

#include <string>
#include <string_view>

#include "core/app/notifier.h"
#include "core/app/result.h"
#include "core/radio/radio_image.h"

namespace rpx {

// The data as a readable text that can be kept under version control and edited: a first line
// naming the form, every field the dialogs show as "KEY: TEXT" (ImageFields; a backslash and
// control characters escaped as \\ and \xNN), then "bytes:" and the whole image as 128 lines of
// "ADR: 16 hexadecimal bytes". The bytes alone give the image back, so the text is lossless.
std::string ImageToText(const RadioImage& image, bool extendedMode, const LanguageTable& texts);

// The image a text gives: its bytes, then every field whose text was edited set as its dialog sets
// a typed or chosen value (through the Notifier, as in the dialog), each dialog confirmed with OK.
// A line that cannot be read, an unknown key or a value a dialog refuses is a Failure.
Result<RadioImage> ImageFromText(std::string_view text, bool extendedMode, Notifier& notifier);

} // namespace rpx
