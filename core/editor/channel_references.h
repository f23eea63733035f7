#pragma once

#include "core/app/notifier.h"
#include "core/radio/radio_image.h"

namespace rpx {

// Releases the settings that name a channel which is now empty, telling the user of each: the
// emergency channel 0x200 when it names this channel (message 3003027), and the Data Channel 0x0AB
// whichever channel it names (message 3003045). A released byte becomes 0 (none).
void CheckChannelReferences(RadioImage& image, Notifier& notifier, int channel);

} // namespace rpx
