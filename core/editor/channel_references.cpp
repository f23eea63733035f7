#include "core/editor/channel_references.h"

#include "core/editor/channel_record.h"
#include "core/radio/image_layout.h"

namespace rpx {

namespace {

constexpr TextId kEmergencyChannelReleased = 3003027;
constexpr TextId kEmergencyCaption = 3011023;
constexpr TextId kDataChannelReleased = 3003045;
constexpr TextId kDataChannelCaption = 3017029;

bool NamesEmptyChannel(const RadioImage& image, int channel) {
    return ChannelRecord::IsChannel(channel) && !ConstChannelRecord(image, channel).IsProgrammed();
}

} // namespace

void CheckChannelReferences(RadioImage& image, Notifier& notifier, int channel) {
    if (image.Byte(layout::kEmergencyChannel) == channel && NamesEmptyChannel(image, channel)) {
        image.SetByte(layout::kEmergencyChannel, 0);
        notifier.Show(kEmergencyChannelReleased, kEmergencyCaption, MessageButtons::Ok,
                      MessageIcon::Exclamation);
    }
    // A Data Channel outside 1..8 names no record; it is left for the feature dialogs to judge.
    const int dataChannel = image.Byte(layout::kDataChannel);
    if (dataChannel != 0 && NamesEmptyChannel(image, dataChannel)) {
        image.SetByte(layout::kDataChannel, 0);
        notifier.Show(kDataChannelReleased, kDataChannelCaption, MessageButtons::Ok,
                      MessageIcon::Exclamation);
    }
}

} // namespace rpx
