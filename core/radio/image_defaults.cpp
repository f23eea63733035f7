#include "core/radio/image_defaults.h"

#include <array>
#include <cstdint>

#include "core/radio/bcd_frequency.h"
#include "core/radio/image_layout.h"

namespace rpx {

namespace {

struct ByteRun {
    std::size_t offset;
    std::initializer_list<uint8_t> values;
};

const ByteRun kDefaultRuns[] = {
    {0x0A0, {1, 1, 1, 0, 0, 6, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {0x0DA, {1, 0}},
    {0x0E0, {0, 0, 10, 0, 0, 1, 0, 200, 0, 0xFF}},
    {0x1A0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0x1C0, {0x30, 0x30, 0x30}},
    {0x1CA, {0, 10, 0, 0, 0, 1, 0}},
    {0x1DE, {10, 1}},
    {0x1E0, {0xD2, 0, 0xD2, 0, 0xD2, 0, 0xD2, 0, 0xD2, 0, 0xD2, 0, 0xD2, 0, 0xD2, 0}},
    {0x1F0, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
    {0x200, {0, 25, 5, 1, 1, 0, 0, 2, 2, 0, 4, 4, 0}},
    {0x23A, {1, 0xFF, 0, 0}},
    {0x240, {0, 1, 2, 3, 6, 0xFF}},
    {0x250, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}},
    {0x260, {1, 6, 6, 0}},
    {0x3A0, {0xFF, 0, 0, 0x90, 1, 0}},
};

// Test pairs 1..6 in MHz x 100 (receive, transmit).
using TestPairs = std::array<std::array<uint32_t, 2>, 6>;

constexpr TestPairs kBand1 = {{{16005, 16010}, {14605, 14610}, {17395, 17390}, {16000, 16000}, {16020, 16020}, {16040, 16040}}};
constexpr TestPairs kBand2 = {{{14905, 14910}, {13605, 13610}, {16195, 16190}, {14900, 14900}, {14920, 14920}, {14940, 14940}}};
constexpr TestPairs kBand3 = {{{47005, 47010}, {45005, 45010}, {48995, 48990}, {47000, 47000}, {47020, 47020}, {47040, 47040}}};
constexpr TestPairs kBand4Version1 = {{{50255, 50260}, {48505, 48510}, {51995, 51990}, {50200, 50200}, {50220, 50220}, {50240, 50240}}};
constexpr TestPairs kBand4Version0 = {{{49855, 49860}, {48505, 48510}, {51195, 51190}, {49850, 49850}, {49870, 49870}, {49890, 49890}}};
constexpr TestPairs kBand5 = {{{41505, 41510}, {40005, 40010}, {42995, 42990}, {41500, 41500}, {41520, 41520}, {41540, 41540}}};

const TestPairs* TestPairsFor(unsigned band, unsigned version) {
    switch (band) {
    case 1:
        return &kBand1;
    case 2:
        return &kBand2;
    case 3:
        return &kBand3;
    case 4:
        return version == 1 ? &kBand4Version1 : version == 0 ? &kBand4Version0 : nullptr;
    case 5:
        return &kBand5;
    default:
        return nullptr;
    }
}

void ApplyTrunkingRecordDefaults(RadioImage& image) {
    for (std::size_t r = 0; r < layout::kUpperRecords; ++r) {
        const std::size_t record = layout::kUpperMemory + r * layout::kRecordSize;
        image.Fill(record, 12, 0xFF);
        image.SetByte(record + 12, static_cast<uint8_t>((image.Byte(record + 12) | 0x02) & ~0x01));
        image.SetBit(record + 13, 5, true);
    }
}

} // namespace

void ResetChannelRecords(RadioImage& image) {
    for (std::size_t n = 1; n <= layout::kChannelCount; ++n) {
        const std::size_t record = layout::ChannelRecordOffset(n);
        image.Fill(record, 12, 0xFF);
        image.SetByte(record + 12, 0x02);
        image.SetByte(record + 13, static_cast<uint8_t>((image.Byte(record + 13) & 0x0F) | 0x30));
        image.SetByte(record + 14, image.Byte(record + 14) & 0x07);
    }
}

void ApplyNewImageDefaults(RadioImage& image) {
    ResetChannelRecords(image);
    for (const ByteRun& run : kDefaultRuns) {
        std::size_t offset = run.offset;
        for (uint8_t value : run.values)
            image.SetByte(offset++, value);
    }
    ApplyTrunkingRecordDefaults(image);
}

void ApplyBandTestFrequencies(RadioImage& image) {
    const TestPairs* pairs = TestPairsFor(image.BandCode(), image.VersionCode());
    if (pairs == nullptr)
        return;
    std::size_t offset = layout::kTestFrequencies;
    for (const auto& pair : *pairs) {
        for (uint32_t mhzHundredths : pair) {
            bcd::WriteFrequency(image, offset, mhzHundredths * 1000);
            offset += 4;
        }
    }
}

void ResetUpperMemory(RadioImage& image) {
    image.Fill(layout::kUpperMemory, RadioImage::kSize - layout::kUpperMemory, 0xFF);
    ApplyTrunkingRecordDefaults(image);
}

void MakeFirstImage(RadioImage& image, const std::string& modelSetting, bool extendedMode) {
    image.FillAll(0xFF);
    ApplyNewImageDefaults(image);
    if (modelSetting.empty()) {
        image.SetModelString("MDL2A");
        image.SetRangeCode(0x31);
    } else {
        // The setting is copied as a C string: the bytes after its end read as zero.
        for (std::size_t i = 0; i < 7; ++i)
            image.SetByte(RadioImage::kModelString + i, i < modelSetting.size() ? static_cast<uint8_t>(modelSetting[i]) : 0);
        if (!extendedMode)
            image.SetByte(RadioImage::kModelOptions, 0xFF);
    }
    ApplyBandTestFrequencies(image);
}

void MakeNewImageKeepingModel(RadioImage& image) {
    uint8_t identity[RadioImage::kModelIdentityLength];
    for (std::size_t i = 0; i < RadioImage::kModelIdentityLength; ++i)
        identity[i] = image.Byte(RadioImage::kModelString + i);
    image.FillAll(0xFF);
    ApplyNewImageDefaults(image);
    for (std::size_t i = 0; i < RadioImage::kModelIdentityLength; ++i)
        image.SetByte(RadioImage::kModelString + i, identity[i]);
    ApplyBandTestFrequencies(image);
}

} // namespace rpx
