#pragma once

#include <string>
#include <vector>

#include "core/radio/radio_image.h"
#include "core/text/language_table.h"

namespace rpx {

// One field a dialog shows for an image, under its settings key: "scan.revert-channel" for a
// feature dialog's field, "channel.3.rx" for a field of channel row 3's detail dialog.
struct ImageField {
    std::string key;
    std::string text;
    bool operator==(const ImageField&) const = default;
};

// Every field of every registered feature dialog (in Edit-menu order), then every field of each
// channel row whose detail dialog opens. Looking changes nothing: each dialog is opened on a copy of
// the image and cancelled.
std::vector<ImageField> ImageFields(const RadioImage& image, bool extendedMode, const LanguageTable& texts);

} // namespace rpx
