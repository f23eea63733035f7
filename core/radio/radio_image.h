#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/radio/fixed_image.h"

namespace rpx {

// The radio's programmable memory, byte for byte: image offset n is radio address n.
// 0xFF means erased or not set; multi-byte numbers are little-endian.
class RadioImage : public FixedImage<2048> {
public:
    // Radios with 1024 bytes of memory use only the lower half.
    static constexpr std::size_t kLowerHalf = 1024;

    // Model identity bytes.
    static constexpr std::size_t kModelString = 0x3C0; // five ASCII characters
    static constexpr std::size_t kModelStringLength = 5;
    static constexpr std::size_t kRangeCode = 0x3C5;    // high nibble BandCode, low nibble VersionCode
    static constexpr std::size_t kModelOptions = 0x3C6; // bit 6 clear = hidden functions enabled
    static constexpr std::size_t kModelIdentityLength = 8;
    static constexpr std::size_t kModelCodeLength = 6; // compared with the radio's identification

    // The five characters at 0x3C0..0x3C4.
    std::string ModelString() const;
    void SetModelString(const std::string& model);
    // The six characters at 0x3C0..0x3C5 that the radio's identification is compared with.
    std::string ModelCode() const;
    uint8_t RangeCode() const { return Byte(kRangeCode); }
    void SetRangeCode(uint8_t code) { SetByte(kRangeCode, code); }
    // High nibble of the frequency-range code: names the frequency band (1..5).
    unsigned BandCode() const { return RangeCode() >> 4; }
    // Low nibble of the frequency-range code: 1 first version, 3 third, 0 the version-2 form.
    unsigned VersionCode() const { return RangeCode() & 0x0F; }
    bool HiddenFunctionsEnabled() const { return !Bit(kModelOptions, 6); }
    // True for models that have the second channel group and the further features.
    bool IsExtendedVariant() const;

    bool operator==(const RadioImage&) const = default;

private:
    std::string Text(std::size_t offset, std::size_t length) const;
};

} // namespace rpx
