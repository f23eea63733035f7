#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/result.h"
#include "core/link/link_clock.h"
#include "core/link/link_replies.h"
#include "core/link/link_ui.h"
#include "core/link/serial_port.h"

namespace rpx {

// The waits the protocol prescribes. Tests may shorten the settling sleeps; the reply wait is what
// decides whether a reply came in time.
struct LinkTiming {
    std::chrono::milliseconds openSettle{200}; // after opening the port
    std::chrono::milliseconds closeSettle{
        250}; // before closing after a read, before the last "E" of a short write
    std::chrono::milliseconds replyWait{300};    // a reply must be complete within this
    std::chrono::milliseconds retrySettle{1000}; // before test mode is entered again after a Retry
};

// How an exchange with the radio ended.
enum class LinkOutcome {
    Done,
    Cancelled, // the user gave up in a box; what Cancel sends has gone out
    Failed,    // refused or declined; the user has been told and the radio told to leave
};

// What one step of an exchange reports to WithRetry.
enum class StepResult {
    Done,
    NoReply,   // a reply was missing, malformed, or a request could not be sent: the Retry/Cancel box
    Again,     // the user asked to repeat the step in a box of the step's own
    Cancelled, // a step within gave up (Cancel already answered)
    Failed,    // the step ended the exchange itself
};

// One conversation over a serial port with a radio or a board: the port, the message boxes, the
// operation's windows and the timing, with the waits, acknowledgements and the communication-error
// box every protocol of the program shares. It holds no state of the protocol it serves.
class LinkSession {
public:
    // "E" then "e": what a Cancel in the communication-error box sends.
    static constexpr uint8_t kEndAndAbandon[] = {link::kEnd, link::kAbandon};

    LinkSession(SerialPort& port, Notifier& notifier, LinkUi& ui, LinkTiming timing = {},
                LinkClock& clock = SteadyClock());

    SerialPort& Port() { return m_port; }
    Notifier& GetNotifier() { return m_notifier; }
    LinkUi& Ui() { return m_ui; }
    const LinkTiming& Timing() const { return m_timing; }
    void Sleep(std::chrono::milliseconds duration) { m_clock.Sleep(duration); }

    // Opens the port; when it cannot be opened, closes it again and tells the user why.
    Status OpenRadioLink();
    void Close() { m_port.SetOpen(false); }

    // False when the port refused the bytes.
    bool Send(std::span<const uint8_t> bytes) { return m_port.Write(bytes) != 0; }
    bool SendByte(uint8_t value) { return m_port.WriteByte(value) != 0; }
    bool SendString(std::string_view text) { return m_port.WriteString(text) != 0; }
    // "E" and the port closed.
    void LeaveAndClose();

    // True once exactly count bytes wait (or exactly orCount, when given); a reply that stays
    // shorter or grows longer times out.
    bool WaitForBytes(std::size_t count, std::optional<std::size_t> orCount = std::nullopt);
    // Waits for count bytes and reads them.
    std::optional<std::vector<uint8_t>> Receive(std::size_t count);
    // Discards stale input, sends request and receives its replyLength-byte reply.
    std::optional<std::vector<uint8_t>> Request(std::span<const uint8_t> request, std::size_t replyLength);
    // One byte that must be ACK (or NAK when acceptNak).
    bool WaitAck(bool acceptNak = false);
    // ACK sent, the radio's ACK awaited.
    bool ExchangeAck(bool acceptNak = false);

    // The communication-error box. True for Retry; Cancel sends cancelBytes.
    bool ReportCommError(std::span<const uint8_t> cancelBytes = kEndAndAbandon);
    // Runs step until it is done, showing the communication-error box whenever it finds no reply
    // and running it again while the user answers Retry. Once the user has cancelled nothing more
    // is sent but cancelBytes.
    LinkOutcome WithRetry(const std::function<StepResult()>& step,
                          std::span<const uint8_t> cancelBytes = kEndAndAbandon);

private:
    SerialPort& m_port;
    Notifier& m_notifier;
    LinkUi& m_ui;
    LinkTiming m_timing;
    LinkClock& m_clock;
};

} // namespace rpx
