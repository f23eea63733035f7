#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace rpx::sim {

enum class RadioMode { Idle, Programming, Testing };

enum class RequestKind {
    EnterProgramming, // "PROGRAM"
    EnterTesting,     // "TUNING "
    Acknowledge,      // 0x06 from the program, closing a reply
    Identify,         // 0x02
    MemorySize,       // 0x50
    ReadBlock,        // "R" page offset length
    WriteBlock,       // "W" page offset 0x10 and 16 data bytes
    RadioInfo,        // "NRK"
    Leave,            // "E"
    Adjustments,      // 0x05
    TestChannel,      // 0x10 n
    Signalling,       // 0x11 s
    TransmitOn,       // 0x08 0x0D
    TransmitOff,      // 0x08 0x0E
    Wide,             // "F"
    Narrow,           // "G"
    VolumeUp,         // 0x7D 0x0A
    VolumeDown,       // 0x7D 0x0B
    TuningStart,      // code 0x0D
    TuningValue,      // code 0x20 value
    TuningStop,       // code 0x0E
};

// What a run of received bytes turned out to be: a request the radio acts on, or bytes it drops.
struct Assembled {
    std::optional<RequestKind> kind; // nothing: dropped
    std::vector<uint8_t> bytes;
};

// Collects received bytes into the requests a radio in a given mode understands. A request that is
// also the start of a longer one (0x50 and "PROGRAM") is only taken once the line falls silent.
// Bytes that can start no request are dropped one by one, so the radio finds the next request.
class RequestAssembler {
public:
    void Add(uint8_t byte) { m_buffer.push_back(byte); }
    bool Empty() const { return m_buffer.empty(); }
    // The next request or dropped byte the collected bytes resolve to; nothing while they may
    // still grow into a request.
    std::optional<Assembled> Next(RadioMode mode);
    // The line fell silent: the collected bytes are a request if they are complete, else dropped.
    std::optional<Assembled> Flush(RadioMode mode);

private:
    Assembled Take(std::size_t count, std::optional<RequestKind> kind);

    std::vector<uint8_t> m_buffer;
};

} // namespace rpx::sim
