#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "core/app/notifier.h"
#include "core/app/session.h"
#include "core/link/link_ui.h"
#include "core/link/serial_port.h"

namespace rpx {

// The waits the protocol prescribes. Tests may shorten the settling sleeps; the reply wait is what
// decides whether a reply came in time.
struct LinkTiming {
    std::chrono::milliseconds openSettle{200};  // after opening the port
    std::chrono::milliseconds closeSettle{250}; // before closing after a read, before the last "E" of a short write
    std::chrono::milliseconds replyWait{300};   // a reply must be complete within this
    std::chrono::milliseconds retrySettle{1000}; // before test mode is entered again after a Retry
};

namespace link {
inline constexpr uint8_t kAck = 0x06;
inline constexpr uint8_t kNak = 0x15;
inline constexpr uint8_t kIdentify = 0x02;
inline constexpr uint8_t kTestMode = 0x05;
inline constexpr uint8_t kEnd = 0x45;     // "E": leave programming mode
inline constexpr uint8_t kAbandon = 0x65; // "e": sent after "E" when the user gives up
inline constexpr uint8_t kMemorySize = 0x50;
inline constexpr uint8_t kRead = 0x52;
inline constexpr uint8_t kBlock = 0x57;
inline constexpr std::size_t kBlockSize = 16;
} // namespace link

// The radio's programming protocol: programming mode, identification and model check, memory size,
// the data password, 16-byte block transfers with an acknowledgement after each, and the
// communication-error box with Retry and Cancel. Test mode and the radio information request reuse
// its waits and checks. The port is open only while an operation runs.
class RadioLink {
public:
    RadioLink(SerialPort& port, Session& session, Notifier& notifier, LinkUi& ui, LinkTiming timing = {});

    // Whole operations. A read leaves its data in the session's snapshot buffer (the staging area).
    void ReadRadio();
    void WriteRadio();
    // Success also needs the whole block sequence: a declined or refused write leaves the last
    // exchange looking fine.
    bool ReadSucceeded() const {
        return !m_portFailed && !m_operationAborted && m_replyReady && !m_timedOut && m_transferComplete;
    }
    bool WriteSucceeded() const { return m_replyReady && !m_timedOut && m_transferComplete; }

    // The building blocks, shared with test mode and the radio information request.
    void WaitForBytes(int count);
    void WaitAck();
    void ExchangeAck();
    void ReportCommError();
    void OpenRadioLink();
    void EnterProgramMode();
    void ReadIdentification();
    void CheckModel();
    void SendByte(uint8_t value) { m_port.WriteByte(value); }
    // Sends "E" and closes the port.
    void LeaveAndClose();
    // Reads exactly count waiting bytes into the reply buffer.
    void ReadReply(std::size_t count);
    void Sleep(std::chrono::milliseconds duration) const;

    SerialPort& Port() { return m_port; }
    const LinkTiming& Timing() const { return m_timing; }
    std::span<const uint8_t> Reply() const { return {m_reply.data(), m_replyLength}; }
    const std::array<uint8_t, 8>& Identification() const { return m_identification; }

    // Flags of the running operation.
    bool ReplyReady() const { return m_replyReady; }
    bool TimedOut() const { return m_timedOut; }
    bool RetryRequested() const { return m_retryRequested; }
    void SetRetryRequested(bool on) { m_retryRequested = on; }
    bool OperationAborted() const { return m_operationAborted; }
    bool RadioRefused() const { return m_radioRefused; }
    bool PortFailed() const { return m_portFailed; }
    bool RadioHas2048() const { return m_radioHas2048; }
    unsigned RadioType() const { return m_radioType; }
    bool BlankModelRadio() const { return m_blankModelRadio; }
    bool Testing() const { return m_testing; }
    void SetTesting(bool on) { m_testing = on; }
    void SetAcceptNak(bool on) { m_acceptNak = on; }
    void ClearReading() { m_reading = false; }

private:
    enum class Entry { Entered, GaveUp, PortFailed };

    // Opens the port and puts the radio into programming mode, repeating while the user asks Retry.
    Entry OpenAndEnter(bool& operationFlag);
    // Reads an area outside the block sequence; true when a reply starting "W" arrived.
    bool ReadArea(uint8_t page, uint8_t offset, uint8_t length);
    void ClearOperationFlags();
    void RefuseModel(TextId text);
    void QueryMemorySize();
    void ReadDataPassword();
    void ReadEmbeddedMessage();
    void ReadPasswordPhase();
    void ReadBlocks();
    void ReceiveBlock();
    void WriteBlocks();
    void SendReadRequest(uint8_t page, uint8_t offset, uint8_t length);
    void ShowTransferProgress();

    SerialPort& m_port;
    Session& m_session;
    Notifier& m_notifier;
    LinkUi& m_ui;
    LinkTiming m_timing;

    int m_bytesWaiting = 0;
    std::array<uint8_t, 8> m_identification{};
    std::array<uint8_t, 68> m_reply{};
    std::size_t m_replyLength = 0;
    std::size_t m_stagingCount = 0;
    bool m_replyReady = false;
    bool m_timedOut = false;
    bool m_retryRequested = false;
    bool m_reading = false;
    bool m_writing = false;
    bool m_testing = false;
    bool m_operationAborted = false;
    bool m_radioRefused = false;
    bool m_portFailed = false;
    bool m_radioHas2048 = false;
    unsigned m_radioType = 0;
    bool m_blankModelRadio = false;
    bool m_userDeclined = false;
    bool m_dataPasswordSet = false;
    std::string m_dataPassword;
    std::string m_messageLine1;
    std::string m_messageLine2;
    bool m_acceptNak = false;
    bool m_transferComplete = false; // the last block went and "E" followed
};

} // namespace rpx
