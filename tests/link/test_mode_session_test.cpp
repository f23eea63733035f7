#include <deque>

#include "core/link/check_test_channels.h"
#include "sim/radio_records.h"
#include "tests/link/test_mode_fixture.h"

namespace rpx {
namespace {

constexpr TextId kNoReply = 3003005;

sim::Bytes Join(std::initializer_list<sim::Bytes> parts) {
    sim::Bytes joined;
    for (const sim::Bytes& part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

const sim::Bytes kTuning = {'T', 'U', 'N', 'I', 'N', 'G', ' '};
const sim::Bytes kLeave = {0x45};

class TestModeSessionTest : public test::TestModeFixture {
protected:
    void ExpectEndedWithoutDialog() {
        EXPECT_EQ(dialogRuns, 0);
        EXPECT_FALSE(waitUi.open);
        EXPECT_FALSE(TestLink().Testing());
        EXPECT_FALSE(Port().IsOpen());
    }
};

TEST_F(TestModeSessionTest, EntersReadsChecksRunsTheDialogAndLeaves) {
    StartTestRadio();
    RunProgramTest([&](TestDialogRules&) {
        EXPECT_TRUE(TestLink().Testing());
        EXPECT_FALSE(waitUi.open);
    });
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_EQ(SentBytes(), Join({EntryBytes(), kLeave}));
    EXPECT_TRUE(messenger.Shown().empty());
    EXPECT_EQ(waitUi.shown, 1);
    EXPECT_EQ(waitUi.title, 1001055);
    EXPECT_EQ(waitUi.text, 3003007);
    EXPECT_FALSE(TestLink().Testing());
    EXPECT_FALSE(Port().IsOpen());
    const sim::AdjustmentTable radioValues = sim::DefaultAdjustments();
    EXPECT_TRUE(std::equal(radioValues.begin(), radioValues.end(), state.readAdjustments.begin()));
    EXPECT_TRUE(std::equal(radioValues.begin(), radioValues.end(), state.adjustments.begin()));
}

TEST_F(TestModeSessionTest, AnyDifferingTestChannelByteRefusesTestMode) {
    for (std::size_t offset : {0, 61, 127}) {
        sim::RadioSetup setup = RadioSetupForImage();
        sim::TestChannelTable channels{};
        std::ranges::copy(session.image.Bytes().subspan(0x280, channels.size()), channels.begin());
        channels[offset] ^= 0x01;
        setup.testChannels = channels;
        StartTestRadio(setup);
        messenger.Clear();

        RunProgramTest([](TestDialogRules&) {});
        ExpectEndedWithoutDialog();
        EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{3003009}) << offset;
        EXPECT_EQ(messenger.Shown().front().captionId, 1001019);
        EXPECT_EQ(SentBytes(), Join({EntryBytes(), kLeave})) << offset;
    }
}

TEST_F(TestModeSessionTest, RetryAfterAMissingAcknowledgementLeavesAndEntersAgain) {
    sim::RadioSetup setup = RadioSetupForImage();
    setup.faults = {{sim::FaultKind::Garbage, 1}}; // the ACK to "TUNING " comes with stray bytes
    StartTestRadio(setup);
    RunProgramTest([](TestDialogRules&) {});
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{kNoReply});
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_EQ(SentBytes(), Join({kTuning, kLeave, kLeave, EntryBytes(), kLeave}));
    EXPECT_FALSE(Port().IsOpen());
}

TEST_F(TestModeSessionTest, CancelAfterAMissingReplyEndsTestMode) {
    sim::RadioSetup setup = RadioSetupForImage();
    setup.faults = {{sim::FaultKind::Garbage, 4}}; // the adjustment values, with the wait window open
    StartTestRadio(setup);
    messenger.Answer(MessageAnswer::Cancel);
    RunProgramTest([](TestDialogRules&) {});
    ExpectEndedWithoutDialog();
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{kNoReply});
    EXPECT_EQ(waitUi.shown, 1);
    EXPECT_EQ(SentBytes(), Join({kTuning, {0x02, link::kAck, 0x05, 0x45, 0x65}}));
}

TEST_F(TestModeSessionTest, UnknownRadioCancelledEndsWithoutAnotherPass) {
    sim::RadioSetup setup = RadioSetupForImage();
    setup.modelCode = "XYZ991";
    StartTestRadio(setup);
    messenger.Answer(MessageAnswer::Cancel);
    RunProgramTest([](TestDialogRules&) {});
    ExpectEndedWithoutDialog();
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{3003031});
    EXPECT_EQ(SentBytes(), Join({kTuning, {0x02, link::kAck, 0x45}}));
    EXPECT_EQ(waitUi.shown, 0);
}

// Answers each test channel request with the image's record and every acknowledgement with NAK.
class NakAnsweringDevice : public SerialDevice {
public:
    explicit NakAnsweringDevice(const RadioImage& image) : m_image(image) {}

    bool Open(const std::string&) override { return m_open = true; }
    void Close() override { m_open = false; }
    bool IsOpen() const override { return m_open; }
    bool Configure(const LineSettings&) override { return true; }
    bool SetDtr(bool) override { return true; }
    bool SetRts(bool) override { return true; }
    bool Write(std::span<const uint8_t> bytes) override {
        if (bytes.size() == 2 && bytes[0] == 0x10) {
            const auto record = m_image.Bytes().subspan(0x280 + (bytes[1] - 1u) * 8, 8);
            m_input.assign(record.begin(), record.end());
        } else if (bytes.size() == 1 && bytes[0] == sim::kAck) {
            m_input = {sim::kNak};
        }
        return true;
    }
    int BytesWaiting() override { return static_cast<int>(m_input.size()); }
    bool WaitForInput(int known, std::chrono::milliseconds) override { return BytesWaiting() != known; }
    std::size_t Read(std::span<uint8_t> buffer, std::chrono::milliseconds) override {
        const std::size_t count = std::min(buffer.size(), m_input.size());
        std::copy_n(m_input.begin(), count, buffer.begin());
        m_input.erase(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(count));
        return count;
    }
    void PurgeInput() override { m_input.clear(); }
    std::string ErrorText() const override { return {}; }
    bool PermissionDenied() const override { return false; }

private:
    const RadioImage& m_image;
    std::deque<uint8_t> m_input;
    bool m_open = false;
};

TEST_F(TestModeSessionTest, NakCountsAsAcknowledgementOnlyDuringTheChannelCheck) {
    NakAnsweringDevice device(session.image);
    SerialPort port(device, [](uint8_t) { return std::string("nak"); });
    RadioLink link(port, session, notifier, waitUi, kFast);
    port.SetOpen(true);
    EXPECT_EQ(CheckTestChannels(link, session.image), TestChannelCheck::Same);
    EXPECT_TRUE(messenger.Shown().empty());
    link.ExchangeAck();
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{kNoReply});
}

} // namespace
} // namespace rpx
