#include "core/link/radio_info.h"
#include "tests/link/link_fixture.h"

namespace rpx {
namespace {

using test::PatternImage;
using Answers = std::vector<MessageAnswer>;

constexpr TextId kReadQuestion = 3003001;
constexpr TextId kReadDone = 3003049;
constexpr TextId kWriteQuestion = 3003003;
constexpr TextId kWriteDone = 3003051;
constexpr TextId kCommError = 3003005;
constexpr TextId kUnknownModel = 3003031;
constexpr TextId kWrongPassword = 3003029;

class LinkFailures : public test::LinkFixture {
protected:
    // Starts the radio, scripts the answers and runs a read or a write of the session image.
    bool Transfer(const sim::RadioSetup& setup, bool write, const Answers& answers) {
        StartRadio(setup);
        messenger.Clear();
        for (MessageAnswer a : answers)
            messenger.Answer(a);
        return write ? Commands().OnProgramWrite() : Commands().OnProgramRead();
    }
    sim::Bytes LastSentBytes(std::size_t count) const {
        const sim::Bytes all = SentBytes();
        return sim::Bytes(all.end() - static_cast<std::ptrdiff_t>(std::min(count, all.size())), all.end());
    }
};

// Every fault, answered Cancel: "E" then "e" go out, the port closes, the image stays; answered Retry:
// the transfer starts again from identification and carries every byte.
TEST_F(LinkFailures, TransferFaultsWithRetryAndCancel) {
    const struct {
        const char* name;
        bool write;
        sim::FaultKind kind;
        int occurrence;
    } faults[] = {
        {"no ACK to PROGRAM", false, sim::FaultKind::NoProgramAck, 1},
        {"no reply to block 5", false, sim::FaultKind::NoBlockReply, 6},
        {"19-byte block", false, sim::FaultKind::ShortBlock, 6},
        {"block not starting W", false, sim::FaultKind::BadBlockStart, 6},
        {"late identification", false, sim::FaultKind::SlowReply, 2},
        {"no memory size in time", false, sim::FaultKind::SlowReply, 4},
        {"garbage before a block", false, sim::FaultKind::Garbage, 12},
        {"refused write block", true, sim::FaultKind::NakWrite, 3},
    };
    for (const auto& f : faults) {
        for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Retry}) {
            sim::RadioSetup setup;
            setup.image = f.write ? sim::RadioSetup{}.image : PatternImage();
            setup.faults = {{f.kind, f.occurrence}};
            session.image = PatternImage();
            if (!f.write)
                session.image.FillAll(0x11);
            const RadioImage before = session.image;
            const bool done = Transfer(setup, f.write, {MessageAnswer::Ok, answer});
            const std::string what =
                std::string(f.name) + (answer == MessageAnswer::Retry ? " retry" : " cancel");
            const TextId question = f.write ? kWriteQuestion : kReadQuestion;
            const std::vector<TextId> shown = messenger.ShownIds();
            EXPECT_FALSE(Port().IsOpen()) << what;
            EXPECT_EQ(done, answer == MessageAnswer::Retry) << what;
            if (answer == MessageAnswer::Cancel) {
                EXPECT_EQ(session.image, before) << what;
                EXPECT_EQ(shown, (std::vector<TextId>{question, kCommError})) << what;
                EXPECT_EQ(LastSentBytes(2), (sim::Bytes{0x45, 0x65})) << what;
                continue;
            }
            // A late reply can spoil the first retry too; every box is a Retry until the transfer is done.
            EXPECT_EQ(session.image, PatternImage()) << what;
            EXPECT_TRUE(std::ranges::equal(Radio().Memory().Bytes().subspan(0x3F0),
                                           PatternImage().Bytes().subspan(0x3F0)))
                << what;
            const TextId finished = f.write ? kWriteDone : kReadDone;
            EXPECT_TRUE(shown.size() >= 3 && shown.front() == question && shown.back() == finished &&
                        std::count(shown.begin(), shown.end(), kCommError) + 2 == std::ssize(shown))
                << what;
        }
    }
}

