#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/link/link_session.h"

namespace rpx {

// What a complete read brought back, to be applied to the image once the operation has ended.
struct StagedRead {
    std::vector<uint8_t> bytes; // 1024 or 2048, entry i from address i
    bool radioHas2048 = false;
    bool blankModelRadio = false; // the radio was never programmed
};

// A block as the last write sent it.
struct SentBlock {
    std::size_t address;
    std::array<uint8_t, 16> data;
};

// The radio's programming protocol: programming mode, identification and model check, memory size,
// the data password, and 16-byte block transfers with an acknowledgement after each. Test mode and
// the radio information request reuse its session and identification. The port is open only while
// an operation runs.
class RadioLink {
public:
    RadioLink(SerialPort& port, Session& session, Notifier& notifier, LinkUi& ui, LinkTiming timing = {},
              LinkClock& clock = SteadyClock());

    LinkSession& Link() { return m_link; }

    // The whole read; the bytes only when every one of them arrived and the radio was told to leave.
    // The session is not touched.
    std::optional<StagedRead> ReadRadio();
    // The whole write of the session's image, with its questions and its closing message. True when
    // every block and the final "E" went out.
    bool WriteRadio();

    // 0x02 and the check of the identifier, asked again while the user answers Retry to an unknown
    // model; Failed after Cancel there ("E" sent, port closed).
    StepResult Identify();
    // The blocks the last write sent, in address order.
    const std::vector<SentBlock>& SentBlocks() const { return m_sent; }
    const Identification& LastIdentification() const { return m_identification; }

private:
    // Opens the port (200 ms to settle) and puts the radio into programming mode, again on Retry.
    LinkOutcome OpenAndEnter();
    StepResult QueryMemorySize();
    StepResult ReadPasswordPhase();
    StepResult ReadAll(std::optional<StagedRead>& staged);
    StepResult ReadBlocks(StagedRead& staged);
    StepResult WriteAll(bool& restoreSnapshot);
    StepResult WriteBlocks();
    // A question on write; Cancel tells the radio to leave.
    bool Confirmed(MessageAnswer answer);
    void CloseAfterRead();

    Session& m_session;
    LinkSession m_link;
    Identification m_identification;
    MemorySize m_memory;
    std::size_t m_blocksWritten = 0;
    std::vector<SentBlock> m_sent;
};

} // namespace rpx
