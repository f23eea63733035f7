#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/link/radio_link.h"
#include "core/text/language_table.h"

namespace rpx {

// The radio's information record: a 16-character text (a serial or version number) and its
// model code, as the radio reports them to "NRK".
struct RadioInformation {
    std::array<uint8_t, 16> text{}; // ended early by 0xFF
    std::string modelCode;          // 8 characters: model, band/version byte, two unused
};

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
