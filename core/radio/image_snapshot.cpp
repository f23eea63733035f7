#include "core/radio/image_snapshot.h"

#include <stdexcept>

#include "core/radio/image_layout.h"

namespace rpx {

void ImageSnapshot::TakeSnapshot(const RadioImage& image) {
    if (m_held)
        throw std::logic_error("image snapshot taken while a dialog edit holds it");
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        m_words[i] = image.Byte(i);
    for (std::size_t reference : {layout::kDataChannel, layout::kEmergencyChannel}) {
        const uint8_t channel = image.Byte(reference);
        if (channel >= 1 && channel <= 4 && image.Byte(layout::ChannelRecordOffset(channel)) == 0xFF)
            m_words[reference] = 0;
    }
}

void ImageSnapshot::RestoreSnapshot(RadioImage& image) const {
    for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
        const auto value = static_cast<uint8_t>(m_words[i] & 0xFF);
        if (image.Byte(i) != value)
            image.SetByte(i, value);
    }
}

} // namespace rpx
