#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "core/link/serial_device.h"
#include "core/trunking/board_image.h"
#include "sim/radio_fault.h"
#include "sim/radio_line.h"
#include "sim/radio_records.h"

namespace rpx::sim {

// A new data set: the access code 00000.
BoardImage DefaultBoardImage();

// Everything that makes one simulated trunking board.
struct BoardSetup {
    // The board's data, its access code among them.
    BoardImage image = DefaultBoardImage();
    std::vector<RadioFault>
        faults; // the board's kinds: no-start-ack, one-byte-ack, bad-record, no-record-ack
    // Every byte crosses the line at 9600 bit/s 8N2 instead of at once.
    bool pace = false;
    // The pause after each record of a read, so the program takes them one by one.
    std::chrono::milliseconds recordGap{30};
    std::ostream* trace = nullptr;
};

// Where the board is in its talk with the program.
enum class BoardMode { Idle, AwaitingCode, Granted, Reading, Writing, AwaitingPrompt, Aligning, Aligned };

// A SmarTrunk board on the far end of its serial line: acknowledges the start request, checks the
// access code it holds, sends its data as records, takes written records, and answers the
// alignment keys. Runs on one thread until stopped.
class SimulatedBoard {
public:
    using SessionHandler = std::function<void(const BoardImage&)>;

    // device must be open and outlive the board.
    SimulatedBoard(SerialDevice& device, BoardSetup setup);
    SimulatedBoard(const SimulatedBoard&) = delete;
    SimulatedBoard& operator=(const SimulatedBoard&) = delete;

    void Run();
    void Stop();
    // Called on the board's thread with its data after a write it took completely. Set it before Run.
    void SetSessionHandler(SessionHandler handler) { m_onWritten = std::move(handler); }

    // Copies of the board's state, safe from any thread.
    BoardImage Memory() const;
    BoardMode Mode() const;
    std::vector<Bytes> Requests() const; // every request taken, as received

private:
    void Take(uint8_t byte);
    // Acts on the pending bytes once they make a request of the current mode.
    void Handle();
    void Accept(); // the pending bytes were a request
    void Reply(const Bytes& bytes);
    void HandleKey();
    void SendNextRecord();
    bool Strikes(FaultKind kind, int& counter);
    void SetMode(BoardMode mode);
    bool Stopping() const;

    BoardSetup m_setup;
    RadioLine m_line;
    SessionHandler m_onWritten;
    Bytes m_pending;
    std::string m_keyedCode;
    BoardImage m_written;
    std::size_t m_step = 0; // record of a read or write, or key of the alignment
    std::chrono::steady_clock::time_point m_nextRecord{};
    int m_starts = 0;
    int m_recordsSent = 0;
    int m_recordsTaken = 0;

    mutable std::mutex m_mutex; // guards the state below
    BoardImage m_memory;
    BoardMode m_mode = BoardMode::Idle;
    std::vector<Bytes> m_requests;

    mutable std::mutex m_stopMutex;
    bool m_stopping = false;
};

} // namespace rpx::sim
