#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/radio/radio_image.h"
#include "core/text/language_table.h"

namespace rpx {

// One of the four models the program knows, with what it offers.
struct ModelVariant {
    const char* modelString; // at image 0x3C0..0x3C4
    int series;              // 1 VHF, 2 UHF
    TextId seriesLabel;
    TextId displayName;
    std::vector<uint8_t> rangeCodes; // the Freq list of the Model dialog, in list order
};

// MDL1A, MDL1B, MDL2A, MDL2B, in the order of the Model list.
std::span<const ModelVariant> ModelVariants();
// Null when modelString is none of the four.
const ModelVariant* FindModelVariant(const std::string& modelString);
// The frequency-range code a model gets when it is chosen; current is the code before the choice.
uint8_t DefaultRangeCode(const ModelVariant& variant, uint8_t current);
// 1 for band codes 1 and 2, 2 for 3..5, 0 for any other.
int SeriesOfBand(unsigned bandCode);

// Name of the frequency band; the name of band 3 for a code outside 1..5.
TextId BandName(unsigned bandCode, unsigned versionCode);
// Name of the version within its band; the first version's name for combinations without one.
TextId VersionName(unsigned bandCode, unsigned versionCode);
// A Freq list entry: band name, "(", version name, ")".
std::string RangeText(const LanguageTable& texts, uint8_t rangeCode);

// The main window title for the image and the title file part.
std::string ComposeTitle(const RadioImage& image, const LanguageTable& texts, const std::string& titleFilePart);

} // namespace rpx
