#include "sim/simulated_radio.h"

#include <utility>

#include "core/radio/image_layout.h"

namespace rpx::sim {

namespace {

using namespace std::chrono_literals;

// The program hands over each request in one piece; a pause this long inside one means it is lost.
constexpr auto kRequestGap = 40ms;
// How often an idle radio looks whether it has been stopped.
constexpr auto kIdlePoll = 20ms;
// Well past the program's wait of about 300 ms for any reply.
constexpr auto kSlowReplyDelay = 500ms;
constexpr uint8_t kGarbage[] = {0x00, 0x55, 0xAA};
constexpr uint8_t kBadBlockStart = 0x5A;
constexpr uint8_t kBadLength = 0x08;
constexpr std::size_t kTestRecordSize = 8;
constexpr uint8_t kTestChannelCount = 16;

} // namespace

SimulatedRadio::SimulatedRadio(SerialDevice& device, RadioSetup setup)
    : m_setup(std::move(setup)), m_line(device, m_setup.pace, m_setup.trace), m_memory(m_setup),
      m_panel(m_setup.adjustments) {}

void SimulatedRadio::Run() {
    Clock::time_point lastByte{};
    while (!Stopping()) {
        const bool collecting = !m_assembler.Empty();
        const std::optional<uint8_t> byte =
            m_line.Receive(collecting ? lastByte + kRequestGap : Clock::now() + kIdlePoll);
        if (!byte) {
            if (collecting)
                Handle(*m_assembler.Flush(m_mode));
            continue;
        }
        lastByte = Clock::now();
        m_assembler.Add(*byte);
        // Each request may change the mode the remaining bytes are read in.
        while (const std::optional<Assembled> assembled = m_assembler.Next(m_mode))
            Handle(*assembled);
    }
}

void SimulatedRadio::Stop() {
    {
        std::lock_guard lock(m_stopMutex);
        m_stopping = true;
    }
    m_stopSignal.notify_all();
}

void SimulatedRadio::Handle(const Assembled& assembled) {
    if (!assembled.kind) {
        m_line.Trace('x', assembled.bytes);
        std::lock_guard lock(m_mutex);
        m_counters.droppedBytes += static_cast<int>(assembled.bytes.size());
        return;
    }
    m_line.Trace('>', assembled.bytes);
    const bool endsStoringSession =
        *assembled.kind == RequestKind::Leave && m_mode == RadioMode::Programming && m_sessionStored;
    Respond(Answer(*assembled.kind, assembled.bytes));
    if (endsStoringSession && m_onSessionStored)
        m_onSessionStored(Memory());
}

SimulatedRadio::Response SimulatedRadio::Answer(RequestKind kind, std::span<const uint8_t> request) {
    const Response ack{Bytes{kAck}};
    std::lock_guard lock(m_mutex);
    ++m_counters.requests;
    m_requests.emplace_back(request.begin(), request.end());
    // Whatever the program sends instead of its ACK ends the wait for it.
    const bool acknowledging = std::exchange(m_awaitingAck, false);
    switch (kind) {
    case RequestKind::EnterProgramming:
        if (FaultStrikes(m_setup.faults, FaultKind::NoProgramAck, ++m_counters.programRequests))
            return {};
        m_mode = RadioMode::Programming;
        m_panel.Reset();
        return ack;
    case RequestKind::EnterTesting:
        m_mode = RadioMode::Testing;
        m_panel.Reset();
        return ack;
    case RequestKind::Acknowledge:
        return acknowledging ? ack : Response{};
    case RequestKind::Identify:
        return {IdentificationRecord(ModelCode(), m_setup.readable), true};
    case RequestKind::MemorySize:
        return {MemorySizeRecord(m_memory.Size(), m_setup.refuseExtended), true};
    case RequestKind::ReadBlock:
        return AnswerBlockRead(request);
    case RequestKind::WriteBlock:
        return AnswerBlockWrite(request);
    case RequestKind::RadioInfo:
        return {InfoRecord(m_setup.infoText, ModelCode()), true};
    case RequestKind::Leave:
        m_mode = RadioMode::Idle;
        m_sessionStored = false;
        m_panel.Reset();
        return {};
    case RequestKind::Adjustments: {
        const AdjustmentTable& table = m_panel.State().adjustments;
        return {Bytes(table.begin(), table.end()), true};
    }
    case RequestKind::TestChannel:
        return AnswerTestChannel(request[1]);
    default:
        m_panel.Apply(kind, request);
        return ack;
    }
}

SimulatedRadio::Response SimulatedRadio::AnswerBlockRead(std::span<const uint8_t> request) {
    const int number = ++m_counters.blockReads;
    if (FaultStrikes(m_setup.faults, FaultKind::NoBlockReply, number))
        return {};
    const uint8_t page = request[1];
    const uint8_t offset = request[2];
    const std::optional<Bytes> data = m_memory.Read(page * 0x100u + offset, request[3]);
    if (!data)
        return {Bytes{kNak}};
    Bytes reply = BlockReply(page, offset, *data);
    if (FaultStrikes(m_setup.faults, FaultKind::ShortBlock, number))
        reply.pop_back();
    if (FaultStrikes(m_setup.faults, FaultKind::BadBlockStart, number))
        reply.front() = kBadBlockStart;
    if (FaultStrikes(m_setup.faults, FaultKind::BadLength, number))
        reply[3] = kBadLength;
    return {reply, true};
}

SimulatedRadio::Response SimulatedRadio::AnswerBlockWrite(std::span<const uint8_t> request) {
    const int number = ++m_counters.blockWrites;
    if (FaultStrikes(m_setup.faults, FaultKind::DropWrite, number))
        return {Bytes{kAck}};
    if (FaultStrikes(m_setup.faults, FaultKind::NakWrite, number) ||
        !m_memory.Store(request[1] * 0x100u + request[2], request.subspan(4)))
        return {Bytes{kNak}};
    m_sessionStored = true;
    return {Bytes{kAck}};
}

SimulatedRadio::Response SimulatedRadio::AnswerTestChannel(uint8_t number) const {
    if (number < 1 || number > kTestChannelCount)
        return {Bytes{kNak}};
    return {m_memory.Read(layout::kTestFrequencies + (number - 1u) * kTestRecordSize, kTestRecordSize), true};
}

void SimulatedRadio::Respond(const Response& response) {
    if (!response.reply)
        return;
    Bytes bytes = *response.reply;
    int number = 0;
    {
        std::lock_guard lock(m_mutex);
        number = ++m_counters.replies;
        m_awaitingAck = response.awaitAck;
    }
    if (FaultStrikes(m_setup.faults, FaultKind::SlowReply, number) &&
        !PauseUntil(Clock::now() + kSlowReplyDelay))
        return;
    if (FaultStrikes(m_setup.faults, FaultKind::Garbage, number))
        bytes.insert(bytes.begin(), std::begin(kGarbage), std::end(kGarbage));
    {
        std::lock_guard lock(m_mutex);
        m_replies.push_back(bytes);
    }
    m_line.Send(bytes);
}

std::string SimulatedRadio::ModelCode() const {
    return m_setup.modelCode.empty() ? m_memory.ModelCode() : m_setup.modelCode;
}

bool SimulatedRadio::Stopping() const {
    std::lock_guard lock(m_stopMutex);
    return m_stopping;
}

bool SimulatedRadio::PauseUntil(Clock::time_point deadline) {
    std::unique_lock lock(m_stopMutex);
    return !m_stopSignal.wait_until(lock, deadline, [this] { return m_stopping; });
}

RadioImage SimulatedRadio::Memory() const {
    std::lock_guard lock(m_mutex);
    return m_memory.Image();
}

RadioMode SimulatedRadio::Mode() const {
    std::lock_guard lock(m_mutex);
    return m_mode;
}

TestPanelState SimulatedRadio::TestState() const {
    std::lock_guard lock(m_mutex);
    return m_panel.State();
}

RadioCounters SimulatedRadio::Counters() const {
    std::lock_guard lock(m_mutex);
    return m_counters;
}

std::vector<Bytes> SimulatedRadio::Requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::vector<Bytes> SimulatedRadio::Replies() const {
    std::lock_guard lock(m_mutex);
    return m_replies;
}

} // namespace rpx::sim
