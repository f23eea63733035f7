#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rpx::sim {

// A misbehaviour the simulated radio can be told to show once, to prove the program's error paths.
enum class FaultKind {
    NoProgramAck,  // the N-th "PROGRAM" goes unanswered (the radio stays where it was)
    NoBlockReply,  // the N-th block read request ("R", password and message reads included) is ignored
    ShortBlock,    // the N-th block read is answered with 19 bytes instead of 20
    BadBlockStart, // the N-th block read is answered with a first byte other than "W"
    BadLength,     // the N-th block read keeps its 20 bytes but says 8 data bytes in its length byte
    NakWrite,      // the N-th written block is refused with NAK and not stored
    SlowReply,     // the N-th reply of any kind (ACKs included) leaves 500 ms late
    Garbage,       // three stray bytes 0x00 0x55 0xAA go out before the N-th reply
    // The trunking board's
    NoStartAck,  // the N-th start request goes unanswered
    OneByteAck,  // the N-th start request is acknowledged with 0x06 alone
    BadRecord,   // the N-th read record lacks its LF CR
    NoRecordAck, // the N-th written record is not acknowledged (nor stored)
    DropWrite,   // the N-th written block is acknowledged but not stored
};

struct RadioFault {
    FaultKind kind;
    int occurrence = 1; // which occurrence of the event it strikes, counted from 1 over the radio's life
    bool operator==(const RadioFault&) const = default;
};

// "kind" or "kind:N" with the names of FaultKindNames; nothing for anything else.
std::optional<RadioFault> ParseRadioFault(std::string_view text);
// The names a fault is given on the command line, in FaultKind order.
std::vector<std::string> FaultKindNames();

// True when faults hold one of kind for this occurrence.
bool FaultStrikes(const std::vector<RadioFault>& faults, FaultKind kind, int occurrence);

} // namespace rpx::sim
