#include "core/link/radio_info.h"
#include "tests/link/link_fixture.h"
#include "tests/support/test_texts.h"
#include "transport/qt_serial_device.h"

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
constexpr TextId kPartlyWritten = 3020201;

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

// Every fault, answered Cancel: "E" then "e" go out and nothing after them, the port closes, image
// and title stay, and a write that had sent blocks says the radio needs writing again; answered
// Retry: the transfer starts again from identification and carries every byte.
TEST_F(LinkFailures, TransferFaultsWithRetryAndCancel) {
    const struct {
        const char* name;
        bool write;
        sim::FaultKind kind;
        int occurrence;
    } faults[] = {
        {"no ACK to PROGRAM", false, sim::FaultKind::NoProgramAck, 1},
        {"lost ACK to identification", false, sim::FaultKind::Garbage, 3},
        {"no reply to block 5", false, sim::FaultKind::NoBlockReply, 6},
        {"19-byte block", false, sim::FaultKind::ShortBlock, 6},
        {"block not starting W", false, sim::FaultKind::BadBlockStart, 6},
        {"block length byte 8", false, sim::FaultKind::BadLength, 6},
        {"late identification", false, sim::FaultKind::SlowReply, 2},
        {"no memory size in time", false, sim::FaultKind::SlowReply, 4},
        {"garbage before a block", false, sim::FaultKind::Garbage, 12},
        {"write: lost ACK to identification", true, sim::FaultKind::Garbage, 3},
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
            session.titleFilePart = "kept.dat";
            const RadioImage before = session.image;
            const bool done = Transfer(setup, f.write, {MessageAnswer::Ok, answer});
            const std::string what =
                std::string(f.name) + (answer == MessageAnswer::Retry ? " retry" : " cancel");
            const TextId question = f.write ? kWriteQuestion : kReadQuestion;
            const std::vector<TextId> shown = messenger.ShownIds();
            EXPECT_FALSE(Port().IsOpen()) << what;
            EXPECT_EQ(done, answer == MessageAnswer::Retry) << what;
            if (answer == MessageAnswer::Cancel) {
                const bool blocksWent = f.kind == sim::FaultKind::NakWrite;
                EXPECT_EQ(session.image, before) << what;
                EXPECT_EQ(session.titleFilePart, "kept.dat") << what;
                std::vector<TextId> told = {question, kCommError};
                if (blocksWent)
                    told.push_back(kPartlyWritten);
                EXPECT_EQ(shown, told) << what;
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

// The final "E" is part of the transfer: when the port cannot send it, the transfer is not complete.
TEST_F(LinkFailures, AnUnsentFinalEndIsACommunicationError) {
    for (const bool write : {false, true}) {
        session.image = PatternImage();
        const RadioImage before = session.image;
        StartRadio({});
        RefuseToSend({0x45});
        messenger.Clear();
        messenger.Answer(MessageAnswer::Ok);
        messenger.Answer(MessageAnswer::Cancel);
        EXPECT_FALSE(write ? Commands().OnProgramWrite() : Commands().OnProgramRead()) << write;
        EXPECT_EQ(messenger.ShownIds()[1], kCommError) << write;
        EXPECT_EQ(session.image, before) << write;
    }
}

// The port's failure names the device and the system's reason; the group advice comes only where
// the device belongs to the serial-line group and the user is not in it.
TEST_F(LinkFailures, APortThatCannotOpenIsNamedWithTheSystemsReason) {
    struct Refusing : transport::QtSerialDevice {
        bool denied = false, lacksGroup = false;
        bool PermissionDenied() const override { return denied; }
        bool LacksSerialGroup() const override { return lacksGroup; }
    };
    const struct {
        bool denied, lacksGroup;
        TextId shown;
    } cases[] = {{false, false, 3003059}, {true, true, 3020005}, {true, false, 3020205}};
    for (const auto& c : cases) {
        Refusing device;
        device.denied = c.denied;
        device.lacksGroup = c.lacksGroup;
        SerialPort port(device, [](uint8_t) { return std::string("/nonexistent/ttyRPX"); });
        messenger.Clear();
        RadioLink link(port, session, notifier, ui);
        EXPECT_FALSE(link.ReadRadio().has_value());
        ASSERT_EQ(messenger.ShownIds(), std::vector<TextId>{c.shown});
        const std::string& text = messenger.Shown()[0].text;
        EXPECT_NE(text.find("/nonexistent/ttyRPX"), std::string::npos) << text;
        EXPECT_NE(text.find(device.ErrorText()), std::string::npos) << text;
        EXPECT_EQ(text.find("dialout") != std::string::npos, c.lacksGroup) << text;
        EXPECT_FALSE(port.IsOpen());
    }
}

// Refusals the radio's identification forces, before any block moves.
TEST_F(LinkFailures, RadiosThatCannotBeServedAreLeftAtOnce) {
    using enum MessageAnswer;
    const struct {
        struct {
            const char* name;
            bool write, readable, refuseExtended;
            std::string modelCode;
        } radio;
        Answers answers;
        std::vector<TextId> shown;
    } cases[] = {
        {{"unreadable", false, false, false, ""}, {}, {kReadQuestion, 3003019}},
        {{"unknown model", false, true, false, "XYZ121"},
         {Ok, Retry, Cancel},
         {kReadQuestion, kUnknownModel, kUnknownModel}},
        {{"extended data refused", true, true, true, "MDL2B1"},
         {Ok, Cancel},
         {kWriteQuestion, kUnknownModel}},
    };
    for (const auto& c : cases) {
        sim::RadioSetup setup;
        setup.image = PatternImage();
        setup.readable = c.radio.readable;
        setup.refuseExtended = c.radio.refuseExtended;
        setup.modelCode = c.radio.modelCode;
        session.image = PatternImage("MDL2B1");
        session.image.SetByte(0x100, 0x11);
        const RadioImage before = session.image;
        EXPECT_FALSE(Transfer(setup, c.radio.write, c.answers)) << c.radio.name;
        EXPECT_EQ(messenger.ShownIds(), c.shown) << c.radio.name;
        EXPECT_EQ(session.image, before) << c.radio.name;
        EXPECT_EQ(Radio().Counters().blockReads + Radio().Counters().blockWrites, 0) << c.radio.name;
        EXPECT_EQ(LastSentBytes(1), (sim::Bytes{0x45})) << c.radio.name;
        EXPECT_FALSE(Port().IsOpen()) << c.radio.name;
    }
}

TEST_F(LinkFailures, ADeclinedReadChangesNothing) {
    StartRadio({});
    session.image = PatternImage();
    session.titleFilePart = "kept.dat";
    messenger.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(Commands().OnProgramRead());
    EXPECT_EQ(session.image, PatternImage());
    EXPECT_EQ(session.titleFilePart, "kept.dat");
    EXPECT_TRUE(Radio().Requests().empty());
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

    // Cancel after a lost acknowledgement of the identification ends it: no "NRK", no second box.
    setup.faults = {{sim::FaultKind::Garbage, 3}};
    StartRadio(setup);
    messenger.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(OnToolsRadioInfo(Link(), information));
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{kCommError});
    EXPECT_EQ(LastSentBytes(2), (sim::Bytes{0x45, 0x65}));
    EXPECT_FALSE(Port().IsOpen());

    information.text.fill(0xFF); // a short text and an unknown model
    information.text[0] = '4';
    information.text[1] = 'x';
    information.modelCode = "ABCDE\x31\xFF\xFF";
    const RadioInfoFields unknown = DescribeRadioInfo(information, texts);
    EXPECT_EQ(unknown.model + unknown.bandAndVersion + unknown.text, "4 ");
}

} // namespace
} // namespace rpx
