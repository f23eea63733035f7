#include "core/link/link_replies.h"

#include <algorithm>

#include "core/radio/data_file.h"
#include "core/radio/image_layout.h"

namespace rpx {

namespace {

constexpr const char* kKnownModels[] = {"E6181", "E6182", "MDL1A", "MDL1B", "MDL2A", "MDL2B"};

template <std::size_t N> std::optional<std::array<uint8_t, N>> Exactly(std::span<const uint8_t> reply) {
    if (reply.size() != N)
        return std::nullopt;
    std::array<uint8_t, N> bytes{};
    std::ranges::copy(reply, bytes.begin());
    return bytes;
}

// An area read: the exact length and a first byte "W".
bool IsArea(std::span<const uint8_t> reply, std::size_t length) {
    return reply.size() == length && reply[0] == link::kBlock;
}

} // namespace

bool Identification::KnownModel() const {
    const std::string model = Model();
    return std::find(std::begin(kKnownModels), std::end(kKnownModels), model) != std::end(kKnownModels);
}

bool Identification::BlankModel() const {
    const std::string model = Model();
    return model == "E6181" || model == "E6182";
}

std::optional<Identification> ParseIdentification(std::span<const uint8_t> reply) {
    const auto bytes = Exactly<link::kIdentificationReply>(reply);
    if (!bytes)
        return std::nullopt;
    return Identification{*bytes};
}

std::optional<MemorySize> ParseMemorySize(std::span<const uint8_t> reply) {
    if (reply.size() != link::kMemorySizeReply)
        return std::nullopt;
    return MemorySize{reply[1] == 0x33, reply[6] == 0xFF};
}

std::optional<PasswordReply> ParsePasswordReply(std::span<const uint8_t> reply) {
    if (!IsArea(reply, link::kPasswordReply))
        return std::nullopt;
    const auto field = reply.subspan(link::kAreaHeader);
    return PasswordReply{{field.begin(), std::find(field.begin(), field.end(), 0xFF)}, field[0] != 0xFF};
}

std::optional<MessageReply> ParseMessageReply(std::span<const uint8_t> reply) {
    if (!IsArea(reply, link::kMessageReply))
        return std::nullopt;
    const auto lines = reply.subspan(link::kAreaHeader);
    return MessageReply{EmbeddedMessageLine(lines.first(layout::kMessageLineLength)),
                        EmbeddedMessageLine(lines.subspan(layout::kMessageLineLength))};
}

std::optional<BlockReply> ParseBlockReply(std::span<const uint8_t> reply) {
    if (!IsArea(reply, link::kBlockReply) || reply[3] != link::kBlockSize)
        return std::nullopt;
    BlockReply block{reply[1], reply[2], {}};
    std::ranges::copy(reply.subspan(link::kAreaHeader), block.data.begin());
    return block;
}

std::optional<RadioInformation> ParseInformationReply(std::span<const uint8_t> reply) {
    if (reply.size() != link::kInformationReply || reply[0] != link::kInformation)
        return std::nullopt;
    RadioInformation information;
    std::copy_n(reply.begin() + 1, information.text.size(), information.text.begin());
    information.modelCode.assign(reply.begin() + 17, reply.end());
    return information;
}

std::optional<std::array<uint8_t, link::kAdjustmentReply>>
ParseAdjustmentReply(std::span<const uint8_t> reply) {
    return Exactly<link::kAdjustmentReply>(reply);
}

std::optional<std::array<uint8_t, link::kTestChannelRecord>>
ParseTestChannelRecord(std::span<const uint8_t> reply) {
    return Exactly<link::kTestChannelRecord>(reply);
}

bool IsAcknowledgement(uint8_t reply, bool acceptNak) {
    return reply == link::kAck || (acceptNak && reply == link::kNak);
}

} // namespace rpx
