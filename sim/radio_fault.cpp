#include "sim/radio_fault.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace rpx::sim {

namespace {

struct NamedKind {
    std::string_view name;
    FaultKind kind;
};

constexpr std::array<NamedKind, 13> kKinds = {{
    {"no-program-ack", FaultKind::NoProgramAck},
    {"no-block-reply", FaultKind::NoBlockReply},
    {"short-block", FaultKind::ShortBlock},
    {"bad-block-start", FaultKind::BadBlockStart},
    {"bad-length", FaultKind::BadLength},
    {"nak-write", FaultKind::NakWrite},
    {"slow-reply", FaultKind::SlowReply},
    {"garbage", FaultKind::Garbage},
    {"no-start-ack", FaultKind::NoStartAck},
    {"one-byte-ack", FaultKind::OneByteAck},
    {"bad-record", FaultKind::BadRecord},
    {"no-record-ack", FaultKind::NoRecordAck},
    {"drop-write", FaultKind::DropWrite},
}};

} // namespace

std::optional<RadioFault> ParseRadioFault(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::string_view name = text.substr(0, colon);
    const auto named =
        std::find_if(kKinds.begin(), kKinds.end(), [&](const NamedKind& k) { return k.name == name; });
    if (named == kKinds.end())
        return std::nullopt;
    RadioFault fault{named->kind};
    if (colon == std::string_view::npos)
        return fault;
    const std::string_view number = text.substr(colon + 1);
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), fault.occurrence);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        fault.occurrence < 1)
        return std::nullopt;
    return fault;
}

std::vector<std::string> FaultKindNames() {
    std::vector<std::string> names;
    for (const NamedKind& k : kKinds)
        names.emplace_back(k.name);
    return names;
}

bool FaultStrikes(const std::vector<RadioFault>& faults, FaultKind kind, int occurrence) {
    return std::find(faults.begin(), faults.end(), RadioFault{kind, occurrence}) != faults.end();
}

} // namespace rpx::sim
