#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <thread>

#include "core/trunking/board_link.h"
#include "sim/virtual_board.h"
#include "tests/link/link_fixture.h"
#include "tests/sim/radio_bench.h"

namespace rpx {
namespace {

using sim::Bytes;
using sim::test::Text;
using Answers = std::vector<MessageAnswer>;
using Ids = std::vector<TextId>;

constexpr TextId kCommError = 3003005;
constexpr TextId kAccessRefused = 3019015;
constexpr TextId kReadDone = 3019021;
constexpr TextId kWriteDone = 3019023;
constexpr TextId kReadQuestion = 3019139;
constexpr TextId kWriteQuestion = 3019141;
constexpr TextId kAlignmentQuestion = 3019143;
constexpr TextId kAlignmentRunning = 3019145;
constexpr TextId kAlignmentRefused = 3019149;

// Board data whose every character tells its offset apart, with the access code 13579.
BoardImage PatternBoard() {
    BoardImage board;
    for (std::size_t i = 0; i < BoardImage::kSize; ++i)
        board.SetByte(i, static_cast<uint8_t>("0123456789ABCDEF"[(i * 7 + i / 16) % 16]));
    board.SetAccessCode("13579");
    return board;
}

// Types the scripted codes into the access code dialog; an empty one cancels it.
class ScriptedPrompt : public AccessCodePrompt {
public:
    bool RunAccessCodeDialog(AccessCodeDialog& dialog) override {
        const std::string typed = codes.empty() ? std::string() : codes.front();
        if (!codes.empty())
            codes.pop_front();
        if (typed.empty())
            return false;
        dialog.Ok(typed);
        return true;
    }
    std::deque<std::string> codes;
};

// The program's board link talking to a simulated board inside the process.
class BoardLinkTest : public ::testing::Test {
protected:
    void Start(sim::BoardSetup setup, const std::string& code = "13579", const Answers& answers = {}) {
        m_board = std::make_unique<sim::VirtualBoard>(std::move(setup));
        m_port =
            std::make_unique<SerialPort>(m_board->Device(), [](uint8_t) { return std::string("board"); });
        m_link = std::make_unique<BoardLink>(*m_port, board, accessCodeKnown, notifier, ui, prompt,
                                             LinkTiming{}, clock);
        prompt.codes = {code};
        messenger.Clear();
        for (MessageAnswer a : answers)
            messenger.Answer(a);
    }
    static sim::BoardSetup Setup(std::vector<sim::RadioFault> faults = {}, bool pace = false) {
        sim::BoardSetup setup;
        setup.image = PatternBoard();
        setup.faults = std::move(faults);
        setup.pace = pace;
        setup.recordGap = std::chrono::milliseconds(15);
        return setup;
    }
    sim::SimulatedBoard& Board() { return m_board->Board(); }
    BoardLink& Link() { return *m_link; }
    // The requests the board took, once it has taken the last one (it works on its own thread).
    std::vector<Bytes> Requests() {
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        return Board().Requests();
    }

