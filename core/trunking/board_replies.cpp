#include "core/trunking/board_replies.h"

#include <algorithm>

namespace rpx {

namespace {

constexpr uint8_t kCr = 0x0D;
constexpr uint8_t kLf = 0x0A;
constexpr uint8_t kGranted = '2';

} // namespace

bool AccessGranted(std::span<const uint8_t> reply) {
    return reply.size() == 3 && (reply[0] == kGranted || reply[1] == kLf || reply[2] == kCr);
}

std::optional<std::array<uint8_t, 8>> ParseReadRecord(std::span<const uint8_t> reply) {
    if (reply.size() != 12 || reply[4] != kLf || reply[5] != kCr)
        return std::nullopt;
    std::array<uint8_t, 8> data{};
    std::copy_n(reply.begin(), 4, data.begin());
    std::copy_n(reply.begin() + 6, 4, data.begin() + 4);
    return data;
}

bool IsEndOfData(std::span<const uint8_t> reply) {
    return reply.size() == 8 && reply[6] == kLf && reply[7] == kCr;
}

bool RecordAccepted(std::span<const uint8_t> reply) {
    return reply.size() == 2 && (reply[0] == kLf || reply[1] == kCr);
}

bool IsEndOfWrite(std::span<const uint8_t> reply) {
    constexpr uint8_t kMarker[] = {kLf, kCr, kLf, kCr};
    return std::ranges::equal(reply, kMarker);
}

} // namespace rpx
