#include "sim/radio_records.h"
#include "tests/link/test_mode_fixture.h"

namespace rpx {
namespace {

using test::ItemWithCode;
using test::Join;

constexpr TextId kNoReply = 3003005;
const sim::Bytes kTuning = {'T', 'U', 'N', 'I', 'N', 'G', ' '};
const sim::Bytes kLeave = {0x45};

class TestModeSessionTest : public test::TestModeFixture {};

TEST_F(TestModeSessionTest, EntersReadsChecksRunsTheDialogAndLeaves) {
    StartTestRadio();
    RunProgramTest([&](TestDialogRules&) {
        EXPECT_TRUE(Testing());
        EXPECT_FALSE(waitUi.open);
    });
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_EQ(SentBytes(), InTestMode({}));
    EXPECT_TRUE(messenger.Shown().empty());
    EXPECT_EQ(waitUi.shown, 1);
    EXPECT_FALSE(Port().IsOpen());
    const sim::AdjustmentTable radioValues = sim::DefaultAdjustments();
    EXPECT_TRUE(std::equal(radioValues.begin(), radioValues.end(), state.readAdjustments.begin()));
    EXPECT_TRUE(std::equal(radioValues.begin(), radioValues.end(), state.adjustments.begin()));
}

TEST_F(TestModeSessionTest, AnyDifferingTestChannelByteRefusesTestMode) {
    for (std::size_t offset : {0, 61, 127}) {
        sim::TestChannelTable channels{};
        std::ranges::copy(session.image.Bytes().subspan(0x280, channels.size()), channels.begin());
        channels[offset] ^= 0x01;
        sim::RadioSetup setup;
        setup.testChannels = channels;
        StartTestRadio(setup);
        messenger.Clear();
        RunProgramTest([](TestDialogRules&) {});
        EXPECT_EQ(dialogRuns, 0);
        EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{3003009}) << offset;
        EXPECT_EQ(messenger.Shown().front().captionId, 1001019);
        EXPECT_EQ(SentBytes(), InTestMode({})) << offset;
        EXPECT_FALSE(Port().IsOpen());
    }
}

// The chosen reply comes with stray bytes; the user answers the no-reply box. Cancel leaves test
// mode at once, closing every dialog; Retry sends the request again (on entry: leaves and enters again).
TEST_F(TestModeSessionTest, MissingReplyOffersRetryAndCancel) {
    const auto none = [](TestDialogRules&) {};
    const struct {
        const char* name;
        int spoiltReply;
        MessageAnswer answer;
        sim::Bytes sent;
        TestModeSession::TestDialogRunner dialog;
    } cases[] = {
        {"ACK to TUNING", 1, MessageAnswer::Retry, Join({kTuning, kLeave, kLeave, InTestMode({})}), none},
        {"adjustment values", 4, MessageAnswer::Cancel, Join({kTuning, {0x02, 0x06, 0x05, 0x45, 0x65}}),
         none},
        {"channel record", kEntryReplies + 1, MessageAnswer::Retry, InTestMode({0x10, 4, 0x10, 4, 0x06}),
         [](TestDialogRules& rules) { EXPECT_TRUE(rules.ChooseChannel(4)); }},
        {"signalling", kEntryReplies + 1, MessageAnswer::Cancel, InTestMode({0x11, 2}),
         [](TestDialogRules& rules) {
             EXPECT_FALSE(rules.ChooseSignalling(1));
             EXPECT_EQ(rules.State().signalling, 1);
             EXPECT_FALSE(rules.Radio().TogglePtt());
         }},
        {"tuning value", kEntryReplies + 4, MessageAnswer::Cancel,
         InTestMode({0x05, 0x06, 32, 0x0D, 32, 0x20, 0x01}),
         [](TestDialogRules& rules) {
             std::optional<TuningDialogRules> dialog = rules.StartTuning(ItemWithCode(32));
             ASSERT_TRUE(dialog.has_value());
             EXPECT_FALSE(dialog->SetValue(0x01));
             dialog->Cancel();
             EXPECT_FALSE(rules.TuningClosed());
         }},
    };
    for (const auto& c : cases) {
        sim::RadioSetup setup;
        setup.faults = {{sim::FaultKind::Garbage, c.spoiltReply}};
        StartTestRadio(setup);
        messenger.Clear();
        messenger.Answer(c.answer);
        RunProgramTest(c.dialog);
        EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{kNoReply}) << c.name;
        EXPECT_EQ(messenger.Shown().front().buttons, MessageButtons::RetryCancel) << c.name;
        EXPECT_EQ(SentBytes(), c.sent) << c.name;
        EXPECT_FALSE(waitUi.open) << c.name;
        EXPECT_FALSE(Testing()) << c.name;
        EXPECT_FALSE(Port().IsOpen()) << c.name;
    }
}

} // namespace
} // namespace rpx
