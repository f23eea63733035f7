#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rpx {

// A memory of N bytes as a device holds it, with byte, bit and little-endian word access. The
// radio's image and the trunking board's settings memory are both one.
template <std::size_t N> class FixedImage {
public:
    static constexpr std::size_t kSize = N;

    FixedImage() { m_bytes.fill(0); }

    uint8_t Byte(std::size_t offset) const { return m_bytes.at(offset); }
    void SetByte(std::size_t offset, uint8_t value) { m_bytes.at(offset) = value; }
    bool Bit(std::size_t offset, unsigned bit) const { return (Byte(offset) >> bit) & 1u; }
    void SetBit(std::size_t offset, unsigned bit, bool on) {
        const auto mask = static_cast<uint8_t>(1u << bit);
        SetByte(offset, static_cast<uint8_t>(on ? (Byte(offset) | mask) : (Byte(offset) & ~mask)));
    }
    // Little-endian 16-bit word at offset, offset + 1.
    uint16_t Word(std::size_t offset) const {
        return static_cast<uint16_t>(Byte(offset) | (Byte(offset + 1) << 8));
    }
    void SetWord(std::size_t offset, uint16_t value) {
        SetByte(offset, static_cast<uint8_t>(value & 0xFF));
        SetByte(offset + 1, static_cast<uint8_t>(value >> 8));
    }
    void Fill(std::size_t offset, std::size_t count, uint8_t value) {
        std::fill_n(Range(offset, count).begin(), count, value);
    }
    void FillAll(uint8_t value) { m_bytes.fill(value); }
    bool AllEqual(std::size_t offset, std::size_t count, uint8_t value) const {
        return std::ranges::all_of(Bytes().subspan(offset, count), [value](uint8_t b) { return b == value; });
    }

    std::span<uint8_t, N> Bytes() { return m_bytes; }
    std::span<const uint8_t, N> Bytes() const { return m_bytes; }

    bool operator==(const FixedImage&) const = default;

private:
    std::span<uint8_t> Range(std::size_t offset, std::size_t count) {
        return std::span<uint8_t>(m_bytes).subspan(offset, count);
    }

    std::array<uint8_t, N> m_bytes;
};

} // namespace rpx
