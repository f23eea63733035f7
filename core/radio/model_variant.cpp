#include "core/radio/model_variant.h"

#include <algorithm>

#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kSeries1Label = 3018003;
constexpr TextId kSeries2Label = 3018001;
constexpr TextId kFileLabel = 3018005;

const std::vector<ModelVariant> kVariants = {
    {"MDL1A", 1, kSeries1Label, 3005001, {0x21, 0x11, 0x20, 0x10}},
    {"MDL1B", 1, kSeries1Label, 3005002, {0x11, 0x23, 0x13}},
    {"MDL2A", 2, kSeries2Label, 3005003, {0x51, 0x31, 0x41, 0x50, 0x30, 0x40}},
    {"MDL2B", 2, kSeries2Label, 3005004, {0x51, 0x31, 0x53, 0x33}},
};

} // namespace

std::span<const ModelVariant> ModelVariants() { return kVariants; }

const ModelVariant* FindModelVariant(const std::string& modelString) {
    const auto it = std::find_if(kVariants.begin(), kVariants.end(),
                                 [&](const ModelVariant& v) { return modelString == v.modelString; });
    return it == kVariants.end() ? nullptr : &*it;
}

uint8_t DefaultRangeCode(const ModelVariant& variant, uint8_t current) {
    const std::string model = variant.modelString;
    if (model == "MDL1A")
        return current == 0x11 ? 0x11 : 0x21;
    if (model == "MDL2A")
        return current == 0x31 ? 0x31 : 0x51;
    return model == "MDL1B" ? 0x11 : 0x31;
}

int SeriesOfBand(unsigned bandCode) {
    if (bandCode == 1 || bandCode == 2)
        return 1;
    return bandCode >= 3 && bandCode <= 5 ? 2 : 0;
}

TextId BandName(unsigned bandCode, unsigned versionCode) {
    switch (bandCode) {
    case 1:
        return 3005007;
    case 2:
        return 3005005;
    case 4:
        return versionCode != 0 ? 3005015 : 3005013;
    case 5:
        return 3005009;
    default:
        return 3005011;
    }
}

TextId VersionName(unsigned bandCode, unsigned versionCode) {
    constexpr TextId kFirstVersion = 3005017;
    const bool band1or3 = bandCode == 1 || bandCode == 3;
    const bool band2or4 = bandCode == 2 || bandCode == 4;
    switch (versionCode) {
    case 1:
        return band1or3 ? kFirstVersion : band2or4 ? 3019099 : bandCode == 5 ? 3019105 : kFirstVersion;
    case 3:
        if (band1or3)
            return 3005019;
        if (bandCode == 2)
            return 3019101;
        if (bandCode == 4) // no third version in this band: it reads as the version-2 form
            return 3019103;
        return bandCode == 5 ? 3019107 : kFirstVersion;
    case 0:
        return band1or3 ? 3005021 : band2or4 ? 3019103 : bandCode == 5 ? 3019109 : kFirstVersion;
    default:
        return kFirstVersion;
    }
}

std::string RangeText(const LanguageTable& texts, uint8_t rangeCode) {
    const unsigned band = rangeCode >> 4;
    const unsigned version = rangeCode & 0x0F;
    return std::string(texts.GetText(BandName(band, version))) + "(" + texts.GetText(VersionName(band, version)) + ")";
}

std::string ComposeTitle(const RadioImage& image, const LanguageTable& texts, const std::string& titleFilePart) {
    const std::string model = image.ModelString();
    const ModelVariant* variant = FindModelVariant(model);
    const std::string modelName = variant ? texts.GetText(variant->displayName) : model;
    const std::string seriesPart = variant ? std::string(" ") + texts.GetText(variant->seriesLabel) + " : " : "";
    return std::string(texts.GetText(txt::kProgramName)) + " [" + modelName + " " + seriesPart +
           RangeText(texts, image.RangeCode()) + "] [" + texts.GetText(kFileLabel) + " : " + titleFilePart + " ]";
}

} // namespace rpx
