#include <functional>

#include "core/radio/bcd_frequency.h"
#include "tests/link/test_mode_fixture.h"

namespace rpx {
namespace {

using test::ItemWithCode;

class TestModeDialogTest : public test::TestModeFixture {};

TEST_F(TestModeDialogTest, OpensOnWideAndSignallingOneThenTheChoicesReachTheRadio) {
    StartTestRadio();
    state.wide = false;
    state.signalling = 4;
    RunProgramTest([&](TestDialogRules& rules) {
        EXPECT_TRUE(rules.State().wide);
        EXPECT_EQ(rules.State().signalling, 1);
        EXPECT_EQ(rules.State().volume, 16);
        ASSERT_TRUE(rules.ChooseChannel(2));
        EXPECT_EQ(rules.State().channel, 2);
        ASSERT_TRUE(rules.ChooseSignalling(8));
        EXPECT_EQ(Radio().TestState().signalling, 9);
        ASSERT_TRUE(rules.SetWide(false));
        EXPECT_FALSE(Radio().TestState().wide);
        EXPECT_FALSE(rules.State().wide);
    });
    // The channel record is acknowledged before the reply byte is awaited.
    EXPECT_EQ(SentAfterEntry(), (sim::Bytes{0x10, 2, 0x06, 0x11, 9, 0x47, 0x45}));
    EXPECT_TRUE(messenger.Shown().empty());
}

TEST_F(TestModeDialogTest, PttTwiceSwitchesTheTransmitterOnThenOff) {
    StartTestRadio();
    RunProgramTest([&](TestDialogRules& rules) {
        ASSERT_TRUE(rules.Radio().TogglePtt());
        EXPECT_TRUE(rules.State().transmitting);
        EXPECT_TRUE(Radio().TestState().transmitting);
        ASSERT_TRUE(rules.Radio().TogglePtt());
        EXPECT_FALSE(rules.State().transmitting);
    });
    EXPECT_EQ(SentAfterEntry(), (sim::Bytes{0x08, 0x0D, 0x08, 0x0E, 0x45}));
}

TEST_F(TestModeDialogTest, EachRequestSwitchesAnActiveTransmitterOffFirst) {
    const struct {
        const char* name;
        std::function<bool(TestDialogRules&)> act;
        sim::Bytes request;
    } cases[] = {
        {"channel", [](TestDialogRules& r) { return r.ChooseChannel(3); }, {0x10, 3, 0x06}},
        {"signalling", [](TestDialogRules& r) { return r.ChooseSignalling(4); }, {0x11, 5}},
        {"narrow", [](TestDialogRules& r) { return r.SetWide(false); }, {0x47}},
        {"wide", [](TestDialogRules& r) { return r.SetWide(true); }, {0x46}},
        {"volume", [](TestDialogRules& r) { return r.Radio().StepVolume(false); }, {0x7D, 0x0B}},
        {"tuning",
         [](TestDialogRules& r) { return r.StartTuning(ItemWithCode(32)).has_value(); },
         {0x05, 0x06, 32, 0x0D}},
    };
    for (const auto& c : cases) {
        StartTestRadio();
        RunProgramTest([&](TestDialogRules& rules) {
            ASSERT_TRUE(rules.Radio().TogglePtt()) << c.name;
            ASSERT_TRUE(c.act(rules)) << c.name;
            EXPECT_FALSE(rules.State().transmitting) << c.name;
        });
        sim::Bytes expected = {0x08, 0x0D, 0x08, 0x0E};
        expected.insert(expected.end(), c.request.begin(), c.request.end());
        expected.push_back(0x45);
        EXPECT_EQ(SentAfterEntry(), expected) << c.name;
    }
}

TEST_F(TestModeDialogTest, VolumeStepsStopAtTheEndsWithoutARequest) {
    const struct {
        int from;
        bool up;
        int to;
        sim::Bytes sent;
    } cases[] = {{16, true, 17, {0x7D, 0x0A, 0x45}}, {31, true, 31, {0x45}}, {0, false, 0, {0x45}}};
    for (const auto& c : cases) {
        StartTestRadio();
        RunProgramTest([&](TestDialogRules& rules) {
            state.volume = c.from;
            ASSERT_TRUE(rules.Radio().StepVolume(c.up));
            EXPECT_EQ(state.volume, c.to) << c.from;
        });
        EXPECT_EQ(SentAfterEntry(), c.sent) << c.from;
    }
}

TEST_F(TestModeDialogTest, VolumeLeftOutOfRangeByTuningIsClamped) {
    StartTestRadio();
    RunProgramTest([&](TestDialogRules& rules) {
        for (const auto& [left, shown] : {std::pair{40, 31}, {-3, 0}, {31, 31}, {0, 0}, {12, 12}}) {
            state.volume = left;
            EXPECT_TRUE(rules.TuningClosed());
            EXPECT_EQ(state.volume, shown) << left;
        }
    });
}

TEST_F(TestModeDialogTest, ChannelListAndFrequenciesComeFromTheImage) {
    for (uint32_t n = 0; n < 16; ++n) {
        bcd::WriteFrequency(session.image, 0x280 + n * 8, 46012500 + n * 1000);
        bcd::WriteFrequency(session.image, 0x284 + n * 8, 46012500 + n * 1000);
    }
    session.image.SetByte(0x280 + 2 * 8, 0xFF);
    session.image.SetByte(0x280 + 6 * 8, 0xFF);
    session.image.SetByte(0x284, 0xFF); // channel 1 has no transmit frequency
    StartTestRadio();
    TestModeRadio radio(TestLink(), notifier, state);
    TestDialogRules rules(radio, session.image, test::ShippedTexts());
    EXPECT_EQ(rules.ChannelNumbers(), (std::vector<int>{1, 2, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    const struct {
        int channel;
        const char* receive;
        const char* transmit;
    } cases[] = {{1, "460.12500 MHz", "Off"}, {2, "460.13500 MHz", "460.13500 MHz"}, {3, "", ""}};
    for (const auto& c : cases) {
        state.channel = c.channel;
        EXPECT_EQ(rules.ReceiveText(), c.receive) << c.channel;
        EXPECT_EQ(rules.TransmitText(), c.transmit) << c.channel;
    }
}

TEST_F(TestModeDialogTest, SignallingDescriptionsComeInPairs) {
    EXPECT_EQ(TestDialogRules::SignallingDescriptions(1), (SignallingTexts{3004001, 3004003}));
    EXPECT_EQ(TestDialogRules::SignallingDescriptions(2), (SignallingTexts{3004005, 3004007}));
    EXPECT_EQ(TestDialogRules::SignallingDescriptions(9), (SignallingTexts{3004033, 3004035}));
}

TEST_F(TestModeDialogTest, RetryAfterAMissingReplySendsTheRequestAgain) {
    sim::RadioSetup setup = RadioSetupForImage();
    setup.faults = {{sim::FaultKind::Garbage, kEntryReplies + 1}};
    StartTestRadio(setup);
    RunProgramTest([&](TestDialogRules& rules) { EXPECT_TRUE(rules.ChooseChannel(4)); });
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{3003005});
    EXPECT_EQ(messenger.Shown().front().buttons, MessageButtons::RetryCancel);
    EXPECT_EQ(SentAfterEntry(), (sim::Bytes{0x10, 4, 0x10, 4, 0x06, 0x45}));
}

TEST_F(TestModeDialogTest, CancelAfterAMissingReplyLeavesTestModeOnce) {
    sim::RadioSetup setup = RadioSetupForImage();
    setup.faults = {{sim::FaultKind::Garbage, kEntryReplies + 1}};
    StartTestRadio(setup);
    messenger.Answer(MessageAnswer::Cancel);
    RunProgramTest([&](TestDialogRules& rules) {
        EXPECT_FALSE(rules.ChooseSignalling(1));
        EXPECT_EQ(rules.State().signalling, 1);
        EXPECT_FALSE(rules.Radio().TogglePtt());
    });
    EXPECT_EQ(messenger.ShownIds(), std::vector<TextId>{3003005});
    EXPECT_EQ(SentAfterEntry(), (sim::Bytes{0x11, 2, 0x45}));
    EXPECT_FALSE(Port().IsOpen());
}

} // namespace
} // namespace rpx
