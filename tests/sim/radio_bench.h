#pragma once

#include <chrono>
#include <initializer_list>
#include <string_view>

#include "sim/radio_records.h"
#include "sim/virtual_radio.h"

namespace rpx::sim::test {

using namespace std::chrono_literals;

// Long enough for any reply of an unpaced radio to have arrived: silence after it means none comes.
inline constexpr auto kSilence = 150ms;

Bytes Text(std::string_view text);
Bytes Join(std::initializer_list<Bytes> pieces);
// A new radio's image whose bytes 0x000..0x33F and 0x400..0x7FF follow n * 7 + 3, so a shifted copy shows.
RadioImage PatternImage();
Bytes MemoryBytes(const RadioImage& image, std::size_t address, std::size_t count);
// The request writing 16 bytes of fill at address.
Bytes WriteRequest(std::size_t address, uint8_t fill);

// A simulated radio on an in-memory line, with the program's end in the test's hands.
class RadioBench {
public:
    explicit RadioBench(RadioSetup setup = {});

    SimulatedRadio& Radio() { return m_radio.Radio(); }
    // Sends request as the program does, discarding stale input first, then collects count reply
    // bytes (fewer when timeout passes first) and whatever else had arrived with them.
    Bytes Ask(const Bytes& request, std::size_t count, std::chrono::milliseconds timeout = 1000ms);
    void Send(const Bytes& bytes) { m_program.Write(bytes); }
    Bytes Collect(std::size_t count, std::chrono::milliseconds timeout);
    // "PROGRAM" sent and acknowledged (a failed expectation otherwise).
    void EnterProgramming();
    // The program's ACK closing a reply; the radio's answer.
    Bytes Acknowledge() { return Ask({kAck}, 1); }

private:
    VirtualRadio m_radio;
    SerialDevice& m_program;
};

} // namespace rpx::sim::test
