#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/radio/radio_image.h"
#include "sim/radio_setup.h"

namespace rpx::sim {

// The radio's programmable memory: 2048 addresses, of which a 1024-byte radio has only the lower half.
class RadioMemory {
public:
    // The setup's image with its password, message and test channels written in; a 1024-byte radio
    // reads 0xFF from its missing upper half.
    explicit RadioMemory(const RadioSetup& setup);

    const RadioImage& Image() const { return m_image; }
    std::size_t Size() const { return m_size; }
    // The six characters at 0x3C0..0x3C5.
    std::string ModelCode() const { return m_image.ModelCode(); }

    // length bytes from address; nothing when length is 0 or the range leaves the address space.
    std::optional<std::vector<uint8_t>> Read(std::size_t address, std::size_t length) const;
    // False, storing nothing, when the bytes do not all fall in the memory the radio has.
    bool Store(std::size_t address, std::span<const uint8_t> bytes);

private:
    RadioImage m_image;
    std::size_t m_size;
};

} // namespace rpx::sim
