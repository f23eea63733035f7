#include <functional>

#include "core/radio/bcd_frequency.h"
#include "tests/link/test_mode_fixture.h"

namespace rpx {
namespace {

using test::ItemWithCode;

class TestModeDialogTest : public test::TestModeFixture {};

TEST_F(TestModeDialogTest, PttSwitchesTheTransmitterAndAnyOtherRequestSwitchesItOffFirst) {
    const struct {
        const char* name;
        std::function<bool(TestDialogRules&)> act;
        sim::Bytes request;
    } cases[] = {
        {"PTT again", [](TestDialogRules& r) { return r.Radio().TogglePtt(); }, {}},
        // The channel record is acknowledged before the reply byte is awaited.
        {"channel", [](TestDialogRules& r) { return r.ChooseChannel(3); }, {0x10, 3, 0x06}},
        {"signalling", [](TestDialogRules& r) { return r.ChooseSignalling(4); }, {0x11, 5}},
        {"narrow", [](TestDialogRules& r) { return r.SetWide(false); }, {0x47}},
        {"volume", [](TestDialogRules& r) { return r.Radio().StepVolume(false); }, {0x7D, 0x0B}},
        {"tuning",
         [](TestDialogRules& r) { return r.StartTuning(ItemWithCode(32)).has_value(); },
         {0x05, 0x06, 32, 0x0D}},
    };
    for (const auto& c : cases) {
        StartTestRadio();
        RunProgramTest([&](TestDialogRules& rules) {
            ASSERT_TRUE(rules.Radio().TogglePtt()) << c.name;
            EXPECT_TRUE(Radio().TestState().transmitting) << c.name;
            ASSERT_TRUE(c.act(rules)) << c.name;
            EXPECT_FALSE(rules.State().transmitting) << c.name;
        });
        EXPECT_EQ(SentBytes(), InTestMode(test::Join({{0x08, 0x0D, 0x08, 0x0E}, c.request}))) << c.name;
    }
}

TEST_F(TestModeDialogTest, VolumeStaysWithinZeroToThirtyOne) {
    StartTestRadio();
    RunProgramTest([&](TestDialogRules& rules) {
        for (const auto& [left, shown] : {std::pair{40, 31}, {-3, 0}, {31, 31}, {0, 0}, {12, 12}}) {
            state.volume = left; // as a tuning dialog may leave it
            EXPECT_TRUE(rules.TuningClosed());
            EXPECT_EQ(state.volume, shown) << left;
        }
        for (const auto& [from, up, to] : {std::tuple{31, true, 31}, {0, false, 0}, {16, true, 17}}) {
            state.volume = from;
            ASSERT_TRUE(rules.Radio().StepVolume(up));
            EXPECT_EQ(state.volume, to) << from;
        }
    });
    // Only the step within the range reaches the radio.
    EXPECT_EQ(SentBytes(), InTestMode({0x7D, 0x0A}));
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
    TestModeRadio radio(TestLink().Link(), state);
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

} // namespace
} // namespace rpx
