#include "core/radio/image_defaults.h"
#include "tests/link/link_fixture.h"

namespace rpx {
namespace {

using test::PatternImage;

constexpr TextId kReadQuestion = 3003001;
constexpr TextId kReadDone = 3003049;
constexpr TextId kWriteQuestion = 3003003;
constexpr TextId kWriteDone = 3003051;
constexpr TextId kCommError = 3003005;
constexpr TextId kShortMemoryQuestion = 3019111;
constexpr TextId kModelCodeDiffers = 3003041;

sim::Bytes Bytes(std::initializer_list<uint8_t> bytes) { return bytes; }
sim::Bytes Text(const std::string& text) { return {text.begin(), text.end()}; }

class ReadWrite : public test::LinkFixture {};

TEST_F(ReadWrite, ReadCopiesEveryByteOfEitherMemorySize) {
    for (std::size_t memory : {std::size_t{2048}, std::size_t{1024}}) {
        sim::RadioSetup setup;
        setup.image = PatternImage();
        setup.memorySize = memory;
        StartRadio(setup);
        session.image.FillAll(0x11);
        session.titleFilePart = "Site1.dat";
        ASSERT_TRUE(Commands().OnProgramRead()) << memory;

        RadioImage expected = PatternImage();
        if (memory == 1024)
            expected.Fill(0x400, 0x400, 0xFF);
        EXPECT_EQ(session.image, expected) << memory;
        EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kReadQuestion, kReadDone}));
        EXPECT_EQ(ui.progressTitle, 1001053);
        EXPECT_EQ(ui.progressRange, static_cast<int>(memory));
        EXPECT_EQ(ui.progressPosition, static_cast<int>(memory));
        EXPECT_EQ(session.titleFilePart, "");
        EXPECT_FALSE(Port().IsOpen());

        std::vector<sim::Bytes> expectedRequests = {Text("PROGRAM"), Bytes({0x02}), Bytes({0x50}),
                                                    Bytes({0x52, 0x00, 0xD0, 0x0A})};
        for (std::size_t address = 0; address < memory; address += 16)
            expectedRequests.push_back(Bytes({0x52, uint8_t(address >> 8), uint8_t(address & 0xFF), 0x10}));
        expectedRequests.push_back(Bytes({0x45}));
        EXPECT_EQ(test::FirstDifference(RequestsWithoutAcks(), expectedRequests), "") << memory;
        messenger.Clear();
    }
}

TEST_F(ReadWrite, CancelAtTheQuestionSendsNothingButUnnamesTheData) {
    StartRadio({});
    session.image.FillAll(0x11);
    const RadioImage before = session.image;
    session.titleFilePart = "Site1.dat";
    messenger.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(Commands().OnProgramRead());
    EXPECT_EQ(session.image, before);
    EXPECT_TRUE(Radio().Requests().empty());
    EXPECT_EQ(session.titleFilePart, "");
}

TEST_F(ReadWrite, ReadFixesMissingCountsAndTakesTrunkingMode) {
    const struct {
        uint8_t groups, mode;
        uint8_t groupsAfter, modeAfter;
        bool trunking;
    } cases[] = {{0xFF, 0xFF, 1, 0, false}, {2, 3, 2, 3, true}, {4, 0, 4, 0, false}};
    for (const auto& c : cases) {
        sim::RadioSetup setup;
        setup.image = PatternImage();
        setup.image.SetByte(0x0DA, c.groups);
        setup.image.SetByte(0x258, c.mode);
        StartRadio(setup);
        ASSERT_TRUE(Commands().OnProgramRead());
        EXPECT_EQ(session.image.Byte(0x0DA), c.groupsAfter);
        EXPECT_EQ(session.image.Byte(0x258), c.modeAfter);
        EXPECT_EQ(session.trunkingMode, c.trunking);
    }
}

TEST_F(ReadWrite, BlankModelRadioGivesABlankImage) {
    sim::RadioSetup setup;
    setup.image = PatternImage("E6182");
    StartRadio(setup);
    ASSERT_TRUE(Commands().OnProgramRead());
    RadioImage expected;
    expected.FillAll(0xFF);
    expected.SetModelString("MDL2A");
    expected.SetRangeCode('1');
    ApplyNewImageDefaults(expected);
    ApplyBandTestFrequencies(expected);
    EXPECT_EQ(session.image, expected);
}

