#include "core/radio/radio_image.h"

#include <algorithm>

namespace rpx {

void RadioImage::SetBit(std::size_t offset, unsigned bit, bool on) {
    const auto mask = static_cast<uint8_t>(1u << bit);
    SetByte(offset, on ? (Byte(offset) | mask) : (Byte(offset) & ~mask));
}

uint16_t RadioImage::Word(std::size_t offset) const {
    return static_cast<uint16_t>(Byte(offset) | (Byte(offset + 1) << 8));
}

void RadioImage::SetWord(std::size_t offset, uint16_t value) {
    SetByte(offset, value & 0xFF);
    SetByte(offset + 1, value >> 8);
}

void RadioImage::Fill(std::size_t offset, std::size_t count, uint8_t value) {
    std::fill_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset), count, value);
}

bool RadioImage::AllEqual(std::size_t offset, std::size_t count, uint8_t value) const {
    const auto first = m_bytes.begin() + static_cast<std::ptrdiff_t>(offset);
    return std::all_of(first, first + static_cast<std::ptrdiff_t>(count), [value](uint8_t b) { return b == value; });
}

std::string RadioImage::ModelString() const {
    return std::string(m_bytes.begin() + kModelString, m_bytes.begin() + kModelString + kModelStringLength);
}

void RadioImage::SetModelString(const std::string& model) {
    for (std::size_t i = 0; i < kModelStringLength; ++i)
        SetByte(kModelString + i, i < model.size() ? static_cast<uint8_t>(model[i]) : 0xFF);
}

std::string RadioImage::ModelCode() const {
    return std::string(m_bytes.begin() + kModelString, m_bytes.begin() + kModelString + kModelCodeLength);
}

bool RadioImage::IsExtendedVariant() const {
    const std::string model = ModelString();
    if (model == "MDL1B" || model == "MDL2B")
        return true;
    return VersionCode() == 0 && (model == "MDL1A" || model == "MDL2A");
}

} // namespace rpx
