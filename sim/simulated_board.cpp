#include "sim/simulated_board.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace rpx::sim {

namespace {

using namespace std::chrono_literals;

constexpr auto kRequestGap = 40ms; // a request's bytes come together; a pause this long loses them
constexpr auto kIdlePoll = 20ms;
constexpr uint8_t kCr = 0x0D;
constexpr uint8_t kLf = 0x0A;
constexpr uint8_t kEnd = 'e';
constexpr std::string_view kStartPrefix = "ST865RB";
constexpr uint8_t kReadStart = ',';
constexpr uint8_t kAlignStart = 0x1E;
constexpr std::string_view kReadRequest = "02\r\n";
constexpr std::string_view kWriteRequest = "03\r\n";
constexpr std::string_view kAlignPrompt{"A43\0", 4};
constexpr std::size_t kCodeLength = 5;
constexpr std::size_t kReadRecords = 49;
constexpr std::size_t kWriteRecords = BoardImage::kSize / 4;
constexpr uint8_t kKeyAccepted = 0x93;
constexpr uint8_t kKeyRefused = 0x94;

// The alignment keys in the order the program sends them; the first five carry the code.
struct Key {
    Bytes bytes; // empty for a code key: any character shifted down by 0x20, then 0x00
    Bytes reply;
};
const std::vector<Key>& AlignmentKeys() {
    const Bytes accepted{kAck, kCr, kKeyAccepted};
    static const std::vector<Key> keys = {
        {{}, accepted},
        {{}, accepted},
        {{}, accepted},
        {{}, accepted},
        {{}, accepted},
        {{0x1E}, accepted},
        {{0x00}, accepted}, // the code is checked here
        {{0x11, 0x00}, accepted},
        {{0x17, 0x00}, accepted},
        {{0x1E}, accepted},
        {{0x00}, {kAck, kCr, 0x00, 0x00, 0x95}},
        {{'2'}, {}},
        {{0x19}, {0xA9}},
        {{0x00, '3'}, {kKeyAccepted, kKeyAccepted}},
    };
    return keys;
}
constexpr std::size_t kCodeKeys = 5;
constexpr std::size_t kCheckKey = 6;

bool IsPrefixOf(const Bytes& pending, std::string_view request) {
    return pending.size() <= request.size() && std::equal(pending.begin(), pending.end(), request.begin());
}

bool Is(const Bytes& pending, std::string_view request) {
    return pending.size() == request.size() && IsPrefixOf(pending, request);
}

} // namespace

BoardImage DefaultBoardImage() {
    return BoardImage::NewDataSet();
}

SimulatedBoard::SimulatedBoard(SerialDevice& device, BoardSetup setup)
    : m_setup(std::move(setup)), m_line(device, m_setup.pace, m_setup.trace), m_memory(m_setup.image) {}

void SimulatedBoard::Run() {
    auto lastByte = Clock::now();
    while (!Stopping()) {
        auto deadline = Clock::now() + kIdlePoll;
        if (!m_pending.empty())
            deadline = std::min(deadline, lastByte + kRequestGap);
        if (Mode() == BoardMode::Reading)
            deadline = std::min(deadline, m_nextRecord);
        if (const std::optional<uint8_t> byte = m_line.Receive(deadline)) {
            lastByte = Clock::now();
            m_pending.push_back(*byte);
            Handle();
            continue;
        }
        const auto now = Clock::now();
        if (!m_pending.empty() && now >= lastByte + kRequestGap) {
            m_line.Trace('x', m_pending);
            m_pending.clear();
        }
        if (Mode() == BoardMode::Reading && now >= m_nextRecord)
            SendNextRecord();
    }
}

void SimulatedBoard::Stop() {
    std::lock_guard lock(m_stopMutex);
    m_stopping = true;
}

bool SimulatedBoard::Stopping() const {
    std::lock_guard lock(m_stopMutex);
    return m_stopping;
}

void SimulatedBoard::Accept() {
    m_line.Trace('>', m_pending);
    std::lock_guard lock(m_mutex);
    m_requests.push_back(m_pending);
    m_pending.clear();
}

void SimulatedBoard::Reply(const Bytes& bytes) {
    if (!bytes.empty())
        m_line.Send(bytes);
}

bool SimulatedBoard::Strikes(FaultKind kind, int& counter) {
    return FaultStrikes(m_setup.faults, kind, counter);
}

void SimulatedBoard::SetMode(BoardMode mode) {
    std::lock_guard lock(m_mutex);
    m_mode = mode;
}

