#include "core/radio/image_defaults.h"
#include "tests/link/link_fixture.h"
#include "tests/sim/radio_bench.h"

namespace rpx {
namespace {

using test::PatternImage;

constexpr TextId kReadQuestion = 3003001;
constexpr TextId kReadDone = 3003049;
constexpr TextId kWriteQuestion = 3003003;
constexpr TextId kWriteDone = 3003051;
constexpr TextId kShortMemoryQuestion = 3019111;
constexpr TextId kModelCodeDiffers = 3003041;

using sim::Bytes;
const Bytes kProgram = sim::test::Text("PROGRAM");

class ReadWrite : public test::LinkFixture {};

TEST_F(ReadWrite, ReadCopiesEveryByteOfEitherMemorySize) {
    for (std::size_t memory : {std::size_t{2048}, std::size_t{1024}}) {
        sim::RadioSetup setup;
        setup.image = PatternImage();
        setup.image.SetByte(0x0DA, 0xFF); // a missing group count reads as 1
        setup.memorySize = memory;
        StartRadio(setup);
        session.image.FillAll(0x11);
        ASSERT_TRUE(Commands().OnProgramRead()) << memory;

        RadioImage expected = PatternImage();
        if (memory == 1024)
            expected.Fill(0x400, 0x400, 0xFF);
        EXPECT_EQ(session.image, expected) << memory;
        EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kReadQuestion, kReadDone}));
        EXPECT_FALSE(Port().IsOpen());

        std::vector<sim::Bytes> requests = {kProgram, Bytes({0x02}), Bytes({0x50}),
                                            Bytes({0x52, 0x00, 0xD0, 0x0A})};
        for (std::size_t address = 0; address < memory; address += 16)
            requests.push_back(Bytes({0x52, uint8_t(address >> 8), uint8_t(address & 0xFF), 0x10}));
        requests.push_back(Bytes({0x45}));
        EXPECT_EQ(test::FirstDifference(RequestsWithoutAcks(), requests), "") << memory;
        messenger.Clear();
    }
}

TEST_F(ReadWrite, BlankModelRadioGivesABlankImage) {
    sim::RadioSetup setup;
    setup.image = PatternImage("E6182");
    StartRadio(setup);
    ASSERT_TRUE(Commands().OnProgramRead());
    RadioImage expected;
    MakeFirstImage(expected, "", false);
    EXPECT_EQ(session.image, expected);
}

TEST_F(ReadWrite, WriteSendsExactlyTheWritableBlocks) {
    for (bool has2048 : {true, false}) {
        sim::RadioSetup setup;
        setup.image.FillAll(0x00);
        setup.image.SetModelString("MDL2A");
        setup.image.SetRangeCode(0x31);
        setup.memorySize = has2048 ? 2048 : 1024;
        StartRadio(setup);
        session.image = PatternImage("MDL2A1");
        session.image.Fill(0x1D0, 10, 0xFF);
        ASSERT_TRUE(Commands().OnProgramWrite()) << has2048;

        RadioImage sent = session.image;
        sent.SetByte(0x1D0, 0x00); // all-erased settings go out with a first byte of 0
        // The header area, the two gaps and, on a short radio, the upper half are never written.
        std::vector<sim::Bytes> expected = {kProgram, Bytes({0x02}), Bytes({0x50})};
        for (unsigned address = 0x20; address < (has2048 ? 0x800u : 0x3E0u); address += 16) {
            if ((address >= 0x340 && address < 0x380) || (address >= 0x3E0 && address < 0x3F0))
                continue;
            expected.push_back(Bytes({0x57, uint8_t(address >> 8), uint8_t(address & 0xFF), 0x10}));
            for (unsigned i = 0; i < 16; ++i)
                expected.back().push_back(sent.Byte(address + i));
        }
        expected.push_back(Bytes({0x45}));
        EXPECT_EQ(test::FirstDifference(RequestsWithoutAcks(), expected), "") << has2048;
        const TextId second = has2048 ? kWriteDone : kShortMemoryQuestion;
        EXPECT_EQ(messenger.ShownIds()[1], second);
        EXPECT_EQ(messenger.ShownIds().back(), kWriteDone);
        messenger.Clear();
    }
}

