#include "core/link/check_test_channels.h"

#include <algorithm>
#include <array>

#include "core/radio/image_layout.h"

namespace rpx {

TestChannelCheck CheckTestChannels(LinkSession& link, const RadioImage& image) {
    std::array<uint8_t, layout::kTestFrequencyTableSize> records{};
    for (std::size_t n = 1; n <= layout::kTestFrequencyPairs; ++n) {
        const uint8_t request[] = {link::kTestChannel, static_cast<uint8_t>(n)};
        const auto reply = link.Request(request, link::kTestChannelRecord);
        const auto record = reply ? ParseTestChannelRecord(*reply) : std::nullopt;
        if (!record || !link.ExchangeAck(true))
            return TestChannelCheck::Failed;
        std::ranges::copy(*record,
                          records.begin() + static_cast<std::ptrdiff_t>((n - 1) * link::kTestChannelRecord));
    }
    const auto stored = image.Bytes().subspan(layout::kTestFrequencies, layout::kTestFrequencyTableSize);
    return std::ranges::equal(records, stored) ? TestChannelCheck::Same : TestChannelCheck::Differ;
}

} // namespace rpx