void SimulatedBoard::Handle() {
    const Bytes& p = m_pending;
    const BoardMode mode = Mode();
    // In every mode: the end, and either start request.
    if (p.size() == 1 && p[0] == kEnd) {
        Accept();
        SetMode(BoardMode::Idle);
        return;
    }
    if (p.size() <= kStartPrefix.size() && IsPrefixOf(p, kStartPrefix))
        return;
    if (p.size() == kStartPrefix.size() + 1 && IsPrefixOf(Bytes(p.begin(), p.end() - 1), kStartPrefix)) {
        const uint8_t kind = p.back();
        Accept();
        if (kind == kAlignStart) {
            Reply({kAck, kCr});
            SetMode(BoardMode::AwaitingPrompt);
        } else if (kind == kReadStart && !Strikes(FaultKind::NoStartAck, ++m_starts)) {
            Reply(Strikes(FaultKind::OneByteAck, m_starts) ? Bytes{kAck} : Bytes{kAck, kCr});
            SetMode(BoardMode::AwaitingCode);
        }
        return;
    }
    switch (mode) {
    case BoardMode::AwaitingCode: {
        if (p.size() < kCodeLength + 2)
            return;
        const bool wellFormed = p[kCodeLength] == kCr && p[kCodeLength + 1] == kLf;
        const std::string code = Memory().AccessCode();
        const bool granted = wellFormed && std::equal(code.begin(), code.end(), p.begin());
        Accept();
        Reply(granted ? Bytes{'2', kLf, kCr} : Bytes{'9', 0x00, 0x00});
        SetMode(granted ? BoardMode::Granted : BoardMode::Idle);
        return;
    }
    case BoardMode::Granted:
    case BoardMode::Reading:
    case BoardMode::Writing:
        if (Is(p, kReadRequest) || Is(p, kWriteRequest)) {
            const bool read = Is(p, kReadRequest);
            Accept();
            m_step = 0;
            m_nextRecord = Clock::now();
            m_written = Memory();
            SetMode(read ? BoardMode::Reading : BoardMode::Writing);
            return;
        }
        if (IsPrefixOf(p, kReadRequest) || IsPrefixOf(p, kWriteRequest))
            return;
        if (mode == BoardMode::Writing && p.size() == 6 && p[4] == kCr && p[5] == kLf) {
            Accept();
            if (Strikes(FaultKind::NoRecordAck, ++m_recordsTaken))
                return;
            std::copy_n(p.begin(), 4, m_written.Bytes().begin() + 4 * m_step);
            if (++m_step < kWriteRecords) {
                Reply({kLf, kCr});
                return;
            }
            {
                std::lock_guard lock(m_mutex);
                m_memory = m_written;
                m_mode = BoardMode::Idle;
            }
            Reply({kLf, kCr, kLf, kCr});
            if (m_onWritten)
                m_onWritten(m_written);
            return;
        }
        if (mode == BoardMode::Writing && p.size() < 6)
            return;
        break;
    case BoardMode::AwaitingPrompt:
        if (Is(p, kAlignPrompt)) {
            Accept();
            m_step = 0;
            m_keyedCode.clear();
            SetMode(BoardMode::Aligning);
            return;
        }
        if (IsPrefixOf(p, kAlignPrompt))
            return;
        break;
    case BoardMode::Aligning:
        HandleKey();
        return;
    default:
        break;
    }
    m_line.Trace('x', m_pending);
    m_pending.clear();
}

void SimulatedBoard::HandleKey() {
    const Key& key = AlignmentKeys()[m_step];
    const std::size_t length = m_step < kCodeKeys ? 2 : key.bytes.size();
    if (m_pending.size() < length)
        return;
    const bool codeKey = m_step < kCodeKeys && m_pending[1] == 0x00;
    if (!codeKey && m_pending != key.bytes) {
        Accept();
        Reply({kAck, kCr, kKeyRefused});
        SetMode(BoardMode::Idle);
        return;
    }
    if (codeKey)
        m_keyedCode += static_cast<char>(m_pending[0] + 0x20);
    Accept();
    if (m_step == kCheckKey) {
        if (Memory().AccessCode() != m_keyedCode) {
            Reply({kAck, kCr, kKeyRefused});
            SetMode(BoardMode::Idle);
            return;
        }
    }
    Reply(key.reply);
    if (++m_step == AlignmentKeys().size())
        SetMode(BoardMode::Aligned);
}

void SimulatedBoard::SendNextRecord() {
    const BoardImage memory = Memory();
    if (m_step == kReadRecords) {
        Reply({'0', '0', '0', '0', kLf, kCr, kLf, kCr});
        SetMode(BoardMode::Idle);
        return;
    }
    const std::size_t at = 8 * m_step;
    const auto bytes = memory.Bytes();
    Bytes record(bytes.begin() + at, bytes.begin() + at + 4);
    record.insert(record.end(), {kLf, kCr});
    record.insert(record.end(), bytes.begin() + at + 4, bytes.begin() + at + 8);
    record.insert(record.end(), {kLf, kCr});
    if (Strikes(FaultKind::BadRecord, ++m_recordsSent))
        record[4] = '0';
    Reply(record);
    ++m_step;
    m_nextRecord = Clock::now() + m_setup.recordGap;
}

BoardImage SimulatedBoard::Memory() const {
    std::lock_guard lock(m_mutex);
    return m_memory;
}

BoardMode SimulatedBoard::Mode() const {
    std::lock_guard lock(m_mutex);
    return m_mode;
}

std::vector<Bytes> SimulatedBoard::Requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

} // namespace rpx::sim
