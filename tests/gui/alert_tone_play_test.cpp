#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QSignalSpy>

#include "gui/tone/alert_tone_play.h"
#include "gui/tone/tone_player.h"
#include "tests/support/scripted_messenger.h"

namespace rpx::gui {
namespace {

TEST(AlertTonePlay, WithoutASoundOutputSaysSoOnceAndEnds) {
    test::ScriptedMessenger messenger;
    TonePlayer player(messenger, QAudioDevice());
    AlertTonePlay play(player);
    QSignalSpy finished(&play, &AlertTonePlay::finished);
    play.Play(std::vector<AlertTone>(16, AlertTone{1000, 100}));
    EXPECT_EQ(finished.count(), 1);
    ASSERT_EQ(messenger.Shown().size(), 1u);
    EXPECT_EQ(messenger.Shown()[0].text, "No Sound Output Device");
    EXPECT_FALSE(play.Running());
    EXPECT_FALSE(player.Playing());
}

} // namespace
} // namespace rpx::gui
