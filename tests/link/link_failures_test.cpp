#include "core/link/radio_info.h"
#include "tests/link/link_fixture.h"

namespace rpx {
namespace {

using test::PatternImage;

constexpr TextId kReadQuestion = 3003001;
constexpr TextId kReadDone = 3003049;
constexpr TextId kCommError = 3003005;
constexpr TextId kUnreadable = 3003019;
constexpr TextId kUnknownModel = 3003031;
constexpr TextId kWrongPassword = 3003029;
constexpr TextId kWriteQuestion = 3003003;
constexpr TextId kWriteDone = 3003051;

class LinkFailures : public test::LinkFixture {
protected:
    // The last bytes the program sent.
    sim::Bytes LastSentBytes(std::size_t count) const {
        const sim::Bytes all = SentBytes();
        return sim::Bytes(all.end() - static_cast<std::ptrdiff_t>(std::min(count, all.size())), all.end());
    }
};

// Every fault, answered Cancel: "E" then "e" go out, the port closes, the image stays; answered
// Retry once: the read starts again from identification and brings every byte.
TEST_F(LinkFailures, ReadFaultsWithRetryAndCancel) {
    const struct {
        const char* name;
        sim::FaultKind kind;
        int occurrence;
    } faults[] = {
        {"no ACK to PROGRAM", sim::FaultKind::NoProgramAck, 1},
        {"no reply to block 5", sim::FaultKind::NoBlockReply, 6},
        {"19-byte block", sim::FaultKind::ShortBlock, 6},
        {"block not starting W", sim::FaultKind::BadBlockStart, 6},
        {"late identification", sim::FaultKind::SlowReply, 2},
        {"no memory size in time", sim::FaultKind::SlowReply, 4},
        {"garbage before a block", sim::FaultKind::Garbage, 12},
    };
    for (const auto& fault : faults) {
        for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Retry}) {
            sim::RadioSetup setup;
            setup.image = PatternImage();
            setup.faults = {{fault.kind, fault.occurrence}};
            StartRadio(setup);
            session.image.FillAll(0x11);
            const RadioImage before = session.image;
            messenger.Clear();
            messenger.Answer(MessageAnswer::Ok);
            messenger.Answer(answer);
            const bool read = Commands().OnProgramRead();
            const std::string what = std::string(fault.name) + (answer == MessageAnswer::Retry ? " retry" : " cancel");
            EXPECT_FALSE(Port().IsOpen()) << what;
            if (answer == MessageAnswer::Cancel) {
                EXPECT_FALSE(read) << what;
                EXPECT_EQ(session.image, before) << what;
                EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kReadQuestion, kCommError})) << what;
                EXPECT_EQ(LastSentBytes(2), (sim::Bytes{0x45, 0x65})) << what;
            } else {
                // A late reply can spoil the first retry too; every box is a Retry until the read is done.
                EXPECT_TRUE(read) << what;
                EXPECT_EQ(session.image, PatternImage()) << what;
                const std::vector<TextId> shown = messenger.ShownIds();
                ASSERT_GE(shown.size(), 3u) << what;
                EXPECT_EQ(shown.front(), kReadQuestion) << what;
                EXPECT_EQ(shown.back(), kReadDone) << what;
                EXPECT_TRUE(std::all_of(shown.begin() + 1, shown.end() - 1, [](TextId id) { return id == kCommError; }))
                    << what;
            }
        }
    }
}

TEST_F(LinkFailures, RefusedWriteBlockCanBeRetried) {
    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Retry}) {
        sim::RadioSetup setup;
        setup.faults = {{sim::FaultKind::NakWrite, 3}};
        StartRadio(setup);
        session.image = PatternImage("MDL2A1");
        messenger.Clear();
        messenger.Answer(MessageAnswer::Ok);
        messenger.Answer(answer);
        const bool written = Commands().OnProgramWrite();
        if (answer == MessageAnswer::Cancel) {
            EXPECT_FALSE(written);
            EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kWriteQuestion, kCommError}));
            EXPECT_EQ(LastSentBytes(2), (sim::Bytes{0x45, 0x65}));
        } else {
            EXPECT_TRUE(written);
            EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kWriteQuestion, kCommError, kWriteDone}));
            const RadioImage radio = Radio().Memory();
            for (std::size_t a = 0x3F0; a < 0x800; ++a)
                ASSERT_EQ(radio.Byte(a), session.image.Byte(a)) << a;
        }
    }
}

TEST_F(LinkFailures, UnreadableRadioIsLeftAtOnce) {
    sim::RadioSetup setup;
    setup.image = PatternImage();
    setup.readable = false;
    StartRadio(setup);
    const RadioImage before = session.image;
    EXPECT_FALSE(Commands().OnProgramRead());
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kReadQuestion, kUnreadable}));
    EXPECT_EQ(session.image, before);
    EXPECT_EQ(LastSentBytes(1), (sim::Bytes{0x45}));
    EXPECT_EQ(Radio().Counters().blockReads, 0);
}

