#include "core/tone/wav_file.h"

#include <string_view>

namespace rpx {

namespace {

class LittleEndianWriter {
public:
    explicit LittleEndianWriter(std::vector<uint8_t>& bytes) : m_bytes(bytes) {}
    void Tag(std::string_view tag) { m_bytes.insert(m_bytes.end(), tag.begin(), tag.end()); }
    void U16(uint16_t value) { Put(value, 2); }
    void U32(uint32_t value) { Put(value, 4); }

private:
    void Put(uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            m_bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    std::vector<uint8_t>& m_bytes;
};

} // namespace

std::vector<uint8_t> WavFileBytes(std::span<const int16_t> samples, int sampleRate) {
    constexpr uint16_t kChannels = 1;
    constexpr uint16_t kBytesPerSample = 2;
    constexpr uint32_t kFormatChunkSize = 16;
    constexpr uint16_t kPcm = 1;
    const auto dataSize = static_cast<uint32_t>(samples.size() * kBytesPerSample);

    std::vector<uint8_t> bytes;
    LittleEndianWriter out(bytes);
    out.Tag("RIFF");
    out.U32(4 + (8 + kFormatChunkSize) + (8 + dataSize));
    out.Tag("WAVE");
    out.Tag("fmt ");
    out.U32(kFormatChunkSize);
    out.U16(kPcm);
    out.U16(kChannels);
    out.U32(static_cast<uint32_t>(sampleRate));
    out.U32(static_cast<uint32_t>(sampleRate) * kChannels * kBytesPerSample);
    out.U16(kChannels * kBytesPerSample);
    out.U16(8 * kBytesPerSample);
    out.Tag("data");
    out.U32(dataSize);
    for (const int16_t sample : samples)
        out.U16(static_cast<uint16_t>(sample));
    return bytes;
}

} // namespace rpx
