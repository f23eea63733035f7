#include "sim/radio_memory.h"

#include <algorithm>

#include "core/radio/image_layout.h"

namespace rpx::sim {

namespace {

constexpr uint8_t kErased = 0xFF;
constexpr std::size_t kPasswordOffset = 0x0D0;
constexpr std::size_t kPasswordLength = 10;

// Text into count bytes at offset, cut to fit, 0xFF after it.
void WriteText(RadioImage& image, std::size_t offset, std::size_t count, const std::string& text) {
    image.Fill(offset, count, kErased);
    const std::size_t length = std::min(count, text.size());
    for (std::size_t i = 0; i < length; ++i)
        image.SetByte(offset + i, static_cast<uint8_t>(text[i]));
}

} // namespace

RadioMemory::RadioMemory(const RadioSetup& setup)
    : m_image(setup.image),
      m_size(setup.memorySize == RadioImage::kLowerHalf ? RadioImage::kLowerHalf : RadioImage::kSize) {
    if (setup.dataPassword)
        WriteText(m_image, kPasswordOffset, kPasswordLength, *setup.dataPassword);
    if (setup.messageLines) {
        for (std::size_t line = 0; line < 2; ++line)
            WriteText(m_image, layout::kEmbeddedMessage + line * layout::kMessageLineLength,
                      layout::kMessageLineLength, (*setup.messageLines)[line]);
    }
    if (setup.testChannels)
        std::copy(setup.testChannels->begin(), setup.testChannels->end(),
                  m_image.Bytes().begin() + layout::kTestFrequencies);
    if (m_size < RadioImage::kSize)
        m_image.Fill(m_size, RadioImage::kSize - m_size, kErased);
}

std::optional<std::vector<uint8_t>> RadioMemory::Read(std::size_t address, std::size_t length) const {
    if (length == 0 || address + length > RadioImage::kSize)
        return std::nullopt;
    const auto bytes = m_image.Bytes().subspan(address, length);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool RadioMemory::Store(std::size_t address, std::span<const uint8_t> bytes) {
    if (address + bytes.size() > m_size)
        return false;
    std::copy(bytes.begin(), bytes.end(), m_image.Bytes().begin() + static_cast<std::ptrdiff_t>(address));
    return true;
}

} // namespace rpx::sim
