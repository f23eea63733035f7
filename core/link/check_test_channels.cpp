#include "core/link/check_test_channels.h"

#include <algorithm>
#include <array>

#include "core/radio/image_layout.h"

namespace rpx {

namespace {

// Reads every record into records; false when an exchange failed.
bool ReadRecords(RadioLink& link, std::span<uint8_t, layout::kTestFrequencyTableSize> records) {
    for (std::size_t n = 1; n <= layout::kTestFrequencyPairs; ++n) {
        link.Port().PurgeInput();
        const uint8_t request[] = {link::kTestChannel, static_cast<uint8_t>(n)};
        link.Port().Write(request);
        link.WaitForBytes(link::kTestChannelRecord);
        if (!link.ReplyReady()) {
            link.ReportCommError();
            return false;
        }
        link.ReadReply(link::kTestChannelRecord);
        // Taken before the acknowledgement, whose reply lands in the same buffer.
        std::ranges::copy(link.Reply(),
                          records.begin() + static_cast<std::ptrdiff_t>((n - 1) * link::kTestChannelRecord));
        link.ExchangeAck();
        if (!link.ReplyReady() || link.TimedOut())
            return false;
    }
    return true;
}

} // namespace

TestChannelCheck CheckTestChannels(RadioLink& link, const RadioImage& image) {
    std::array<uint8_t, layout::kTestFrequencyTableSize> records{};
    link.SetAcceptNak(true);
    const bool complete = ReadRecords(link, records);
    link.SetAcceptNak(false);
    if (!complete)
        return TestChannelCheck::Failed;
    const auto stored = image.Bytes().subspan(layout::kTestFrequencies, layout::kTestFrequencyTableSize);
    return std::ranges::equal(records, stored) ? TestChannelCheck::Same : TestChannelCheck::Differ;
}

} // namespace rpx
