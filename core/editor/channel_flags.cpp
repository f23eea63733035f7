#include "core/editor/channel_flags.h"

#include "core/editor/channel_record.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

constexpr TextId kHighPower = 3013015;
constexpr TextId kLowPower = 3013017;
constexpr TextId kWide = 1001029;
constexpr TextId kNarrow = 1001031;
constexpr TextId kScanAdded = 3013021;
constexpr TextId kScanDeleted = 3013019;
constexpr TextId kOptionSignalling = 3013023;

} // namespace

FlagItemTexts FlagItems(ChannelFlag flag) {
    switch (flag) {
    case ChannelFlag::Power:
        return {kLowPower, kHighPower};
    case ChannelFlag::WideNarrow:
        return {kNarrow, kWide};
    case ChannelFlag::Scan:
        return {kScanDeleted, kScanAdded};
    case ChannelFlag::Option:
        return {txt::kOff, kOptionSignalling};
    }
    return {};
}

bool FlagValue(const RadioImage& image, int channel, ChannelFlag flag) {
    const ConstChannelRecord record(image, channel);
    switch (flag) {
    case ChannelFlag::Power:
        return record.HighPower();
    case ChannelFlag::WideNarrow:
        return record.Wide();
    case ChannelFlag::Scan:
        return record.ScanAdd();
    case ChannelFlag::Option:
        return record.OptionSignalling();
    }
    return false;
}

TextId FlagText(const RadioImage& image, int channel, ChannelFlag flag) {
    if (!ConstChannelRecord(image, channel).IsProgrammed())
        return 0;
    const FlagItemTexts texts = FlagItems(flag);
    return FlagValue(image, channel, flag) ? texts.set : texts.clear;
}

void SetFlag(RadioImage& image, int channel, ChannelFlag flag, bool on) {
    ChannelRecord record(image, channel);
    switch (flag) {
    case ChannelFlag::Power:
        record.SetHighPower(on);
        break;
    case ChannelFlag::WideNarrow:
        record.SetWide(on);
        break;
    case ChannelFlag::Scan:
        record.SetScanAdd(on);
        break;
    case ChannelFlag::Option:
        record.SetOptionSignalling(on);
        break;
    }
}

} // namespace rpx
