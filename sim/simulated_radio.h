#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/link/serial_device.h"
#include "core/radio/radio_image.h"
#include "sim/radio_line.h"
#include "sim/radio_memory.h"
#include "sim/radio_records.h"
#include "sim/radio_setup.h"
#include "sim/request_assembler.h"
#include "sim/test_panel.h"

namespace rpx::sim {

// What the radio has seen and done since it started.
struct RadioCounters {
    int requests = 0;        // complete requests acted upon
    int replies = 0;         // replies sent, ACKs that close an exchange included
    int droppedBytes = 0;    // received bytes that formed no request
    int programRequests = 0; // "PROGRAM" received
    int blockReads = 0;      // "R" requests, password and message reads included
    int blockWrites = 0;     // "W" requests
    bool operator==(const RadioCounters&) const = default;
};

// A radio on the far end of a serial line: answers the programming, test-mode and information
// requests from its own memory, keeps that memory between sessions, and can be told to misbehave.
class SimulatedRadio {
public:
    using SessionHandler = std::function<void(const RadioImage&)>;

    // device must be open and outlive the radio.
    SimulatedRadio(SerialDevice& device, RadioSetup setup);
    SimulatedRadio(const SimulatedRadio&) = delete;
    SimulatedRadio& operator=(const SimulatedRadio&) = delete;

    // Serves the line until Stop(); run it on one thread.
    void Run();
    // Makes Run return soon, from any thread; a delayed reply is not sent.
    void Stop();
    // Called on the radio's thread with its memory whenever "E" ends a programming session in which
    // it stored blocks. Set it before Run.
    void SetSessionHandler(SessionHandler handler) { m_onSessionStored = std::move(handler); }

    // Copies of the radio's state, safe from any thread.
    RadioImage Memory() const;
    RadioMode Mode() const;
    TestPanelState TestState() const;
    RadioCounters Counters() const;
    std::vector<Bytes> Requests() const; // every request acted upon, as received
    std::vector<Bytes> Replies() const;  // every reply, as sent (stray bytes included)

private:
    struct Response {
        std::optional<Bytes> reply; // nothing: the radio stays silent
        bool awaitAck = false;      // the program's ACK comes next and is answered with ACK
    };

    void Handle(const Assembled& assembled);
    Response Answer(RequestKind kind, std::span<const uint8_t> request);
    Response AnswerBlockRead(std::span<const uint8_t> request);
    Response AnswerBlockWrite(std::span<const uint8_t> request);
    Response AnswerTestChannel(uint8_t number) const;
    void Respond(const Response& response);
    std::string ModelCode() const;
    bool Stopping() const;
    // Waits until deadline; false when Stop() came first.
    bool PauseUntil(Clock::time_point deadline);

    const RadioSetup m_setup;
    RadioLine m_line;
    RequestAssembler m_assembler;
    SessionHandler m_onSessionStored;

    mutable std::mutex m_mutex; // guards the state below, which only the radio's thread changes
    RadioMemory m_memory;
    TestPanel m_panel;
    RadioMode m_mode = RadioMode::Idle;
    bool m_awaitingAck = false;
    bool m_sessionStored = false;
    RadioCounters m_counters;
    std::vector<Bytes> m_requests;
    std::vector<Bytes> m_replies;

    mutable std::mutex m_stopMutex;
    std::condition_variable m_stopSignal;
    bool m_stopping = false;
};

} // namespace rpx::sim
