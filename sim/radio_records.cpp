#include "sim/radio_records.h"

#include <algorithm>

namespace rpx::sim {

namespace {

constexpr uint8_t kUnused = 0xFF;
constexpr std::size_t kModelCodeLength = 6;
constexpr std::size_t kInfoTextLength = 16;
constexpr uint8_t kReadableFlag = 0x40;
constexpr std::size_t kBlockHeaderSize = 4;

// text cut or 0xFF padded to count bytes.
void AppendField(Bytes& bytes, std::string_view text, std::size_t count) {
    const std::size_t length = std::min(count, text.size());
    bytes.insert(bytes.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
    bytes.insert(bytes.end(), count - length, kUnused);
}

} // namespace

Bytes IdentificationRecord(std::string_view modelCode, bool readable) {
    Bytes record;
    AppendField(record, modelCode, kModelCodeLength);
    record.push_back(readable ? kUnused : static_cast<uint8_t>(kUnused & ~kReadableFlag));
    record.push_back(kUnused);
    return record;
}

Bytes MemorySizeRecord(std::size_t memorySize, bool refuseExtended) {
    // Only bytes 1 and 6 mean something to the program; the rest is a fixed pattern of this radio.
    return {'M', memorySize == 2048 ? uint8_t{0x33} : uint8_t{0x31}, '0',     '0',     '0',
            '0', refuseExtended ? kUnused : uint8_t{0x00},           kUnused, kUnused, kUnused};
}

Bytes InfoRecord(std::string_view infoText, std::string_view modelCode) {
    Bytes record{'N'};
    AppendField(record, infoText, kInfoTextLength);
    AppendField(record, modelCode, kModelCodeLength);
    record.insert(record.end(), 2, kUnused);
    return record;
}

Bytes BlockReply(uint8_t page, uint8_t offset, std::span<const uint8_t> data) {
    Bytes reply(kBlockHeaderSize + data.size());
    reply[0] = 'W';
    reply[1] = page;
    reply[2] = offset;
    reply[3] = static_cast<uint8_t>(data.size());
    std::copy(data.begin(), data.end(), reply.begin() + kBlockHeaderSize);
    return reply;
}

} // namespace rpx::sim