    BoardImage board;
    bool accessCodeKnown = false;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, test::NoTexts()};
    test::RecordingLinkUi ui;
    ScriptedPrompt prompt;
    test::SleepRecorder clock{[] { return std::size_t{0}; }}; // the settling sleeps are not slept

private:
    std::unique_ptr<sim::VirtualBoard> m_board;
    std::unique_ptr<SerialPort> m_port;
    std::unique_ptr<BoardLink> m_link;
};

// 49 records and the end marker fill bytes 0..391; the four no record carries keep their value.
// A board that acknowledges the start with 0x06 alone is accepted once the two-byte wait runs out.
TEST_F(BoardLinkTest, ReadFillsTheBoardDataFromItsRecords) {
    for (const bool oneByteAck : {false, true}) {
        Start(Setup(oneByteAck ? std::vector<sim::RadioFault>{{sim::FaultKind::OneByteAck}}
                               : std::vector<sim::RadioFault>{}));
        board.FillAll('Z');
        messenger.Clear();
        ASSERT_TRUE(Link().OnReadBoard()) << oneByteAck;
        BoardImage expected = PatternBoard();
        expected.Fill(392, 4, 'Z');
        EXPECT_EQ(board, expected);
        EXPECT_EQ(messenger.ShownIds(), (Ids{kReadQuestion, kReadDone}));
        EXPECT_EQ(Requests(),
                  (std::vector<Bytes>{Text("ST865RB,"), Text("13579\r\n"), Text("02\r\n"), Text("e")}));
    }
}

TEST_F(BoardLinkTest, RefusedAccessCodeEndsTheCommand) {
    Start(Setup(), "97531");
    const BoardImage before = board;
    EXPECT_FALSE(Link().OnReadBoard());
    EXPECT_EQ(messenger.ShownIds(), (Ids{kReadQuestion, kAccessRefused}));
    EXPECT_EQ(Requests(), (std::vector<Bytes>{Text("ST865RB,"), Text("97531\r\n"), Text("e")}));
    EXPECT_EQ(board, before);
}

// Paced at 9600 bit/s the end-of-write marker arrives byte by byte; it still ends the write after
// the 99th record, and a write without a known code gives the board the typed one.
TEST_F(BoardLinkTest, PacedWriteSends99RecordsAndEndsAtTheMarker) {
    sim::BoardSetup setup = Setup({}, true);
    setup.image.SetAccessCode("24680");
    Start(setup, "24680");
    board = PatternBoard();
    ASSERT_TRUE(Link().OnWriteBoard());
    EXPECT_EQ(messenger.ShownIds(), (Ids{kWriteQuestion, kWriteDone}));
    BoardImage expected = PatternBoard();
    expected.SetAccessCode("24680");
    EXPECT_EQ(board, expected);
    EXPECT_EQ(Board().Memory(), expected);
    const std::vector<Bytes> requests = Requests();
    ASSERT_EQ(requests.size(), 4u + 99u);
    Bytes firstRecord(expected.Bytes().begin(), expected.Bytes().begin() + 4);
    firstRecord.insert(firstRecord.end(), {0x0D, 0x0A});
    EXPECT_EQ(requests[3], firstRecord);
    EXPECT_EQ(requests.back(), Text("e"));
}

// A malformed record, a missing record acknowledgement and an unanswered start each show the
// communication-error box: Retry repeats from the request, Cancel ends (a write saying "e").
TEST_F(BoardLinkTest, FaultsOfferRetryAndCancel) {
    const struct {
        const char* name;
        sim::FaultKind kind;
        int occurrence;
        bool write;
        Bytes retried; // sent again on Retry
    } faults[] = {
        {"bad record", sim::FaultKind::BadRecord, 7, false, Text("02\r\n")},
        {"no record ack", sim::FaultKind::NoRecordAck, 20, true, Text("03\r\n")},
        {"no start ack", sim::FaultKind::NoStartAck, 1, false, Text("ST865RB,")},
    };
    for (const auto& f : faults) {
        for (const MessageAnswer answer : {MessageAnswer::Retry, MessageAnswer::Cancel}) {
            SCOPED_TRACE(std::string(f.name) + (answer == MessageAnswer::Retry ? " retry" : " cancel"));
            Start(Setup({{f.kind, f.occurrence}}), "13579", {MessageAnswer::Ok, answer});
            board = PatternBoard();
            board.Fill(0, 8, 'Z');
            const bool done = f.write ? Link().OnWriteBoard() : Link().OnReadBoard();
            const TextId question = f.write ? kWriteQuestion : kReadQuestion;
            const TextId finished = f.write ? kWriteDone : kReadDone;
            const std::vector<Bytes> requests = Requests();
            EXPECT_EQ(std::count(requests.begin(), requests.end(), f.retried),
                      answer == MessageAnswer::Retry ? 2 : 1);
            if (answer == MessageAnswer::Retry) {
                EXPECT_TRUE(done);
                EXPECT_EQ(messenger.ShownIds(), (Ids{question, kCommError, finished}));
                EXPECT_EQ(f.write ? Board().Memory() : board, f.write ? board : PatternBoard());
            } else {
                EXPECT_FALSE(done);
                EXPECT_EQ(messenger.ShownIds(), (Ids{question, kCommError}));
                EXPECT_EQ(requests.back() == Text("e"), f.write || f.kind == sim::FaultKind::NoStartAck);
            }
        }
    }
}

TEST_F(BoardLinkTest, AlignmentSendsItsKeysInOrder) {
    Start(Setup());
    ASSERT_TRUE(Link().OnTrunkingMode());
    EXPECT_EQ(messenger.ShownIds(), (Ids{kAlignmentQuestion, kAlignmentRunning}));
    const std::vector<Bytes> expected = {Text(std::string("ST865RB\x1E")),
                                         Text(std::string("A43\0", 4)),
                                         {0x11, 0x00},
                                         {0x13, 0x00},
                                         {0x15, 0x00},
                                         {0x17, 0x00},
                                         {0x19, 0x00},
                                         {0x1E},
                                         {0x00},
                                         {0x11, 0x00},
                                         {0x17, 0x00},
                                         {0x1E},
                                         {0x00},
                                         Text("2"),
                                         {0x19},
                                         {0x00, '3'},
                                         Text("e")};
    EXPECT_EQ(Requests(), expected);
    EXPECT_EQ(Board().Mode(), sim::BoardMode::Idle);

    Start(Setup(), "11111");
    EXPECT_FALSE(Link().OnTrunkingMode());
    EXPECT_EQ(messenger.ShownIds().back(), kAlignmentRefused);
    EXPECT_EQ(Requests().back(), Text("e"));
}

} // namespace
} // namespace rpx
