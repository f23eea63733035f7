#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/link/link_replies.h"
#include "core/link/radio_link.h"
#include "core/text/language_table.h"

namespace rpx {

// Tools > Radio information: asks the radio on the link for its record. True when the dialog is
// to be shown with the record.
bool OnToolsRadioInfo(RadioLink& link, RadioInformation& information);

// The three fields of the radio information dialog; model and band stay empty for an unknown model.
struct RadioInfoFields {
    std::string model;
    std::string bandAndVersion;
    std::string text;
};
RadioInfoFields DescribeRadioInfo(const RadioInformation& information, const LanguageTable& texts);

} // namespace rpx
