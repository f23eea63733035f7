#include "core/features/channel_choices.h"

#include "core/radio/image_layout.h"

namespace rpx {

namespace {

constexpr TextId kNoneText = 3011021;
constexpr TextId kGroupTexts[] = {1001075, 1001077};
constexpr uint8_t kGroupFunction = 11;
constexpr int kGroupSize = 4;

} // namespace

bool TrunkingGroupDisplay(const RadioImage& image) {
    return image.IsExtendedVariant() && (image.Byte(layout::kProgrammableKey1) == kGroupFunction ||
                                         image.Byte(layout::kProgrammableKey2) == kGroupFunction);
}

std::string GroupChannelLabel(const LanguageTable& texts, int channel, const TextId (&placeTexts)[4]) {
    const int index = channel - 1;
    return std::string(texts.GetText(kGroupTexts[index / kGroupSize])) + ' ' +
           texts.GetText(placeTexts[index % kGroupSize]);
}

std::vector<ListItem> ChannelChoices(const RadioImage& image, const LanguageTable& texts,
                                     bool (*qualifies)(const RadioImage& image, int channel)) {
    std::vector<ListItem> choices = {{texts.GetText(kNoneText), 0}};
    const bool groups = TrunkingGroupDisplay(image);
    const int last = groups ? static_cast<int>(layout::kChannelCount) : kGroupSize;
    for (int channel = 1; channel <= last; ++channel)
        if (qualifies(image, channel))
            choices.push_back({groups ? GroupChannelLabel(texts, channel) : std::to_string(channel),
                               static_cast<uint8_t>(channel)});
    return choices;
}

} // namespace rpx
