#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/link/link_session.h"
#include "core/trunking/access_code_dialog.h"
#include "core/trunking/board_image.h"

namespace rpx {

// Runs the access code dialog for a board command (on the window thread in the window): true for
// OK, after AccessCodeDialog::Ok; false for Cancel.
class AccessCodePrompt {
public:
    virtual ~AccessCodePrompt() = default;
    virtual bool RunAccessCodeDialog(AccessCodeDialog& dialog) = 0;
};

// The trunking board's byte protocol on the board's own port: line-oriented ASCII, a start
// request, the access code the board checks, then 12-byte records to read, 6-byte records to
// write, or the alignment keys. Built on the same session, waits and Retry/Cancel box as the
// radio link. The port is open only while a command runs. The commands exist only while the
// radio's function port is in trunking mode: their callers see to that.
class BoardLink {
public:
    // Requests and replies.
    static constexpr uint8_t kEnd = 'e';
    static constexpr uint8_t kAck = 0x06;
    static constexpr uint8_t kCr = 0x0D;
    static constexpr uint8_t kLf = 0x0A;
    static constexpr std::size_t kRecordReply = 12;   // 4 data, LF CR, 4 data, 2 more
    static constexpr std::size_t kEndOfData = 8;      // bytes 6 and 7 are LF CR
    static constexpr std::size_t kReadRecordData = 8; // data bytes in a read record
    static constexpr std::size_t kWriteRecordData = 4;
    static constexpr std::size_t kWriteRecords = BoardImage::kSize / kWriteRecordData; // 99
    static constexpr int kReadProgressRange = 390;
    static constexpr int kMaxReadReplies = 50; // 49 records and the end marker

    // board: the board data (a complete read replaces them; a write may set the access code in
    // them); accessCodeKnown: a code was set in the SmarTrunk settings. Both outlive the link.
    BoardLink(SerialPort& port, BoardImage& board, const bool& accessCodeKnown, Notifier& notifier,
              LinkUi& ui, AccessCodePrompt& prompt, LinkTiming timing = {}, LinkClock& clock = SteadyClock());

    LinkSession& Link() { return m_link; }

    // Program > Read Data From Trunking Board: true when every record and the end marker came and
    // the board data were replaced.
    bool OnReadBoard();
    // Program > Write Data To Board: true when the board confirmed it holds all the data.
    bool OnWriteBoard();
    // Program > Trunking Mode: puts the board into its alignment mode. True when the board
    // confirmed the alignment was finished.
    bool OnTrunkingMode();

private:
    // The question, the access code dialog, the port opened and the start acknowledged (Retry
    // resends the start) and access checked: true when the board granted access.
    bool OpenWithAccess(TextId question, bool writeCommand);
    bool BoardStart();
    void SendAccessCode();
    bool CheckAccess();
    StepResult ReadBoardData();
    StepResult WriteBoardData();
    // Closes the port after a read or write and tells a complete one with done.
    bool Finish(LinkOutcome outcome, TextId done);
    // The end request and the port closed.
    void EndAndClose();

    // What one alignment exchange brought: the expected reply; a reason to start over (another
    // reply, or Retry in the communication-error box); or Cancel in that box.
    enum class AlignReply { Accepted, Again, Abandoned };
    AlignReply AlignStart();
    // Sends key, waits settle, and checks byte checked of a replyLength-byte reply (the wait ends
    // early at two bytes). A late reply is read anyway when lateChecked names the byte then checked;
    // otherwise, and when that byte is wrong, it is a communication error.
    AlignReply AlignKey(std::span<const uint8_t> key, std::chrono::milliseconds settle,
                        std::size_t replyLength, std::size_t checked, uint8_t expected,
                        std::optional<std::size_t> lateChecked = {});
    AlignReply CommError();
    // The code keys; access is set once the board has accepted the code.
    AlignReply EnterAlignment(bool& access);
    AlignReply AlignmentEntry();
    // The question, the start of the alignment and its end; finished once the user was told.
    AlignReply FinishAlignment(bool& finished);

    BoardImage& m_board;
    const bool& m_accessCodeKnown;
    AccessCodePrompt& m_prompt;
    LinkSession m_link;
    AccessCodeField m_code{};
};

} // namespace rpx
