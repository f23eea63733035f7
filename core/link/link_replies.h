#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace rpx {

namespace link {
inline constexpr uint8_t kAck = 0x06;
inline constexpr uint8_t kNak = 0x15;
inline constexpr uint8_t kIdentify = 0x02;
inline constexpr uint8_t kTestMode = 0x05;
inline constexpr uint8_t kTestChannel = 0x10; // request: 0x10, record number 1..16
inline constexpr uint8_t kEnd = 0x45;         // "E": leave programming mode
inline constexpr uint8_t kAbandon = 0x65;     // "e": sent after "E" when the user gives up
inline constexpr uint8_t kMemorySize = 0x50;
inline constexpr uint8_t kRead = 0x52;
inline constexpr uint8_t kBlock = 0x57;
inline constexpr uint8_t kInformation = 0x4E; // "N": first byte of the information record
inline constexpr std::size_t kBlockSize = 16;

// Reply lengths, each fixed: only the exact count is a reply.
inline constexpr std::size_t kIdentificationReply = 8;
inline constexpr std::size_t kMemorySizeReply = 10;
inline constexpr std::size_t kAreaHeader = 4; // "W", page, offset, length
inline constexpr std::size_t kBlockReply = kAreaHeader + kBlockSize;
inline constexpr std::size_t kPasswordLength = 10;
inline constexpr std::size_t kPasswordReply = kAreaHeader + kPasswordLength;
inline constexpr std::size_t kMessageReply = kAreaHeader + 64;
inline constexpr std::size_t kInformationReply = 25;
inline constexpr std::size_t kAdjustmentReply = 62;
inline constexpr std::size_t kTestChannelRecord = 8; // receive, then transmit frequency
} // namespace link

// The radio's answer to 0x02.
struct Identification {
    std::array<uint8_t, link::kIdentificationReply> bytes{};

    std::string Model() const { return {bytes.begin(), bytes.begin() + 5}; }
    // The six characters an image holds at 0x3C0..0x3C5.
    std::string ModelCode() const { return {bytes.begin(), bytes.begin() + 6}; }
    unsigned RadioType() const { return bytes[5] & 0x0Fu; } // 0, 1 or other
    bool Readable() const { return (bytes[6] & 0x40) != 0; }
    // One of the identifiers the program serves.
    bool KnownModel() const;
    // A radio that was never programmed: a read gives a blank image instead of its data.
    bool BlankModel() const;
};

struct MemorySize {
    bool has2048 = false;
    bool refusesExtended = false; // byte 6 is 0xFF; counts only for a radio of type 1
};

struct PasswordReply {
    std::string password; // up to 10 characters, empty when none is set
    bool set = false;
};

struct MessageReply {
    std::string line1;
    std::string line2;
};

// One 16-byte block. Page and offset are kept as the radio sent them; the program does not
// compare them with the request.
struct BlockReply {
    uint8_t page = 0;
    uint8_t offset = 0;
    std::array<uint8_t, link::kBlockSize> data{};
};

// The radio's information record: a 16-character text (a serial or version number) and its model code.
struct RadioInformation {
    std::array<uint8_t, 16> text{}; // ended early by 0xFF
    std::string modelCode;          // 8 characters: model, band/version byte, two unused
};

// Each parser takes a complete reply and says whether it is one: nothing for a wrong length or a
// wrong first byte.
std::optional<Identification> ParseIdentification(std::span<const uint8_t> reply);
std::optional<MemorySize> ParseMemorySize(std::span<const uint8_t> reply);
std::optional<PasswordReply> ParsePasswordReply(std::span<const uint8_t> reply);
std::optional<MessageReply> ParseMessageReply(std::span<const uint8_t> reply);
// Also nothing when the length byte is not 16: the reply's data would not fill its block.
std::optional<BlockReply> ParseBlockReply(std::span<const uint8_t> reply);
std::optional<RadioInformation> ParseInformationReply(std::span<const uint8_t> reply);
std::optional<std::array<uint8_t, link::kAdjustmentReply>>
ParseAdjustmentReply(std::span<const uint8_t> reply);
std::optional<std::array<uint8_t, link::kTestChannelRecord>>
ParseTestChannelRecord(std::span<const uint8_t> reply);
// ACK, or NAK where acceptNak allows it.
bool IsAcknowledgement(uint8_t reply, bool acceptNak);

} // namespace rpx