TEST_F(ReadWrite, WriteQuestionsCanStopTheWrite) {
    const struct {
        std::size_t memory;
        std::string radioCode;
        TextId question;
    } cases[] = {{1024, "MDL2A1", kShortMemoryQuestion}, {2048, "MDL2A3", kModelCodeDiffers}};
    for (const auto& c : cases) {
        sim::RadioSetup setup;
        setup.memorySize = c.memory;
        setup.modelCode = c.radioCode;
        StartRadio(setup);
        session.image = PatternImage("MDL2A1");
        const RadioImage radioBefore = Radio().Memory();
        messenger.Answer(MessageAnswer::Ok);
        messenger.Answer(MessageAnswer::Cancel);
        EXPECT_FALSE(Commands().OnProgramWrite()) << c.question;
        EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kWriteQuestion, c.question}));
        if (const std::string& asked = messenger.Shown()[1].text; c.question == kModelCodeDiffers) {
            // The data's model, then the radio's.
            EXPECT_NE(asked.find("MDL2A3"), std::string::npos) << asked;
            EXPECT_LT(asked.find("MDL2A1"), asked.find("MDL2A3")) << asked;
        }
        EXPECT_EQ(Radio().Memory(), radioBefore) << c.question;
        EXPECT_EQ(RequestsWithoutAcks().back(), Bytes({0x45})) << c.question;
        EXPECT_FALSE(Port().IsOpen()) << c.question;
        messenger.Clear();
    }
}

// 200 ms after opening the port; 250 ms after the last "E" of a read and before the "E" that ends
// a write to a 1024-byte radio. Noted by the clock with the count of bytes sent by then.
TEST_F(ReadWrite, SettlingSleepsComeWherePrescribed) {
    using std::chrono::milliseconds;
    using Noted = test::SleepRecorder::Noted;
    const struct {
        bool write;
        std::size_t memory;
        bool closingSleep;
        std::size_t unsentAfterIt;
    } cases[] = {
        {false, 2048, true, 0}, {false, 1024, true, 0}, {true, 2048, false, 0}, {true, 1024, true, 1}};
    for (const auto& c : cases) {
        sim::RadioSetup setup;
        setup.memorySize = c.memory;
        StartRadio(setup, LinkTiming{});
        session.image = PatternImage("MDL2A1");
        ASSERT_TRUE(c.write ? Commands().OnProgramWrite() : Commands().OnProgramRead())
            << c.write << c.memory;
        std::vector<Noted> expected = {{milliseconds(200), 0}};
        if (c.closingSleep)
            expected.push_back({milliseconds(250), SentBytes().size() - c.unsentAfterIt});
        EXPECT_EQ(clock.sleeps, expected) << c.write << c.memory;
        EXPECT_EQ(SentBytes().back(), 0x45);
        messenger.Clear();
    }
}

// A 1024-byte radio of type 0 with version-0 data gets the image back as it was before the write,
// also after a Retry; the radio has the settings block that went out with its first byte 0.
TEST_F(ReadWrite, AShortVersionZeroWriteGivesTheImageBack) {
    const struct {
        std::size_t memory;
        std::string code;
        bool retry;
        uint8_t kept;
    } cases[] = {{1024, "MDL2A0", false, 0xFF},
                 {1024, "MDL2A0", true, 0xFF},
                 {2048, "MDL2A0", false, 0x00},
                 {1024, "MDL2A1", false, 0x00}};
    for (const auto& c : cases) {
        sim::RadioSetup setup;
        setup.memorySize = c.memory;
        setup.modelCode = c.code;
        if (c.retry)
            setup.faults = {{sim::FaultKind::NakWrite, 30}};
        StartRadio(setup);
        session.image = PatternImage(c.code);
        session.image.Fill(0x1D0, 10, 0xFF);
        ASSERT_TRUE(Commands().OnProgramWrite()) << c.code << c.memory << c.retry;
        EXPECT_EQ(session.image.Byte(0x1D0), c.kept) << c.code << c.memory << c.retry;
        EXPECT_EQ(Radio().Memory().Byte(0x1D0), 0x00) << c.code << c.memory << c.retry;
        messenger.Clear();
    }
}

TEST_F(ReadWrite, TrunkingTablesWithGapsAreNotWritten) {
    StartRadio({});
    session.image = PatternImage("MDL2A1");
    session.image.SetByte(0x258, 3);
    session.image.SetByte(0x0DA, 2);
    session.image.Fill(0x400, 0x400, 0xFF);
    session.image.SetByte(0x400, 0x01);
    session.image.SetByte(0x500, 0x01); // table 2: entries 1 and 3 without 2
    session.image.SetByte(0x520, 0x01);
    EXPECT_FALSE(Commands().OnProgramWrite());
    ASSERT_EQ(messenger.Shown().size(), 1u);
    EXPECT_EQ(messenger.Shown()[0].textIds, (std::vector<TextId>{3019151, 3019153}));
    EXPECT_TRUE(Radio().Requests().empty());
}

} // namespace
} // namespace rpx