// Refusals the radio's identification forces, before any block moves.
TEST_F(LinkFailures, RadiosThatCannotBeServedAreLeftAtOnce) {
    const struct {
        const char* name;
        bool write, readable, refuseExtended;
        std::string modelCode;
        Answers answers;
        std::vector<TextId> shown;
    } cases[] = {
        {"unreadable", false, false, false, "", {}, {kReadQuestion, 3003019}},
        {"unknown model",
         false,
         true,
         false,
         "XYZ121",
         {MessageAnswer::Ok, MessageAnswer::Retry, MessageAnswer::Cancel},
         {kReadQuestion, kUnknownModel, kUnknownModel}},
        {"extended data refused",
         true,
         true,
         true,
         "MDL2B1",
         {MessageAnswer::Ok, MessageAnswer::Cancel},
         {kWriteQuestion, kUnknownModel}},
    };
    for (const auto& c : cases) {
        sim::RadioSetup setup;
        setup.image = PatternImage();
        setup.readable = c.readable;
        setup.refuseExtended = c.refuseExtended;
        setup.modelCode = c.modelCode;
        session.image = PatternImage("MDL2B1");
        session.image.SetByte(0x100, 0x11);
        const RadioImage before = session.image;
        EXPECT_FALSE(Transfer(setup, c.write, c.answers)) << c.name;
        EXPECT_EQ(messenger.ShownIds(), c.shown) << c.name;
        EXPECT_EQ(session.image, before) << c.name;
        EXPECT_EQ(Radio().Counters().blockReads + Radio().Counters().blockWrites, 0) << c.name;
        EXPECT_EQ(LastSentBytes(1), (sim::Bytes{0x45})) << c.name;
        EXPECT_FALSE(Port().IsOpen()) << c.name;
    }
}

TEST_F(LinkFailures, DataPasswordGuardsTheRead) {
    const struct {
        std::deque<std::string> typed;
        std::vector<TextId> shown;
    } cases[] = {
        {{"4711"}, {kReadQuestion, kReadDone}},
        {{"1234", "4711"}, {kReadQuestion, kWrongPassword, kReadDone}},
        {{""}, {kReadQuestion}},
        {{"47", ""}, {kReadQuestion, kWrongPassword}},
    };
    for (const auto& c : cases) {
        sim::RadioSetup setup;
        setup.image = PatternImage();
        setup.dataPassword = "4711";
        setup.messageLines = std::array<std::string, 2>{"FLEET 7", "CAR 12"};
        session.image.FillAll(0x11);
        ui.passwords = c.typed;
        const bool read = c.typed.back() == "4711";
        EXPECT_EQ(Transfer(setup, false, {}), read) << c.typed.front();
        EXPECT_EQ(messenger.ShownIds(), c.shown) << c.typed.front();
        EXPECT_EQ(ui.shownMessage, "FLEET 7|CAR 12");
        EXPECT_EQ(session.image.Byte(0x100) == 0x11, !read) << c.typed.front();
        EXPECT_FALSE(Port().IsOpen());
    }
}

TEST_F(LinkFailures, RadioInformation) {
    sim::RadioSetup setup;
    setup.infoText = "12345678-ABCDEFG";
    setup.modelCode = "MDL2A\x41";
    StartRadio(setup);
    RadioInformation information;
    ASSERT_TRUE(OnToolsRadioInfo(Link(), information));
    EXPECT_FALSE(Port().IsOpen());
    EXPECT_EQ(test::FirstDifference(RequestsWithoutAcks(),
                                    {{'P', 'R', 'O', 'G', 'R', 'A', 'M'}, {0x02}, {'N', 'R', 'K'}, {0x45}}),
              "");
    const LanguageTable& texts = test::ShippedTexts();
    const RadioInfoFields fields = DescribeRadioInfo(information, texts);
    EXPECT_EQ(fields.model, "RZ-DL2A");
    EXPECT_EQ(fields.bandAndVersion, std::string(texts.GetText(3018001)) + " : " + texts.GetText(3005015) +
                                         " " + texts.GetText(3005017));
    EXPECT_EQ(fields.text, "12345678-       ");

    information.text.fill(0xFF); // a short text and an unknown model
    information.text[0] = '4';
    information.text[1] = 'x';
    information.modelCode = "ABCDE\x31\xFF\xFF";
    const RadioInfoFields unknown = DescribeRadioInfo(information, texts);
    EXPECT_EQ(unknown.model + unknown.bandAndVersion + unknown.text, "4 ");
}

} // namespace
} // namespace rpx