// Every address a write sends, in order: the header area, the two gaps and, on a short radio,
// the upper half are never written.
std::vector<sim::Bytes> WrittenBlocks(const RadioImage& image, bool has2048) {
    std::vector<sim::Bytes> blocks;
    for (unsigned address = 0x20; address < (has2048 ? 0x800u : 0x3E0u); address += 16) {
        if ((address >= 0x340 && address < 0x380) || (address >= 0x3E0 && address < 0x3F0))
            continue;
        sim::Bytes block{0x57, uint8_t(address >> 8), uint8_t(address & 0xFF), 0x10};
        for (unsigned i = 0; i < 16; ++i)
            block.push_back(image.Byte(address + i));
        blocks.push_back(block);
    }
    return blocks;
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
        EXPECT_EQ(session.image.Byte(0x1D0), 0x00);
        std::vector<sim::Bytes> expected = {Text("PROGRAM"), Bytes({0x02}), Bytes({0x50})};
        const auto blocks = WrittenBlocks(sent, has2048);
        expected.insert(expected.end(), blocks.begin(), blocks.end());
        expected.push_back(Bytes({0x45}));
        EXPECT_EQ(test::FirstDifference(RequestsWithoutAcks(), expected), "") << has2048;
        EXPECT_EQ(blocks.size(), has2048 ? 121u : 56u);
        EXPECT_EQ(ui.progressTitle, 1001051);
        EXPECT_EQ(ui.progressRange, has2048 ? 2048 : 992);
        EXPECT_EQ(ui.progressPosition, has2048 ? 2048 : 992);
        const std::vector<TextId> shown = has2048 ? std::vector<TextId>{kWriteQuestion, kWriteDone}
                                                  : std::vector<TextId>{kWriteQuestion, kShortMemoryQuestion, kWriteDone};
        EXPECT_EQ(messenger.ShownIds(), shown);
        const RadioImage radio = Radio().Memory();
        EXPECT_TRUE(radio.AllEqual(0x000, 0x20, 0x00)) << "never written";
        EXPECT_TRUE(radio.AllEqual(0x340, 0x40, 0x00)) << "never written";
        EXPECT_TRUE(radio.AllEqual(0x3E0, 0x10, 0x00)) << "never written";
        EXPECT_EQ(radio.Byte(0x3F0), has2048 ? sent.Byte(0x3F0) : 0x00);
        messenger.Clear();
    }
}

TEST_F(ReadWrite, WriteQuestionsCanStopTheWrite) {
    const struct {
        const char* name;
        std::size_t memory;
        std::string radioCode;
        TextId question;
    } cases[] = {
        {"short memory", 1024, "MDL2A1", kShortMemoryQuestion},
        {"other model code", 2048, "MDL2A3", kModelCodeDiffers},
    };
    for (const auto& c : cases) {
        sim::RadioSetup setup;
        setup.memorySize = c.memory;
        setup.modelCode = c.radioCode;
        StartRadio(setup);
        session.image = PatternImage("MDL2A1");
        const RadioImage radioBefore = Radio().Memory();
        messenger.Answer(MessageAnswer::Ok);
        messenger.Answer(MessageAnswer::Cancel);
        EXPECT_FALSE(Commands().OnProgramWrite()) << c.name;
        EXPECT_EQ(messenger.ShownIds(), (std::vector<TextId>{kWriteQuestion, c.question})) << c.name;
        EXPECT_EQ(messenger.Shown()[1].defaultButton, DefaultButton::Second) << c.name;
        EXPECT_EQ(Radio().Memory(), radioBefore) << c.name;
        EXPECT_EQ(test::FirstDifference({RequestsWithoutAcks().back()}, {Bytes({0x45})}), "") << c.name;
        EXPECT_FALSE(Port().IsOpen()) << c.name;
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
    session.image.SetByte(0x510, 0x01);
    EXPECT_TRUE(TrunkingTablesContiguous(session.image));
}

} // namespace
} // namespace rpx
