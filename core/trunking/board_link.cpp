#include "core/trunking/board_link.h"

#include <array>
#include <string_view>

#include "core/text/startup_texts.h"
#include "core/text/text_ids.h"
#include "core/trunking/board_replies.h"

namespace rpx {

namespace {

using std::chrono::milliseconds;

constexpr TextId kSmarTrunk = 3019013;
constexpr TextId kAccessRefused = 3019015;
constexpr TextId kReadDone = 3019021;
constexpr TextId kWriteDone = 3019023;
constexpr TextId kReadTitle = 3019139;  // also the read question
constexpr TextId kWriteTitle = 3019141; // also the write question
constexpr TextId kAlignmentQuestion = 3019143;
constexpr TextId kAlignmentRunning = 3019145;
constexpr TextId kAlignmentTitle = 3019147;
constexpr TextId kAlignmentRefused = 3019149;

constexpr std::string_view kStart = "ST865RB,";
constexpr std::string_view kReadRequest = "02\r\n";
constexpr std::string_view kWriteRequest = "03\r\n";
constexpr uint8_t kAlignStart[] = {'S', 'T', '8', '6', '5', 'R', 'B', 0x1E};
constexpr uint8_t kAlignPrompt[] = {'A', '4', '3', 0x00};
constexpr uint8_t kEndOnly[] = {BoardLink::kEnd};
constexpr uint8_t kKeyShift = 0x20; // a code character c is keyed as c - 0x20
constexpr uint8_t kConfirmKey = 0x1E;
constexpr uint8_t kNullKey = 0x00;
constexpr uint8_t kAccessKey[] = {0x11, 0x00};
constexpr uint8_t kEntryKey[] = {0x17, 0x00};
constexpr uint8_t kStartAlignmentKey = '2';
constexpr uint8_t kAlignmentKey = 0x19;
constexpr uint8_t kEndAlignmentKey[] = {0x00, '3'};
constexpr uint8_t kKeyAccepted = 0x93;
constexpr uint8_t kEntryAccepted = 0x95;
constexpr uint8_t kAlignmentStarted = 0xA9;
constexpr std::size_t kKeyReply = 3;
constexpr std::size_t kEntryReply = 5;
constexpr std::size_t kShortAlignReply = 2; // where every alignment wait also ends

constexpr milliseconds kStartSettle{50};
constexpr milliseconds kAccessSettle{200};
constexpr milliseconds kAccessReplySettle{100};
constexpr milliseconds kWriteSettle{25};
constexpr milliseconds kRecordSettle{10};
constexpr milliseconds kAlignSettle{100};
constexpr milliseconds kKeySettle{200};
constexpr milliseconds kEntrySettle{220};

} // namespace

BoardLink::BoardLink(SerialPort& port, BoardImage& board, const bool& accessCodeKnown, Notifier& notifier,
                     LinkUi& ui, AccessCodePrompt& prompt, LinkTiming timing, LinkClock& clock)
    : m_board(board), m_accessCodeKnown(accessCodeKnown), m_prompt(prompt),
      m_link(port, notifier, ui, timing, clock) {}

void BoardLink::EndAndClose() {
    m_link.SendByte(kEnd);
    m_link.Close();
}

bool BoardLink::BoardStart() {
    m_link.Sleep(kStartSettle);
    if (const auto reply = m_link.Receive(2))
        return (*reply)[0] == kAck;
    // A board may acknowledge with the one byte alone.
    uint8_t byte = 0;
    return m_link.Port().Read({&byte, 1}) && byte == kAck;
}

void BoardLink::SendAccessCode() {
    const auto characters = AccessCodeCharacters(m_code);
    std::array<uint8_t, kAccessCodeLength + 2> request{};
    std::copy(characters.begin(), characters.end(), request.begin());
    request[kAccessCodeLength] = kCr;
    request[kAccessCodeLength + 1] = kLf;
    m_link.Send(request);
}

bool BoardLink::CheckAccess() {
    m_link.Sleep(kAccessReplySettle);
    if (const auto reply = m_link.Receive(3); reply && AccessGranted(*reply))
        return true;
    m_link.GetNotifier().Show(kAccessRefused, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
    m_link.SendByte(kEnd);
    return false;
}

bool BoardLink::OpenWithAccess(TextId question, bool writeCommand) {
    if (m_link.GetNotifier().Show(question, 0, MessageButtons::OkCancel, MessageIcon::Question) !=
        MessageAnswer::Ok)
        return false;
    AccessCodeDialog dialog(m_board, m_accessCodeKnown, writeCommand);
    if (!m_prompt.RunAccessCodeDialog(dialog))
        return false;
    m_code = dialog.Code();
    if (!m_link.OpenRadioLink())
        return false;
    // Cancel tells the board to leave before the port closes.
    const LinkOutcome started = m_link.WithRetry(
        [&] { return m_link.SendString(kStart) && BoardStart() ? StepResult::Done : StepResult::NoReply; },
        kEndOnly);
    if (started == LinkOutcome::Done) {
        SendAccessCode();
        if (!writeCommand)
            m_link.Sleep(kAccessSettle);
        if (CheckAccess())
            return true;
    }
    m_link.Close();
    return false;
}

bool BoardLink::Finish(LinkOutcome outcome, TextId done) {
    m_link.Ui().CloseProgress();
    m_link.Close();
    if (outcome != LinkOutcome::Done)
        return false;
    m_link.GetNotifier().Show(done, kSmarTrunk, MessageButtons::Ok, MessageIcon::Information);
    return true;
}

bool BoardLink::OnReadBoard() {
    if (!OpenWithAccess(kReadTitle, false))
        return false;
    // Retry asks for the data again; Cancel leaves the board without a word.
    const LinkOutcome outcome = m_link.WithRetry(
        [&] { return m_link.SendString(kReadRequest) ? ReadBoardData() : StepResult::NoReply; }, {});
    return Finish(outcome, kReadDone);
}

StepResult BoardLink::ReadBoardData() {
    // Records land in a copy, so the board data change only with a complete read; the last bytes,
    // which no record carries, keep their value.
    BoardImage received = m_board;
    std::size_t count = 0;
    m_link.Ui().ShowProgress(kReadTitle, kReadProgressRange);
    for (int reply = 0; reply < kMaxReadReplies; ++reply) {
        if (m_link.WaitForBytes(kRecordReply)) {
            std::array<uint8_t, kRecordReply> bytes{};
            const auto record = m_link.Port().Read(bytes) ? ParseReadRecord(bytes) : std::nullopt;
            if (!record)
                return StepResult::NoReply;
            for (uint8_t b : *record) {
                if (count < BoardImage::kSize)
                    received.SetByte(count, b);
                ++count;
            }
            m_link.Ui().SetProgress(static_cast<int>(count));
            m_link.Port().PurgeInput();
            continue;
        }
        std::array<uint8_t, kEndOfData> end{};
        if (!m_link.Port().Read(end) || !IsEndOfData(end))
            return StepResult::NoReply;
        m_link.SendByte(kEnd);
        m_board = received;
        return StepResult::Done;
    }
    return StepResult::NoReply; // more records than the board holds, and no end
}

bool BoardLink::OnWriteBoard() {
    if (!OpenWithAccess(kWriteTitle, true))
        return false;
    const LinkOutcome outcome = m_link.WithRetry(
        [&] {
            if (!m_link.SendString(kWriteRequest))
                return StepResult::NoReply;
            m_link.Sleep(kWriteSettle);
            return WriteBoardData();
        },
        kEndOnly);
    return Finish(outcome, kWriteDone);
}

StepResult BoardLink::WriteBoardData() {
    m_link.Ui().ShowProgress(kWriteTitle, static_cast<int>(BoardImage::kSize));
    for (std::size_t record = 0; record < kWriteRecords; ++record) {
        const std::size_t count = record * kWriteRecordData;
        std::array<uint8_t, kWriteRecordData + 2> request{};
        for (std::size_t i = 0; i < kWriteRecordData; ++i)
            request[i] = m_board.Byte(count + i);
        request[kWriteRecordData] = kCr;
        request[kWriteRecordData + 1] = kLf;
        if (!m_link.Send(request))
            return StepResult::NoReply;
        m_link.Ui().SetProgress(static_cast<int>(count + kWriteRecordData));
        m_link.Sleep(kRecordSettle);
        // The last record is answered by the four-byte end-of-write marker alone. Waiting for all
        // four, however they arrive, keeps its first two from passing for one more acknowledgement.
        const bool last = record + 1 == kWriteRecords;
        const auto reply = m_link.Receive(last ? 4 : 2);
        if (!reply || !(last ? IsEndOfWrite(*reply) : RecordAccepted(*reply)))
            return StepResult::NoReply; // a missing acknowledgement is asked about like any other
    }
    m_link.SendByte(kEnd);
    return StepResult::Done;
}

BoardLink::AlignReply BoardLink::CommError() {
    // Cancel sends nothing here: the alignment ends with its own "e".
    return m_link.ReportCommError({}) ? AlignReply::Again : AlignReply::Abandoned;
}

BoardLink::AlignReply BoardLink::AlignStart() {
    m_link.Send(kAlignStart);
    m_link.Sleep(kAlignSettle);
    std::array<uint8_t, 2> reply{};
    if (m_link.WaitForBytes(reply.size(), kShortAlignReply) && m_link.Port().Read(reply) && reply[0] == kAck)
        return AlignReply::Accepted;
    // Another reply, asked about too, so a board that keeps refusing cannot hold the program.
    return CommError();
}

BoardLink::AlignReply BoardLink::AlignKey(std::span<const uint8_t> key, milliseconds settle,
                                          std::size_t replyLength, std::size_t checked, uint8_t expected,
                                          std::optional<std::size_t> lateChecked) {
    m_link.Send(key);
    m_link.Sleep(settle);
    std::vector<uint8_t> reply(replyLength);
    if (m_link.WaitForBytes(replyLength, kShortAlignReply)) {
        if (m_link.Port().Read(reply))
            return reply[checked] == expected ? AlignReply::Accepted : AlignReply::Again;
    } else if (lateChecked && m_link.Port().Read(reply) && reply[*lateChecked] == expected) {
        return AlignReply::Accepted;
    }
    return CommError();
}

BoardLink::AlignReply BoardLink::EnterAlignment(bool& access) {
    access = false;
    for (uint8_t c : AccessCodeCharacters(m_code)) {
        const uint8_t key[] = {static_cast<uint8_t>(c - kKeyShift), kNullKey};
        if (const AlignReply reply = AlignKey(key, kKeySettle, kKeyReply, 2, kKeyAccepted);
            reply != AlignReply::Accepted)
            return reply;
    }
    for (const uint8_t single : {kConfirmKey, kNullKey}) {
        if (const AlignReply reply = AlignKey({&single, 1}, kKeySettle, kKeyReply, 2, kKeyAccepted);
            reply != AlignReply::Accepted)
            return reply;
    }
    m_link.Sleep(kAlignSettle);
    access = true;
    return AlignKey(kAccessKey, kKeySettle, kKeyReply, 2, kKeyAccepted);
}

BoardLink::AlignReply BoardLink::AlignmentEntry() {
    AlignReply reply = AlignKey(kEntryKey, kEntrySettle, kKeyReply, 2, kKeyAccepted);
    if (reply == AlignReply::Accepted)
        reply = AlignKey({&kConfirmKey, 1}, kEntrySettle, kKeyReply, 2, kKeyAccepted);
    if (reply == AlignReply::Accepted)
        reply = AlignKey({&kNullKey, 1}, kEntrySettle, kEntryReply, 4, kEntryAccepted, 4);
    return reply;
}

BoardLink::AlignReply BoardLink::FinishAlignment(bool& finished) {
    Notifier& notifier = m_link.GetNotifier();
    if (notifier.Show(kAlignmentQuestion, txt::kCaptionWarning, MessageButtons::OkCancel,
                      MessageIcon::Exclamation) != MessageAnswer::Ok)
        return AlignReply::Abandoned;
    m_link.SendByte(kStartAlignmentKey);
    m_link.Sleep(kEntrySettle);
    m_link.SendByte(kAlignmentKey);
    // A byte in time is taken as the board's answer unread; a late one must be the right one.
    if (!m_link.WaitForBytes(1, kShortAlignReply)) {
        uint8_t late = 0;
        if (!m_link.Port().Read({&late, 1}) || late != kAlignmentStarted)
            return CommError();
    }
    notifier.Show(kAlignmentRunning, kAlignmentTitle, MessageButtons::Ok, MessageIcon::Information);
    finished = true;
    return AlignKey(kEndAlignmentKey, kAlignSettle, 2, 0, kKeyAccepted, 1);
}

bool BoardLink::OnTrunkingMode() {
    if (!m_link.OpenRadioLink())
        return false;
    bool finished = false;
    for (AlignReply started = AlignStart(); started != AlignReply::Abandoned; started = AlignStart()) {
        if (started == AlignReply::Again)
            continue;
        m_link.Sleep(kEntrySettle);
        m_link.Send(kAlignPrompt);
        AccessCodeDialog dialog(m_board, m_accessCodeKnown, false);
        if (!m_prompt.RunAccessCodeDialog(dialog))
            break;
        m_code = dialog.Code();
        bool access = false;
        AlignReply reply = EnterAlignment(access);
        if (reply == AlignReply::Again && !access) {
            m_link.GetNotifier().Show(kAlignmentRefused, txt::kCaptionError, MessageButtons::Ok,
                                      MessageIcon::Stop);
            break;
        }
        if (reply == AlignReply::Accepted)
            reply = AlignmentEntry();
        if (reply == AlignReply::Accepted)
            reply = FinishAlignment(finished);
        if (reply != AlignReply::Again || finished)
            break;
    }
    EndAndClose();
    return finished;
}

} // namespace rpx
