#include "core/radio/bcd_frequency.h"

namespace rpx::bcd {

uint32_t ReadFrequency(const RadioImage& image, std::size_t offset) {
    uint32_t units = 0;
    for (std::size_t i = 4; i-- > 0;) {
        const uint8_t b = image.Byte(offset + i);
        units = units * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return units;
}

void WriteFrequency(RadioImage& image, std::size_t offset, uint32_t units) {
    units %= kMaxUnits + 1;
    for (std::size_t i = 0; i < 4; ++i) {
        const uint32_t pair = units % 100;
        units /= 100;
        image.SetByte(offset + i, static_cast<uint8_t>(((pair / 10) << 4) | (pair % 10)));
    }
}

std::string Digits(const RadioImage& image, std::size_t offset) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (std::size_t i = 4; i-- > 0;) {
        const uint8_t b = image.Byte(offset + i);
        digits += kHex[b >> 4];
        digits += kHex[b & 0x0F];
    }
    return digits;
}

std::string FrequencyText(const RadioImage& image, std::size_t offset) {
    if (image.Byte(offset) == 0xFF)
        return {};
    return Digits(image, offset).insert(3, ".");
}

} // namespace rpx::bcd
