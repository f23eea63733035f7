#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "gui/editor/channel_detail_dialog.h"
#include "tests/core/editor/editor_test_image.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/test_texts.h"

namespace rpx::gui {
namespace {

using test::ShippedTexts;

class ChannelDetailDialogTest : public ::testing::Test {
protected:
    // Channel 2 of a one-group VHF radio on band 1, empty unless programmed.
    ChannelDetailDialogTest() { session.image = test::NewImage("MDL1A", 0x11); }
    void Open() {
        before = session.image;
        rules.Open();
        dialog = std::make_unique<ChannelDetailDialog>(rules, ShippedTexts(), nullptr);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    template <class T> T& Child(const char* name) { return *dialog->findChild<T*>(name); }
    CellList& List(const char* name) { return Child<CellList>(name); }
    void Type(QWidget& cell, const char* keys) {
        cell.setFocus(Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(&cell))
            edit->selectAll(); // the user's selection: typing replaces the frequency
        QTest::keyClicks(&cell, keys);
        QTest::keyClick(&cell, Qt::Key_Tab);
    }
    ChannelRecord Record() { return ChannelRecord(session.image, 2); }

    Session session;
    test::ScriptedMessenger messenger;
    Notifier notifier{messenger, ShippedTexts()};
    ChannelDetailRules rules{session, notifier, 2};
    RadioImage before;
    std::unique_ptr<ChannelDetailDialog> dialog;
};

TEST_F(ChannelDetailDialogTest, TypingAFrequencyProgramsTheChannelAndEnablesItsFields) {
    Open();
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Channel Details -Channel 2-");
    EXPECT_TRUE(std::filesystem::exists(RPX_SOURCE_DIR "/resources/help/" +
                                        std::to_string(ChannelDetailDialog::kHelpContext) + ".html"));
    EXPECT_FALSE(Child<FrequencyEdit>("tx").isEnabled());
    EXPECT_FALSE(Child<QCheckBox>("beatShift").isEnabled());
    Type(Child<FrequencyEdit>("rx"), "146.52");
    EXPECT_EQ(Child<FrequencyEdit>("rx").text(), "146.52000");
    EXPECT_EQ(dialog->focusWidget(), &Child<FrequencyEdit>("tx")) << "Tab stored RX before it moved";
    EXPECT_TRUE(List("decode").isEnabled());
    EXPECT_FALSE(List("encode").isEnabled()) << "no TX frequency yet";
}

TEST_F(ChannelDetailDialogTest, ListsAndBoxesStoreAtOnceAndFollowEachOther) {
    ChannelGridEditor(session, notifier).CommitRxCell(2, "146.52", true);
    Open();
    Type(List("decode"), "d23");
    EXPECT_EQ(Record().Tone(Direction::Rx).Text(), "D230N");
    EXPECT_EQ(List("lockout").count(), 3) << "with the tone item";

    QCheckBox& option = Child<QCheckBox>("optionSignalling");
    QTest::mouseClick(&option, Qt::LeftButton, {}, QPoint(option.height() / 2, option.height() / 2));
    EXPECT_TRUE(Record().OptionSignalling());
    EXPECT_EQ(List("unmute").count(), 2);
    EXPECT_EQ(List("lockout").count(), 4);

    CellList& unmute = List("unmute");
    unmute.setFocus();
    QTest::keyClick(&unmute, Qt::Key_Down);
    EXPECT_EQ(Record().UnmuteRule(), 1u);
    EXPECT_EQ(unmute.currentText(), "QT/DQT+DTMF");

    QCheckBox& scrambler = Child<QCheckBox>("voiceScrambler");
    QTest::mouseClick(&scrambler, Qt::LeftButton, {}, QPoint(scrambler.height() / 2, scrambler.height() / 2));
    EXPECT_TRUE(List("scramblerCode").isEnabled());
}

TEST_F(ChannelDetailDialogTest, EscapeRestoresEveryByte) {
    ChannelGridEditor(session, notifier).CommitRxCell(2, "146.52", true);
    Record().SetBusyLockout(3);
    Open();
    Type(Child<FrequencyEdit>("rx"), "150");
    Type(List("decode"), "100");
    ASSERT_EQ(Record().Tone(Direction::Rx).Text() + " " + Child<FrequencyEdit>("rx").text().toStdString(),
              "100.0 150.00000");
    // A tone typed but not yet stored when Escape closes the dialog.
    List("decode").setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&List("decode"), "110");
    QTest::keyClick(&List("decode"), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(session.image == before);
}

} // namespace
} // namespace rpx::gui