TEST_F(LinkFailures, UnknownModelOffersRetry) {
    sim::RadioSetup setup;
    setup.modelCode = "XYZ121";
    StartRadio(setup);
    messenger.Answer(MessageAnswer::Ok);
    messenger.Answer(MessageAnswer::Retry);
    messenger.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(Commands().OnProgramRead());
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kReadQuestion, kUnknownModel, kUnknownModel}));
    EXPECT_EQ(messenger.Shown()[1].buttons, MessageButtons::RetryCancel);
    EXPECT_EQ(Radio().Counters().blockReads, 0);
    EXPECT_FALSE(Port().IsOpen());
}

TEST_F(LinkFailures, RadioThatCannotTakeExtendedDataIsRefused) {
    sim::RadioSetup setup;
    setup.refuseExtended = true;
    setup.modelCode = "MDL2B1"; // a type-1 radio
    StartRadio(setup);
    session.image = PatternImage("MDL2B1");
    messenger.Answer(MessageAnswer::Ok);
    messenger.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(Commands().OnProgramWrite());
    EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kWriteQuestion, kUnknownModel}));
    EXPECT_EQ(Radio().Counters().blockWrites, 0);
}

TEST_F(LinkFailures, DataPasswordGuardsTheRead) {
    const struct {
        const char* name;
        std::deque<std::string> typed;
        bool read;
        std::vector<TextId> shown;
    } cases[] = {
        {"right", {"4711"}, true, {kReadQuestion, kReadDone}},
        {"wrong then right", {"1234", "4711"}, true, {kReadQuestion, kWrongPassword, kReadDone}},
        {"cancelled", {""}, false, {kReadQuestion}},
        {"wrong then cancelled", {"47", ""}, false, {kReadQuestion, kWrongPassword}},
    };
    for (const auto& c : cases) {
        sim::RadioSetup setup;
        setup.image = PatternImage();
        setup.dataPassword = "4711";
        setup.messageLines = std::array<std::string, 2>{"FLEET 7", "CAR 12"};
        StartRadio(setup);
        session.image.FillAll(0x11);
        messenger.Clear();
        ui.passwords = c.typed;
        EXPECT_EQ(Commands().OnProgramRead(), c.read) << c.name;
        EXPECT_EQ(messenger.ShownIds(), c.shown) << c.name;
        EXPECT_EQ(ui.shownMessage, "FLEET 7|CAR 12") << c.name;
        if (!c.read) {
            EXPECT_EQ(session.image.Byte(0x100), 0x11) << c.name;
            EXPECT_EQ(LastSentBytes(1), (sim::Bytes{0x45})) << c.name;
            EXPECT_FALSE(Port().IsOpen()) << c.name;
        }
        ui.passwordDialogs = 0;
    }
}

TEST_F(LinkFailures, NoPasswordMeansNoDialog) {
    StartRadio({});
    EXPECT_TRUE(Commands().OnProgramRead());
    EXPECT_EQ(ui.passwordDialogs, 0);
    EXPECT_EQ(Radio().Counters().blockReads, 1 + 128);
}

TEST_F(LinkFailures, RadioInformation) {
    sim::RadioSetup setup;
    setup.infoText = "12345678-ABCDEFG";
    setup.modelCode = "MDL2A\x41";
    StartRadio(setup);
    RadioInformation information;
    ASSERT_TRUE(OnToolsRadioInfo(Link(), information));
    EXPECT_FALSE(Port().IsOpen());
    EXPECT_EQ(information.modelCode.substr(0, 6), "MDL2A\x41");
    const LanguageTable& texts = test::ShippedTexts();
    const RadioInfoFields fields = DescribeRadioInfo(information, texts);
    EXPECT_EQ(fields.model, "RZ-DL2A");
    EXPECT_EQ(fields.bandAndVersion,
              std::string(texts.GetText(3018001)) + " : " + texts.GetText(3005015) + " " + texts.GetText(3005017));
    EXPECT_EQ(fields.text, "12345678-       ");
    EXPECT_EQ(test::FirstDifference(RequestsWithoutAcks(), {{'P', 'R', 'O', 'G', 'R', 'A', 'M'}, {0x02}, {'N', 'R', 'K'}, {0x45}}), "");
}

TEST(RadioInfoFields, ShortTextAndUnknownModel) {
    RadioInformation information;
    information.text.fill(0xFF);
    information.text[0] = '4';
    information.text[1] = 'x';
    information.modelCode = "ABCDE\x31\xFF\xFF";
    const RadioInfoFields fields = DescribeRadioInfo(information, test::NoTexts());
    EXPECT_EQ(fields.model, "");
    EXPECT_EQ(fields.bandAndVersion, "");
    EXPECT_EQ(fields.text, "4 ");
}

} // namespace
} // namespace rpx
